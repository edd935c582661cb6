#pragma once

#include <QPoint>

namespace app {

// How close to an edge (in pixels) a window must come before it is pulled onto it.
constexpr int kSnapBand = 40;

struct SnappedPosition {
    QPoint position;
    // The window counts as docked at the top when its top was within the band before this
    // move, so docking takes effect one move after the window reaches the top.
    bool dockedAtTop = false;
};

// Where a window proposed at `proposed` (top-left corner, screen pixels) ends up. Near the
// top it goes to y 0 and keeps its x, so it may hang over a side there; lower down it is
// pulled flush against the left or right edge, and cannot be left partly beyond either.
// Nothing snaps at the bottom.
SnappedPosition snapToEdges(QPoint proposed, int topBeforeMove, int screenWidth, int windowWidth);

} // namespace app
