#pragma once

#include <QObject>
#include <QString>

class QFileSystemWatcher;
class QTimer;

namespace app {

// Tells when the folder of the notes file has changed and then stayed still a moment: another
// program wrote the file, put a new one in its place (as a sync engine does) or left a copy
// beside it. Each write of the notes file changes the folder twice (its journal comes and
// goes), and an engine writes a file a while: one signal after the burst.
class NotesFolderWatch : public QObject {
    Q_OBJECT
public:
    explicit NotesFolderWatch(const QString& notesPath, QObject* parent = nullptr);

signals:
    void settled();

private:
    static constexpr int kSettleMs = 300;
    QFileSystemWatcher* m_watcher;
    QTimer* m_settle;
};

} // namespace app
