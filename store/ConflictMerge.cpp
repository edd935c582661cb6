#include "store/ConflictMerge.h"

#include "store/ConflictCopies.h"
#include "store/ConflictCopyFile.h"
#include "store/CopyMerger.h"
#include "store/CountedText.h"
#include "store/SqliteStatement.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <optional>
#include <sqlite3.h>

Q_DECLARE_LOGGING_CATEGORY(lcStore)

namespace store {

namespace {

qint64 dataVersion(Database& database)
{
    SqliteStatement version(database.handle(), QStringLiteral("pragma data_version"), database.path());
    return version.step() ? version.integer(0) : 0;
}

void moveToBackups(const QString& copyPath, const Database& database, const MergeOptions& options, MergedCopy& result)
{
    const BackupFolder folder(options.backupFolder, database.path());
    QString error;
    if (!folder.prepare(error)) {
        result.notMoved = error;
        return;
    }
    const QString target = folder.mergedCopyPath(QFileInfo(copyPath).fileName(), QDateTime::currentDateTimeUtc());
    QFile copy(copyPath);
    if (!copy.rename(target)) {
        result.notMoved = QStringLiteral("cannot move it to %1: %2").arg(target, copy.errorString());
        return;
    }
    QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    result.movedTo = target;
}

// Another program may write the notes file while the copy is read: the reading is done again
// then. After that many tries it is done holding the file, which then surely ends.
constexpr int kReadsWithoutLock = 3;

} // namespace

MergedCopy mergeConflictCopy(Database& database, const QString& copyPath, const MergeOptions& options)
{
    MergedCopy result;
    result.copyPath = copyPath;
    std::optional<ConflictCopyFile> copy;
    try {
        copy.emplace(copyPath, database.path());
        for (int attempt = 0;; ++attempt) {
            CopyMerger merge(database, *copy, result);
            std::optional<Database::Transaction> transaction;
            const bool locked = attempt >= kReadsWithoutLock;
            QElapsedTimer held;
            held.start();
            if (locked)
                transaction.emplace(database);
            // Versions are counted per connection: the transaction may have followed a file
            // another program put in place meanwhile, which counts as a change.
            const int connection = database.replacements();
            const qint64 version = dataVersion(database);
            merge.readFile();
            merge.planNotes();
            if (!locked) {
                held.start();
                transaction.emplace(database);
                if (database.replacements() != connection || dataVersion(database) != version) {
                    qCInfo(lcStore) << "the notes file changed while" << copyPath << "was read; reading again";
                    transaction.reset();
                    continue;
                }
            }
            merge.write();
            if (options.beforeCommit)
                options.beforeCommit();
            transaction->commit();
            qCInfo(lcStore) << "merging" << copyPath << "held the notes file for" << held.elapsed() << "ms";
            break;
        }
    } catch (const ConflictCopyFile::Refused& refused) {
        result = MergedCopy{};
        result.copyPath = copyPath;
        result.refused = refused.message;
        qCWarning(lcStore) << "conflict copy not merged:" << refused.message;
        return result;
    }
    copy.reset();
    qCInfo(lcStore) << "merged" << copyPath << ":" << result.notesAdded << "notes added," << result.notesUpdated
                    << "changed," << result.categoriesAdded << "categories," << result.remindersAdded << "reminders";
    moveToBackups(copyPath, database, options, result);
    return result;
}

std::vector<MergedCopy> mergeConflictCopies(Database& database, const MergeOptions& options)
{
    std::vector<MergedCopy> merges;
    for (const QString& copy : findConflictCopies(database.path()))
        merges.push_back(mergeConflictCopy(database, copy, options));
    return merges;
}

QString mergeSummary(const std::vector<MergedCopy>& merges)
{
    int notes = 0, categories = 0, reminders = 0;
    for (const MergedCopy& merge : merges) {
        notes += merge.notes();
        categories += merge.categoriesAdded;
        reminders += merge.remindersAdded;
    }
    QStringList parts;
    const auto count = [&parts](int n, const char* text, const char* one) {
        if (n > 0)
            parts << countedText("ConflictMerge", text, one, n);
    };
    count(notes, QT_TRANSLATE_N_NOOP("ConflictMerge", "%n notes"), "%n note");
    count(categories, QT_TRANSLATE_N_NOOP("ConflictMerge", "%n categories"), "%n category");
    count(reminders, QT_TRANSLATE_N_NOOP("ConflictMerge", "%n reminders"), "%n reminder");
    if (parts.isEmpty())
        return {};
    // The status line holds about 35 characters beside the mode.
    if (parts.size() > 1)
        return QCoreApplication::translate("ConflictMerge", "Merged: %1")
            .arg(parts.join(QCoreApplication::translate("ConflictMerge", ", ")));
    return QCoreApplication::translate("ConflictMerge", "%1 merged from another machine").arg(parts.front());
}

} // namespace store
