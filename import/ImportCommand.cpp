#include "import/ImportCommand.h"

#include "import/ImportStore.h"
#include "import/PeerSources.h"
#include "store/Database.h"
#include "store/Query.h"
#include "store/RecentlyDeleted.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <algorithm>

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

    // A program's name reads every place it keeps notes in, as the window's list of sources
    // does; anything else is a folder or file.
    const QList<PeerSource> programs = knownSources(QDir::homePath());
    QStringList places;
    ReadResult read;
    for (const PeerSource& known : programs) {
        if (known.name != source || !QFileInfo::exists(known.path))
            continue;
        places << known.path;
        read.add(readSource(known));
    }
    const bool isProgram =
        std::any_of(programs.cbegin(), programs.cend(), [&](const PeerSource& known) { return known.name == source; });
    if (!isProgram) {
        const std::optional<PeerSource> found = sourceNamed(source, QDir::homePath());
        if (!found) {
            err << QCoreApplication::translate("import", "Nothing to import at \"%1\": not a folder, a file or one of "
                                                         "xpad, gnote, tomboy, tomboy-ng, knotes with notes here")
                       .arg(source);
            return 2;
        }
        places << found->path;
        read = readSource(*found);
    }
    for (const ReadProblem& problem : read.problems)
        err << QCoreApplication::translate("import", "Left out %1: %2").arg(problem.file, problem.why);
    if (read.notes.empty()) {
        // Nothing matched: a program with no notes here, an empty folder, or none readable.
        if (read.problems.isEmpty())
            err << QCoreApplication::translate("import", "No notes found to import");
        else
            err << QCoreApplication::translate("import", "No note of %1 could be read").arg(places.join(QLatin1String(", ")));
        return 1;
    }
    try {
        store::Database database(notesFile);
        store::Query modify(database);
        // Ids that deleted notes and categories still hold, so that Undo and Restore can
        // bring them back under their own ids and into their own categories.
        const auto [idsHeld, groupIdsHeld] = store::idsHeldByKeptItems(database, modify);
        out << importSummary(storeImport(database, read.notes, idsHeld, groupIdsHeld)) << Qt::endl;
        return 0;
    } catch (const store::StoreError& error) {
        err << QCoreApplication::translate("import", "Nothing imported: %1").arg(error.message());
        return 1;
    }
}

} // namespace import
