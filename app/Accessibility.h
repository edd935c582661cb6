#pragma once

#include <QLabel>

namespace app {

// Teaches assistive technology about the controls it cannot see into by itself: the main
// window (a frame), the picture buttons (buttons with a press action), the note list (a
// list of rows) and the category tabs (a tab list). Call once, before the main window is
// made.
void installAccessibleInterfaces();

// A picture that stands in for a button while the button is unavailable: assistive
// technology meets it as that button, named by its accessible name and unavailable,
// rather than as a nameless image.
class UnavailableButtonPicture : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
};

} // namespace app
