#pragma once

#include <QString>

namespace app {

// Holds the one Quibbet of a notes file: an advisory lock (flock) on a lock file beside it,
// `.clipdata.dat.lock`, kept for the whole run. The lock is the file's, not a path's: a bind
// mount or a symbolic link of the folder, another runtime folder or another display reaches
// the same lock, and of two starts at the same moment exactly one takes it. The lock file
// also tells a later start where the holder runs (process, display, the socket that answers
// --toggle), and goes when the holder ends.
class NotesFileLock {
public:
    explicit NotesFileLock(const QString& notesFile);
    ~NotesFileLock();
    NotesFileLock(const NotesFileLock&) = delete;
    NotesFileLock& operator=(const NotesFileLock&) = delete;

    enum class Outcome {
        Taken,         // this program is the one for the file
        HeldElsewhere, // another program holds it
        Unavailable,   // no lock file can be made or locked (a read-only folder): see error()
    };
    Outcome tryLock();
    bool isHeld() const { return m_fd >= 0; }
    const QString& path() const { return m_path; }
    const QString& error() const { return m_error; }

    // What the holder wrote about itself; `complete` once it knows whether it answers --toggle
    // (its socket, empty when it does not answer).
    struct Holder {
        qint64 pid = 0;
        QString host;
        QString desktop;
        QString socket;
        bool described = false; // pid, host and desktop are known
        bool complete = false;  // and the socket too
    };
    Holder holder() const;
    // Written by the holder: first its desktop, then, once it answers (or cannot), its socket.
    void describe(const QString& desktop);
    void describe(const QString& desktop, const QString& socket);

private:
    void write(const QByteArray& text);

    QString m_path;
    QString m_error;
    int m_fd = -1;
    bool m_writable = false;
};

} // namespace app
