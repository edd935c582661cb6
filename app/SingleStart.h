#pragma once

#include "app/NotesFileLock.h"
#include "app/ToggleServer.h"

#include <QString>

namespace app {

// Whether this start runs on the notes file or leaves it to the Quibbet that does, and, when it
// leaves, the one line that says why.
struct StartDecision {
    bool run = false;
    int exitCode = 0;
    QString line; // for standard error; empty when there is nothing to say
};

struct StartRequest {
    bool toggle = false;     // `quibbet --toggle`: hands the toggle over, silently when it was taken
    QString desktop;         // DesktopSession::desktopName of this start
    QString serverName;      // where this start would answer --toggle
    QString shownFile;       // the notes file as the lines name it
    int holderWaitMs = 5000; // how long a holder that is still starting is waited for
};

// Takes the notes file's lock, or hands over to its holder: a second start brings the running
// Quibbet to the front, `--toggle` shows or hides it. Where the lock cannot be had (no lock
// file can be made), the socket alone keeps one Quibbet per file on a desktop, as the log
// says. When the decision is to run, `server` answers --toggle where it could start to.
StartDecision startOrHandOver(NotesFileLock& lock, ToggleServer& server, const StartRequest& request);

} // namespace app
