#pragma once

#include <QPixmap>

namespace app {

// The pictures of the tool row's seven buttons, drawn in code so they stay sharp at any
// scale: each 24 x 24 logical pixels, rendered for the given device pixel ratio.
enum class ToolButtonArt { Prior, Next, New, Apply, Delete, BrowseMode, EditMode };

struct ToolButtonPictures {
    QPixmap picture; // what the button shows before the pointer first comes near
    QPixmap origin;
    QPixmap over;
    QPixmap down;
};

ToolButtonPictures toolButtonPictures(ToolButtonArt art, qreal devicePixelRatio);

// The grey stand-in shown in front of a mode button that is not available.
QPixmap unavailablePicture(ToolButtonArt art, qreal devicePixelRatio);

} // namespace app
