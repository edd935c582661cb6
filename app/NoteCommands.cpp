#include "app/NoteCommands.h"

#include "app/NoteImport.h"
#include "app/SharedState.h"
#include "dialogs/NoteExport.h"
#include "store/CategoryNames.h"
#include "store/Clock.h"
#include "store/CreationTime.h"
#include "store/Database.h"
#include "store/DeletedItems.h"
#include "store/NoteInsert.h"
#include "store/Query.h"
#include "store/RecentlyDeleted.h"
#include "store/Statements.h"
#include "store/StoreError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QStringDecoder>
#include <algorithm>
#include <sys/stat.h>

namespace app {

namespace {

// The context of the commands' texts for translators.
struct NoteCommands {
    Q_DECLARE_TR_FUNCTIONS(NoteCommands)
};

// A command that cannot go on: the exit status and the line that says why.
struct Refusal {
    int status;
    QString why;
};

QString shownPath(const QString& path)
{
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

// Standard input to its end, as the note's text: UTF-8, line ends kept but for the one that
// ends the last line (what echo and most editors add).
QString readNoteText(std::FILE* in)
{
    QByteArray bytes;
    char buffer[65536];
    while (const size_t read = std::fread(buffer, 1, sizeof buffer, in))
        bytes.append(buffer, qsizetype(read));
    if (std::ferror(in))
        throw Refusal{1, NoteCommands::tr("standard input could not be read: nothing was stored")};
    // A text the notes file could not keep as it is would lose bytes: refused whole instead.
    if (bytes.contains('\0'))
        throw Refusal{
            2, NoteCommands::tr("standard input holds a NUL byte, which a note cannot keep: nothing was stored")};
    QStringDecoder decoder(QStringConverter::Utf8,
                           QStringConverter::Flag::ConvertInitialBom | QStringConverter::Flag::Stateless);
    QString text = decoder(bytes);
    if (decoder.hasError())
        throw Refusal{2, NoteCommands::tr("standard input is not UTF-8 text: nothing was stored")};
    if (text.endsWith(QLatin1String("\r\n")))
        text.chop(2);
    else if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    if (text.trimmed().isEmpty())
        throw Refusal{2, NoteCommands::tr("standard input holds no text: nothing was stored")};
    return text;
}

// The category a name stands for: its own name, or one that looks the same on a tab (other
// case, blanks at either end). Default is 0; nothing when there is no such category.
std::optional<qint32> categoryNamed(store::Query& modify, const QString& name, QString& storedName)
{
    const QString key = store::categoryNameKey(name);
    if (key == QLatin1String("default"))
        return 0;
    modify.restart(store::sql::selectGroups);
    modify.open();
    std::optional<qint32> found;
    for (int row = 0; row < modify.recordCount(); ++row) {
        const QString stored = modify.value(row, 1).toString();
        if (stored == name || (!found && store::categoryNameKey(stored) == key)) {
            found = modify.value(row, 0).toInt();
            storedName = stored;
            if (stored == name)
                break;
        }
    }
    modify.close();
    return found;
}

// The category a script's note goes to, made when there is none of that name yet (a script
// that files notes under a new heading expects the tab to appear, and the note kept). Run
// inside the transaction that stores the note.
store::Filing filingFor(store::Query& modify, const std::optional<QString>& category, qint32 groupIdsHeld)
{
    if (!category)
        return store::Filing(0);
    QString storedName;
    if (const std::optional<qint32> id = categoryNamed(modify, *category, storedName)) {
        // The Search category under another name: its notes go at the next search.
        if (*id == SearchGroupId)
            throw Refusal{2, NoteCommands::tr("'%1' holds the results of a search and takes no notes").arg(*category)};
        return *id == 0 ? store::Filing(0) : store::Filing(*id, storedName);
    }
    const QString name = category->trimmed();
    const qint32 id = store::nextGroupId(modify, groupIdsHeld);
    modify.restart(store::sql::insertGroup(id, name, QString()));
    modify.execSql();
    return store::Filing(id, name);
}

// Search and *New are tabs, but no categories a note can be filed under; a name no tab could
// show is no category either. Told before the file is opened (or made).
void refuseUnfitCategory(const std::optional<QString>& category)
{
    if (!category)
        return;
    const QString key = store::categoryNameKey(*category);
    if (key == QLatin1String("search") || key == QLatin1String("*new"))
        throw Refusal{2, NoteCommands::tr("'%1' is no category to add a note to: the Search tab holds the results of a "
                                          "search, and *New makes categories")
                             .arg(*category)};
    const QString name = category->trimmed();
    if (name.size() > store::kCategoryNameLength)
        throw Refusal{2, NoteCommands::tr("a category name has at most %1 characters: '%2' has %3")
                             .arg(store::kCategoryNameLength)
                             .arg(name)
                             .arg(name.size())};
    if (std::any_of(name.cbegin(), name.cend(), [](QChar c) { return c.category() == QChar::Other_Control; }))
        throw Refusal{2, NoteCommands::tr("a category name cannot hold a line end or another control character")};
}

int addNote(const NoteCommand& command, const QString& path, const CommandStreams& streams)
{
    refuseUnfitCategory(command.category);
    const QString text = command.textFromInput ? readNoteText(streams.in) : command.text;
    store::Database database(path);
    store::Query modify(database);
    const auto [noteIdsHeld, groupIdsHeld] = store::idsHeldByKeptItems(database, modify);
    // The category, made or found, and the note in one transaction: a note that cannot be
    // stored leaves no new category behind.
    store::Database::Transaction transaction(database);
    const store::Filing filing = filingFor(modify, command.category, groupIdsHeld);
    store::insertNoteInTransaction(modify, filing, store::formatCreationTime(store::Clock::now()), text, noteIdsHeld);
    transaction.commit();
    return 0;
}

void writeOut(std::FILE* out, const QByteArray& bytes)
{
    if (std::fwrite(bytes.constData(), 1, size_t(bytes.size()), out) != size_t(bytes.size()))
        throw Refusal{1, NoteCommands::tr("the output could not be written")};
}

// Prints the rows of an open query of id, create_time and content as --list shows them.
// Returns how many there were.
int printNotes(const store::Query& notes, std::FILE* out)
{
    for (int row = 0; row < notes.recordCount(); ++row) {
        QByteArray line = noteOnOneLine(notes.value(row, 1).utf8());
        line += '\t';
        line += noteOnOneLine(notes.value(row, 2).utf8());
        line += '\n';
        writeOut(out, line);
    }
    if (std::fflush(out) != 0)
        throw Refusal{1, NoteCommands::tr("the output could not be written")};
    return notes.recordCount();
}

// A file to read must be there: reading never makes one.
void requireNotesFile(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        throw Refusal{1, NoteCommands::tr("there is no notes file %1").arg(shownPath(path))};
}

qint32 categoryToRead(store::Query& modify, const std::optional<QString>& category, const QString& path)
{
    if (!category)
        return 0;
    QString storedName;
    const std::optional<qint32> id = categoryNamed(modify, *category, storedName);
    if (!id)
        throw Refusal{1, NoteCommands::tr("there is no category '%1' in %2").arg(*category, shownPath(path))};
    return *id;
}

int listNotes(const NoteCommand& command, const QString& path, const CommandStreams& streams)
{
    requireNotesFile(path);
    store::Database database(path);
    store::Query query(database);
    const qint32 groupId = categoryToRead(query, command.category, path);
    query.restart(store::sql::listNotes(groupId));
    query.open();
    printNotes(query, streams.out);
    return 0;
}

int searchNotes(const NoteCommand& command, const QString& path, const CommandStreams& streams)
{
    requireNotesFile(path);
    store::Database database(path);
    store::Query query(database);
    query.restart(store::sql::selectSearchMatches);
    query.setText(QStringLiteral("pattern"), QLatin1Char('%') + command.text + QLatin1Char('%'));
    query.open();
    return printNotes(query, streams.out) > 0 ? 0 : 1;
}

// Whether two paths reach one file (through a link, another name or a hard link).
bool sameFile(const QString& one, const QString& other)
{
    struct stat a {};
    struct stat b {};
    return ::stat(QFile::encodeName(one).constData(), &a) == 0 &&
           ::stat(QFile::encodeName(other).constData(), &b) == 0 && a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

int exportNotes(const NoteCommand& command, const QString& path)
{
    requireNotesFile(path);
    // Not even --force writes the export over the notes it is made of.
    if (sameFile(command.file, path))
        throw Refusal{2, NoteCommands::tr("%1 is the notes file itself: nothing was written")
                             .arg(QDir::toNativeSeparators(command.file))};
    const QFileInfo target(command.file);
    if (!command.force && (target.exists() || target.isSymLink()))
        throw Refusal{1, NoteCommands::tr("%1 exists: nothing was written; add --force to replace it")
                             .arg(QDir::toNativeSeparators(command.file))};
    store::Database database(path);
    store::Query query(database);
    const qint32 groupId = categoryToRead(query, command.category, path);
    query.restart(store::sql::exportNotes(groupId));
    query.open();
    const QByteArray bytes = dialogs::exportText(query);
    query.close();
    QString error;
    if (!dialogs::writeExportFile(command.file, bytes, error))
        throw Refusal{1, error};
    return 0;
}

} // namespace

void writeErrorLine(std::FILE* err, const QString& message)
{
    // The store's messages explain themselves in paragraphs; a script's log wants one line.
    QString line = message;
    line.replace(QLatin1String("\n\n"), QLatin1String(": "));
    const QByteArray bytes = (QStringLiteral("quibbet: ") + line.simplified() + QLatin1Char('\n')).toLocal8Bit();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), err);
    std::fflush(err);
}

QByteArray noteOnOneLine(const QByteArray& utf8)
{
    QByteArray line;
    line.reserve(utf8.size());
    for (const char c : utf8) {
        switch (c) {
        case '\\':
            line += "\\\\";
            break;
        case '\n':
            line += "\\n";
            break;
        case '\r':
            line += "\\r";
            break;
        case '\t':
            line += "\\t";
            break;
        default:
            line += c;
        }
    }
    return line;
}

int runNoteCommand(const NoteCommand& command, const QString& path, const CommandStreams& streams)
{
    // What the store logs for the window's log would read as errors here; a failure is told
    // in its one line.
    QLoggingCategory::setFilterRules(QStringLiteral("quibbet.*.info=false\nquibbet.*.warning=false"));
    try {
        switch (command.kind) {
        case NoteCommand::Kind::Add:
            return addNote(command, path, streams);
        case NoteCommand::Kind::List:
            return listNotes(command, path, streams);
        case NoteCommand::Kind::Search:
            return searchNotes(command, path, streams);
        case NoteCommand::Kind::Export:
            return exportNotes(command, path);
        case NoteCommand::Kind::Import:
            return importNotes(command, path, streams);
        case NoteCommand::Kind::None:
            break;
        }
    } catch (const Refusal& refusal) {
        writeErrorLine(streams.err, refusal.why);
        return refusal.status;
    } catch (const store::StoreError& error) {
        writeErrorLine(streams.err, error.message());
        return 1;
    }
    return 2;
}

} // namespace app
