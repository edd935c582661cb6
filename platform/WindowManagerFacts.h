#pragma once

#include <QPoint>
#include <optional>

class QWindow;

namespace platform {

// What the window system did to a window, asked of the window system itself rather than of
// the toolkit's copy of it: some window managers change a window behind the toolkit's back.
// Where the window system has no such notion (Wayland, offscreen), the answers are the neutral
// ones.
class WindowManagerFacts {
public:
    // Whether the window manager holds the window minimised (X11: WM_STATE Iconic). Some keep a
    // minimised window mapped (GNOME's compositor through XWayland), so the window never stops
    // being exposed.
    static bool isIconic(const QWindow& window);

    // Where the window is shown, its top-left corner in the toolkit's screen coordinates; none
    // where the window system does not say (not X11, or not mapped).
    static std::optional<QPoint> shownPosition(const QWindow& window);

    // Whether the window manager keeps a window it no longer shows inside its frame, away from
    // the frame's corner. One that does (Weston through XWayland, whose frame has a margin for
    // its shadow) maps it again at the frame's corner, a margin away from where it was shown,
    // and takes no later move from the program.
    static bool keepsWithdrawnInFrame(const QWindow& window);

    // Whether the window system tells a window when the pointer leaves it. XWayland does not
    // when the pointer goes to the desktop or to a Wayland window: the pointer's last place
    // stays inside the window.
    static bool reportsPointerLeaving();
};

} // namespace platform
