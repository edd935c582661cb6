#include "import/ImportCommand.h"

#include "import/ImportStore.h"
#include "import/PeerSources.h"
#include "store/Database.h"

#include <QCoreApplication>
#include <QDir>

namespace import {

int runImportCommand(const QString& source, const QString& notesFile, QTextStream& out, QTextStream& errors)
{
    // Each line says whose it is, as every error line of the command line does.
    struct ErrorLines {
        QTextStream& stream;
        ErrorLines& operator<<(const QString& line)
        {
            stream << QStringLiteral("quibbet: ") << line << Qt::endl;
            return *this;
        }
    } err{errors};

    const std::optional<PeerSource> found = sourceNamed(source, QDir::homePath());
    if (!found) {
        err << QCoreApplication::translate("import", "Nothing to import at \"%1\": not a folder, a file or one of "
                                                     "xpad, gnote, tomboy, tomboy-ng, knotes with notes here")
                   .arg(source);
        return 2;
    }
    const ReadResult read = readSource(*found);
    for (const ReadProblem& problem : read.problems)
        err << QCoreApplication::translate("import", "Left out %1: %2").arg(problem.file, problem.why);
    if (read.notes.empty() && !read.problems.isEmpty()) {
        err << QCoreApplication::translate("import", "No note of %1 could be read").arg(found->path);
        return 2;
    }
    try {
        store::Database database(notesFile);
        out << importSummary(storeImport(database, read.notes)) << Qt::endl;
        return 0;
    } catch (const store::StoreError& error) {
        err << QCoreApplication::translate("import", "Nothing imported: %1").arg(error.message());
        return 1;
    }
}

} // namespace import
