#pragma once

#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>
#include <atomic>
#include <thread>

class QFileSystemWatcher;
class QTimer;

namespace app {

// Takes in the conflict copies a file sync engine leaves beside the notes file (two machines
// changed the notes before one had the other's change), whenever it is asked to look: at
// start, and each time the folder settles after a change. The merge runs on a thread of its own, on a connection of
// its own, so the window never waits for it; the window takes its result up as it takes up
// any other program's writes, and says once what came in.
class ConflictCopyWatch : public QObject {
    Q_OBJECT
public:
    ConflictCopyWatch(const QString& notesPath, const QString& backupFolder, QObject* parent = nullptr);
    ~ConflictCopyWatch() override;

    // Looks for copies not tried yet and merges them; a look asked for during a merge
    // follows it.
    void lookForCopies();

signals:
    // A merge ended: `summary` says what came in ("3 notes merged from another machine"), or
    // why a copy was left where it is; empty when nothing came in.
    void merged(const QString& summary);

private:
    void mergeEnded(const QString& summary, const QStringList& tried, const QStringList& refused);
    void watchRefused(const QStringList& refused);

    QString m_notesPath;
    QString m_backupFolder;
    std::thread m_merge;
    std::atomic<bool> m_merging = false;
    bool m_lookAgain = false; // the folder changed while a merge ran
    QSet<QString> m_tried;    // copies merged or left as they are, as they were then
    // A copy left as it is (caught half-written, say) is looked at again once it has changed
    // and then stayed still a moment: written in place, it changes no name in the folder.
    static constexpr int kSettleMs = 300;
    QFileSystemWatcher* m_refused = nullptr;
    QTimer* m_settle = nullptr;
};

} // namespace app
