#pragma once

#include "widgets/FontValue.h"

#include <QDialog>

class QPushButton;
class QTabWidget;

namespace dialogs {

// "Quibbet Options": one page, "Display", whose button opens the font chooser on the font
// being edited. Lives for the whole run.
class TOptionForm : public QDialog {
    Q_OBJECT
public:
    explicit TOptionForm(QWidget* owner = nullptr);

    // The font being edited.
    widgets::FontValue EditFont;

    QTabWidget* PageControl1 = nullptr;
    QWidget* TabSheet4 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;

    void Button1Click();
};

// Edits a copy of `font` in the dialog; on OK the font takes the copy. True when OK closed it.
bool ShowOptionsDialog(TOptionForm& form, widgets::FontValue& font);

} // namespace dialogs
