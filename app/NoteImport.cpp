#include "app/NoteImport.h"

#include "import/ImportCommand.h"

#include <QIODevice>
#include <QTextStream>

namespace app {

int importNotes(const NoteCommand& command, const QString& path, const CommandStreams& streams)
{
    QTextStream out(streams.out, QIODevice::WriteOnly);
    QTextStream err(streams.err, QIODevice::WriteOnly);
    const QString source = command.importProgram.isEmpty() ? command.importPath : command.importProgram;
    return import::runImportCommand(source, path, out, err);
}

} // namespace app
