#include "app/EdgeSnapping.h"

namespace app {

SnappedPosition snapToEdges(QPoint proposed, int topBeforeMove, int screenWidth, int windowWidth)
{
    SnappedPosition result{proposed, topBeforeMove < kSnapBand};
    if (proposed.y() < kSnapBand) {
        result.position.setY(0);
        return result;
    }
    if (result.position.x() < kSnapBand)
        result.position.setX(0);
    if (result.position.x() > screenWidth - windowWidth - kSnapBand)
        result.position.setX(screenWidth - windowWidth);
    return result;
}

} // namespace app
