#include "app/NotesFileLock.h"

#include "app/ToggleServer.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QSysInfo>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace app {

namespace {

// A lock file that another start removes between our open and our lock is not the one the
// path names any more; taking it would let a third start lock a new file beside us.
bool namesSameFile(int fd, const QByteArray& path)
{
    struct stat opened = {};
    struct stat named = {};
    return ::fstat(fd, &opened) == 0 && ::stat(path.constData(), &named) == 0 && opened.st_dev == named.st_dev &&
           opened.st_ino == named.st_ino;
}

constexpr int kAttempts = 20;

} // namespace

NotesFileLock::NotesFileLock(const QString& notesFile)
{
    // Beside the file itself: through a symbolic link, the lock is the target's.
    const QFileInfo notes(ToggleServer::canonicalNotesFile(notesFile));
    m_path = notes.absolutePath() + QStringLiteral("/.") + notes.fileName() + QStringLiteral(".lock");
}

NotesFileLock::~NotesFileLock()
{
    if (m_fd < 0)
        return;
    // Removed while still held: a start that opened it meanwhile finds it gone and makes a new one.
    const QByteArray path = QFile::encodeName(m_path);
    if (m_writable && namesSameFile(m_fd, path))
        ::unlink(path.constData());
    ::close(m_fd);
}

NotesFileLock::Outcome NotesFileLock::tryLock()
{
    if (m_fd >= 0)
        return Outcome::Taken;
    const QByteArray path = QFile::encodeName(m_path);
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        // Not handed on to programs started from this one (a browser showing the help), which
        // would hold the file after Quibbet ended.
        bool writable = true;
        int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
        if (fd < 0 && (errno == EACCES || errno == EROFS || errno == EPERM)) {
            // A folder the user may not write to: a lock file made before still locks.
            writable = false;
            fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
        }
        if (fd < 0) {
            m_error = QString::fromLocal8Bit(std::strerror(errno));
            return Outcome::Unavailable;
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int error = errno;
            ::close(fd);
            if (error == EWOULDBLOCK)
                return Outcome::HeldElsewhere;
            m_error = QString::fromLocal8Bit(std::strerror(error));
            return Outcome::Unavailable;
        }
        if (!namesSameFile(fd, path)) {
            ::close(fd); // the holder before us removed it as it ended: lock the one there now
            continue;
        }
        m_fd = fd;
        m_writable = writable;
        return Outcome::Taken;
    }
    m_error = QStringLiteral("the lock file keeps being replaced");
    return Outcome::Unavailable;
}

void NotesFileLock::write(const QByteArray& text)
{
    if (m_fd < 0 || !m_writable)
        return;
    // Small enough to land in one piece; a reader that comes in between sees it incomplete
    // and looks again.
    if (::ftruncate(m_fd, 0) != 0 || ::pwrite(m_fd, text.constData(), size_t(text.size()), 0) != text.size())
        m_writable = false;
}

void NotesFileLock::describe(const QString& desktop)
{
    write(QStringLiteral("%1\n%2\n%3\n").arg(::getpid()).arg(QSysInfo::machineHostName(), desktop).toUtf8());
}

void NotesFileLock::describe(const QString& desktop, const QString& socket)
{
    write(
        QStringLiteral("%1\n%2\n%3\n%4\n").arg(::getpid()).arg(QSysInfo::machineHostName(), desktop, socket).toUtf8());
}

NotesFileLock::Holder NotesFileLock::holder() const
{
    Holder holder;
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return holder;
    const QByteArray text = file.read(8192);
    if (!text.endsWith('\n'))
        return holder;
    const QStringList lines = QString::fromUtf8(text.chopped(1)).split(QLatin1Char('\n'));
    bool isNumber = false;
    holder.pid = lines.front().toLongLong(&isNumber);
    if (!isNumber || lines.size() < 3 || lines.size() > 4)
        return Holder{};
    holder.host = lines[1];
    // A lock file its holder could not write (a read-only folder) still tells of one that ended.
    if (holder.host == QSysInfo::machineHostName() && ::kill(pid_t(holder.pid), 0) != 0 && errno == ESRCH)
        return Holder{};
    holder.desktop = lines[2];
    holder.described = true;
    if (lines.size() == 4) {
        holder.socket = lines[3];
        holder.complete = true;
    }
    return holder;
}

} // namespace app
