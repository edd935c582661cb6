#pragma once

#include <QIcon>

class QPushButton;

namespace dialogs {

// The pictures of the dialogs' standard buttons, drawn here at every scale a screen may ask
// for: a green tick for OK and a red cross for Cancel, 16 by 16 on a clear background.
QIcon okGlyph();
QIcon cancelGlyph();

// Makes a dialog's OK or Cancel a button with its glyph. Call before the dialog's painter is
// attached: the painter tells buttons with a glyph from plain ones when it hooks them.
void giveOkGlyph(QPushButton* button);
void giveCancelGlyph(QPushButton* button);

} // namespace dialogs
