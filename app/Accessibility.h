#pragma once

namespace app {

// Teaches assistive technology about the controls it cannot see into by itself: the
// picture buttons (buttons with a press action), the note list (a list of rows) and the
// category tabs (a tab list). Call once, before the main window is made.
void installAccessibleInterfaces();

} // namespace app
