#pragma once

class QWidget;

namespace widgets {

// Buttons placed at fixed places are as wide as their English texts need. A longer text, in
// another language, widens its button instead of being cut: the buttons after it in its row
// move along, and the window grows when the row would pass its edge. Texts that fit change
// nothing.
void widenButtonsToTheirTexts(QWidget& window);

} // namespace widgets
