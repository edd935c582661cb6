#include "app/NoteImport.h"

#include <QCoreApplication>

namespace app {

int importNotes(const NoteCommand& /*command*/, const QString& /*path*/, const CommandStreams& streams)
{
    // The readers of other programs' notes come in a later build; until then the request is
    // refused before anything is read or written.
    writeErrorLine(streams.err,
                   QCoreApplication::translate("NoteCommands", "importing is not available in this build"));
    return 2;
}

} // namespace app
