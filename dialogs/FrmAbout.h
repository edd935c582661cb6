#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace dialogs {

// The about box: its picture with the version and a Close button, which is the only way
// to close it (no close box, no system menu; Escape and Enter do nothing).
class TfrmAbout : public QDialog {
    Q_OBJECT
public:
    explicit TfrmAbout(QWidget* owner = nullptr);

    static constexpr int kPictureWidth = 350;
    static constexpr int kPictureHeight = 200;

    // The picture, decoded from the JPEG the program carries.
    static QImage picture();

    QLabel* s = nullptr;
    QLabel* Label1 = nullptr;
    QPushButton* btn_continue = nullptr;

    void btn_continueClick();

protected:
    // The window manager's close box, where it draws one anyway, does nothing.
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace dialogs
