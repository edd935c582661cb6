#pragma once

namespace platform {

// What kind of desktop the program runs on, decided in one place.
class DesktopSession {
public:
    // A Wayland session, whichever platform the program itself runs on.
    static bool isWaylandSession();

    // To be called before the application object exists. On a Wayland session with
    // XWayland at hand, the window runs as an X11 client: only there may it place itself
    // (snapping, the docking strip) and stay on top. A platform the user chose is kept.
    // Returns whether the choice was made here; the caller takes it back with
    // forgetPlatformChoice() once the application exists, so programs started from ours
    // (a browser for the help) choose for themselves.
    static bool preferX11WhereAvailable();
    static void forgetPlatformChoice();

    // Whether the program may move its own window; where it may not, a drag is handed to
    // the window system.
    static bool programPlacesWindows();
    // Whether a minimised window can be brought back by the program itself (not on Wayland,
    // where only the desktop's own task bar can).
    static bool programCanRestoreMinimised();
};

} // namespace platform
