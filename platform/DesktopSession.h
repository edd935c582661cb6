#pragma once

#include <QString>

namespace platform {

// What kind of desktop the program runs on, decided in one place.
class DesktopSession {
public:
    // A Wayland session, whichever platform the program itself runs on.
    static bool isWaylandSession();

    // To be called before the application object exists, with the toolkit's -platform and
    // -display as given on the command line (empty when not given). On a Wayland session with
    // XWayland at hand, the window runs as an X11 client: only there may it place itself
    // (snapping, the docking strip) and stay on top; without XWayland it runs on Wayland
    // itself. A platform the user chose is kept. Returns whether the choice was made here;
    // the caller takes it back with forgetPlatformChoice() once the application exists, so
    // programs started from ours (a browser for the help) choose for themselves.
    static bool preferX11WhereAvailable(const QString& platformArgument = {}, const QString& displayArgument = {});
    static void forgetPlatformChoice();

    // Empty when the toolkit will find the display it is to open (X11 or Wayland, as chosen);
    // otherwise the one line that says that Quibbet needs a graphical desktop and found none,
    // and, where a display seems to be there (a socket of an X server or a Wayland compositor
    // that answers), how to reach it. Platforms without a display (offscreen) and ones this
    // does not know are left to the toolkit. To be called before the application object exists.
    static QString missingDisplay(const QString& platformArgument, const QString& displayArgument);
    // The one line for a toolkit that failed to open its display although it seemed to be
    // there (an X server starting, or one that had just gone): missingDisplay()'s line, or one
    // that names the display. Empty for platforms without a display and ones this does not know.
    static QString displayFailed(const QString& platformArgument, const QString& displayArgument);

    // The desktop the program shows its window on, as a name that every start on that desktop
    // computes alike, whichever platform it runs on: the X display given with -display; else
    // the Wayland session's display (the session's XWayland belongs to it); else $DISPLAY.
    // Screen numbers and a "unix" host are left out (":1", ":1.0" and "unix:1" are one).
    static QString desktopName(const QString& displayArgument);

    // Whether the program may move its own window; where it may not, a drag is handed to
    // the window system.
    static bool programPlacesWindows();
    // Whether a minimised window can be brought back by the program itself (not on Wayland,
    // where only the desktop's own task bar can).
    static bool programCanRestoreMinimised();
};

} // namespace platform
