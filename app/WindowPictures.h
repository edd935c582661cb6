#pragma once

#include <QIcon>
#include <QImage>
#include <QList>

namespace app {

// The title bar's 16 x 16 pictures and the program's icon, drawn in code for every scale.

// The stay-on-top toggle's own picture: an open padlock (the window may go behind others).
QIcon unlockedPicture();
// The picture the hidden companion button keeps: a closed padlock (the window stays on top).
QIcon lockedPicture();
QIcon minimisePicture();

// A yellow note pad lying at a slant, with lines of writing on its top sheet.
QImage notePadImage(int side);
// The note pad at the sizes a desktop asks for, from the task bar to the tray.
const QList<QImage>& notePadImages();
QIcon notePadIcon();

} // namespace app
