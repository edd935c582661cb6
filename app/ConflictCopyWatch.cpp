#include "app/ConflictCopyWatch.h"

#include "store/ConflictCopies.h"
#include "store/ConflictMerge.h"
#include "store/Database.h"

#include <QDateTime>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QLoggingCategory>
#include <QTimer>

Q_DECLARE_LOGGING_CATEGORY(lcApp)

namespace app {

ConflictCopyWatch::ConflictCopyWatch(const QString& notesPath, const QString& backupFolder, QObject* parent)
    : QObject(parent), m_notesPath(notesPath), m_backupFolder(backupFolder)
{
}

ConflictCopyWatch::~ConflictCopyWatch()
{
    // A merge is one transaction: waited for, it either came in whole or not at all.
    if (m_merge.joinable())
        m_merge.join();
}

// A copy is known by its path, size and time: one left where it is (damaged, not a notes
// file) is not tried again at every write of the notes file, only once it changed.
static QString signatureOf(const QString& path)
{
    const QFileInfo info(path);
    return QStringLiteral("%1|%2|%3").arg(path).arg(info.size()).arg(info.lastModified().toMSecsSinceEpoch());
}

void ConflictCopyWatch::lookForCopies()
{
    if (m_merging) {
        m_lookAgain = true;
        return;
    }
    // The look for copies reads the folder's names; the merge runs only for a copy not tried.
    QStringList copies;
    for (const QString& copy : store::findConflictCopies(m_notesPath))
        if (!m_tried.contains(signatureOf(copy)))
            copies << copy;
    if (copies.isEmpty())
        return;
    if (m_merge.joinable())
        m_merge.join();
    m_merging = true;
    m_merge = std::thread([this, copies] {
        std::vector<store::MergedCopy> merges;
        QStringList tried;
        QStringList refused;
        try {
            store::Database database(m_notesPath);
            store::MergeOptions options;
            options.backupFolder = m_backupFolder;
            for (const QString& copy : copies) {
                const QString signature = signatureOf(copy);
                merges.push_back(store::mergeConflictCopy(database, copy, options));
                tried << signature;
                const store::MergedCopy& merge = merges.back();
                if (!merge.merged()) {
                    qCWarning(lcApp).noquote() << "conflict copy" << copy << "left as it is:" << merge.refused;
                    refused << copy;
                } else if (!merge.notMoved.isEmpty())
                    qCWarning(lcApp).noquote() << "merged conflict copy" << copy << "not moved:" << merge.notMoved;
            }
        } catch (const store::StoreError& error) {
            // The notes file could not take it now (busy, full, read-only): the copy stays and
            // is tried again at the next change of the folder or the next start.
            qCWarning(lcApp).noquote() << "conflict copies not merged yet:" << error.message();
        }
        const QString summary = store::mergeSummary(merges);
        QMetaObject::invokeMethod(
            this, [this, summary, tried, refused] { mergeEnded(summary, tried, refused); }, Qt::QueuedConnection);
    });
}

void ConflictCopyWatch::mergeEnded(const QString& summary, const QStringList& tried, const QStringList& refused)
{
    m_merging = false;
    for (const QString& signature : tried)
        m_tried.insert(signature);
    watchRefused(refused);
    emit merged(summary);
    if (std::exchange(m_lookAgain, false))
        lookForCopies();
}

void ConflictCopyWatch::watchRefused(const QStringList& refused)
{
    if (refused.isEmpty())
        return;
    if (!m_refused) {
        m_refused = new QFileSystemWatcher(this);
        m_settle = new QTimer(this);
        m_settle->setSingleShot(true);
        m_settle->setInterval(kSettleMs);
        connect(m_settle, &QTimer::timeout, this, &ConflictCopyWatch::lookForCopies);
        connect(m_refused, &QFileSystemWatcher::fileChanged, m_settle, qOverload<>(&QTimer::start));
    }
    m_refused->addPaths(refused);
}

} // namespace app
