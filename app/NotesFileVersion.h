#pragma once

#include <QObject>
#include <optional>

namespace store {
class Database;
}

namespace app {

// Whether another process (a second Quibbet in the same folder, a script) has written to the
// notes file since the program last looked. The engine counts such writes for the
// connection at no cost; the program's own writes do not count.
class NotesFileVersion : public QObject {
    Q_OBJECT
public:
    NotesFileVersion(store::Database& database, QObject* parent = nullptr);

    // Takes the present state of the file as read.
    void markRead();
    // True when another process has written since markRead(), or put another file in its
    // place; the state stays unread until the next markRead(). False while the connection is
    // not open.
    bool changedSinceRead() const;
    // changedSinceRead(), and the state as read from then on, from one look at the file: a
    // write that another process commits while the caller reads what changed is seen next time.
    bool takeChange();

private:
    std::optional<qint64> current() const;

    store::Database& m_database;
    std::optional<qint64> m_read;
    int m_readReplacements = 0; // the count of the file's replacements followed when read
};

} // namespace app
