#pragma once

#include <QWidget>

namespace dialogs {

// A bevel that draws only its bottom edge: a dark line over a light one, the divider
// between a dialog's fields and its buttons.
class BottomLineBevel : public QWidget {
    Q_OBJECT
public:
    explicit BottomLineBevel(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace dialogs
