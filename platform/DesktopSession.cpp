#include "platform/DesktopSession.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QStringList>
#include <QtGlobal>
#include <algorithm>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <xcb/xcb.h>

namespace platform {

namespace {

QString x11SocketFolder()
{
    return QStringLiteral("/tmp/.X11-unix");
}

// An X display's name as every way of writing it gives it: host:number.screen, without the
// screen (one of the display's) and with "unix" (the local host) left out.
QString x11DisplayKey(const QString& name)
{
    const qsizetype colon = name.lastIndexOf(QLatin1Char(':'));
    if (colon < 0)
        return name;
    QString host = name.left(colon);
    if (host == QLatin1String("unix"))
        host.clear();
    return host + QLatin1Char(':') + name.mid(colon + 1).section(QLatin1Char('.'), 0, 0);
}

// The X display the toolkit would open: the one given with -display, else $DISPLAY.
QString x11DisplayName(const QString& displayArgument)
{
    return displayArgument.isEmpty() ? qEnvironmentVariable("DISPLAY") : displayArgument;
}

// The X library writes a server's refusal (another user's server: "Authorization required")
// straight to standard error; the program says itself, in its one line, that the display does
// not answer.
class QuietStandardError {
public:
    QuietStandardError() : m_saved(::dup(STDERR_FILENO))
    {
        const int null = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
        if (null >= 0) {
            ::dup2(null, STDERR_FILENO);
            ::close(null);
        }
    }
    ~QuietStandardError()
    {
        if (m_saved < 0)
            return;
        ::dup2(m_saved, STDERR_FILENO);
        ::close(m_saved);
    }
    QuietStandardError(const QuietStandardError&) = delete;
    QuietStandardError& operator=(const QuietStandardError&) = delete;

private:
    int m_saved;
};

bool x11Answers(const QString& displayArgument)
{
    const QString name = x11DisplayName(displayArgument);
    if (name.isEmpty())
        return false;
    const QuietStandardError quiet;
    xcb_connection_t* connection = xcb_connect(name.toLocal8Bit().constData(), nullptr);
    const bool answers = !xcb_connection_has_error(connection);
    xcb_disconnect(connection);
    return answers;
}

// Whether a program listens on the local socket at `path`.
bool socketAnswers(const QString& path)
{
    const QByteArray bytes = QFile::encodeName(path);
    sockaddr_un address{};
    if (bytes.isEmpty() || std::size_t(bytes.size()) >= sizeof(address.sun_path))
        return false;
    address.sun_family = AF_UNIX;
    std::copy(bytes.begin(), bytes.end(), address.sun_path);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    const bool answers = ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0;
    ::close(fd);
    return answers;
}

// The Wayland display the toolkit would open: $WAYLAND_DISPLAY, by default wayland-0, in
// the runtime folder unless it is a path of its own.
QString waylandSocketPath()
{
    const QString name = qEnvironmentVariable("WAYLAND_DISPLAY", QStringLiteral("wayland-0"));
    if (QDir::isAbsolutePath(name))
        return name;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return runtime.isEmpty() ? QString() : QDir(runtime).filePath(name);
}

bool waylandAnswers()
{
    return !qEnvironmentVariableIsEmpty("WAYLAND_SOCKET") || socketAnswers(waylandSocketPath());
}

// The first X server, by display number, whose local socket answers, other than `tried`. Only
// the user's own: another user's server (a greeter's, someone else's session) is none of
// theirs to name.
QString answeringX11Display(const QString& tried)
{
    QList<int> numbers;
    const QStringList names = QDir(x11SocketFolder()).entryList({QStringLiteral("X*")}, QDir::System);
    for (const QString& name : names) {
        bool isNumber = false;
        const int number = name.mid(1).toInt(&isNumber);
        if (isNumber)
            numbers.append(number);
    }
    std::sort(numbers.begin(), numbers.end());
    for (const int number : numbers) {
        const QString display = QStringLiteral(":%1").arg(number);
        const QString socket = x11SocketFolder() + QStringLiteral("/X%1").arg(number);
        if (display != x11DisplayKey(tried) && QFileInfo(socket).ownerId() == ::getuid() && socketAnswers(socket))
            return display;
    }
    return {};
}

// The first Wayland compositor in the runtime folder whose socket answers, other than `tried`.
QString answeringWaylandDisplay(const QString& tried)
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (runtime.isEmpty())
        return {};
    const QStringList names = QDir(runtime).entryList({QStringLiteral("wayland-*")}, QDir::System, QDir::Name);
    for (const QString& name : names) {
        const QString path = QDir(runtime).filePath(name);
        if (path != tried && !name.endsWith(QLatin1String(".lock")) && socketAnswers(path))
            return name;
    }
    return {};
}

// The platforms the toolkit will try, in its order: those chosen on the command line or in
// QT_QPA_PLATFORM, or the toolkit's own default (X11, or Wayland where the session says so,
// except on GNOME, where the toolkit keeps X11).
QStringList platformsToTry(const QString& platformArgument)
{
    const QString chosen = !platformArgument.isEmpty() ? platformArgument : qEnvironmentVariable("QT_QPA_PLATFORM");
    if (chosen.isEmpty()) {
        const bool gnome =
            qEnvironmentVariable("XDG_CURRENT_DESKTOP").contains(QLatin1String("gnome"), Qt::CaseInsensitive) ||
            qEnvironmentVariable("XDG_SESSION_DESKTOP").contains(QLatin1String("gnome"), Qt::CaseInsensitive);
        const bool wayland = qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland") && !gnome;
        return {wayland ? QStringLiteral("wayland") : QStringLiteral("xcb")};
    }
    QStringList platforms;
    for (const QString& part : chosen.split(QLatin1Char(';'), Qt::SkipEmptyParts))
        platforms.append(part.section(QLatin1Char(':'), 0, 0).trimmed()); // options follow a colon
    return platforms;
}

} // namespace

bool DesktopSession::isWaylandSession()
{
    return qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

bool DesktopSession::preferX11WhereAvailable(const QString& platformArgument, const QString& displayArgument)
{
    if (!isWaylandSession() || !platformArgument.isEmpty() || qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        return false;
    if (x11Answers(displayArgument))
        qputenv("QT_QPA_PLATFORM", "xcb");
    else if (waylandAnswers())
        qputenv("QT_QPA_PLATFORM", "wayland"); // the toolkit would try X11 first where the session type is unset
    else
        return false;
    return true;
}

void DesktopSession::forgetPlatformChoice()
{
    qunsetenv("QT_QPA_PLATFORM");
}

QString DesktopSession::missingDisplay(const QString& platformArgument, const QString& displayArgument)
{
    const bool automatic = platformArgument.isEmpty() && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
    bool wantsX11 = false;
    bool wantsWayland = false;
    for (const QString& name : platformsToTry(platformArgument)) {
        if (name == QLatin1String("xcb"))
            wantsX11 = true;
        else if (name.startsWith(QLatin1String("wayland")))
            wantsWayland = true;
        else
            return {}; // offscreen, vnc and the like: the toolkit's own business
    }
    if ((wantsX11 && x11Answers(displayArgument)) || (wantsWayland && waylandAnswers()))
        return {};

    // Why none was found.
    const QString x11Display = x11DisplayName(displayArgument);
    const bool waylandNamed = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    const bool x11Considered = wantsX11 || automatic;
    const bool waylandConsidered = wantsWayland || automatic;
    QStringList why;
    if (x11Considered && waylandConsidered && x11Display.isEmpty() && !waylandNamed) {
        why.append(QCoreApplication::translate("DesktopSession", "DISPLAY and WAYLAND_DISPLAY are not set"));
    } else {
        if (x11Considered && (wantsX11 || !x11Display.isEmpty()))
            why.append(x11Display.isEmpty()
                           ? QCoreApplication::translate("DesktopSession", "DISPLAY is not set")
                           : QCoreApplication::translate("DesktopSession", "the X display '%1' does not answer")
                                 .arg(x11Display));
        if (waylandConsidered && (wantsWayland || waylandNamed))
            why.append(waylandSocketPath().isEmpty()
                           ? QCoreApplication::translate("DesktopSession", "XDG_RUNTIME_DIR is not set")
                           : QCoreApplication::translate("DesktopSession", "no Wayland compositor answers at %1")
                                 .arg(waylandSocketPath()));
    }
    QString line = (QStringLiteral("quibbet: ") +
                    QCoreApplication::translate("DesktopSession",
                                                "Quibbet needs a graphical desktop, and no display was found (%1)"))
                       .arg(why.join(QCoreApplication::translate("DesktopSession", ", ")));

    // Where one seems to be there, how to reach it.
    QStringList tries;
    if (x11Considered) {
        const QString display = answeringX11Display(x11Display);
        if (!display.isEmpty())
            tries.append(QStringLiteral("DISPLAY=%1").arg(display));
    }
    if (waylandConsidered) {
        const QString display = answeringWaylandDisplay(waylandSocketPath());
        if (!display.isEmpty())
            tries.append(QStringLiteral("WAYLAND_DISPLAY=%1").arg(display));
    }
    if (!tries.isEmpty())
        line += QCoreApplication::translate("DesktopSession", "; try %1")
                    .arg(tries.join(QCoreApplication::translate("DesktopSession", " or ")));
    return line;
}

QString DesktopSession::displayFailed(const QString& platformArgument, const QString& displayArgument)
{
    const QString missing = missingDisplay(platformArgument, displayArgument);
    if (!missing.isEmpty())
        return missing;
    QStringList displays;
    for (const QString& name : platformsToTry(platformArgument)) {
        if (name == QLatin1String("xcb"))
            displays.append(QCoreApplication::translate("DesktopSession", "the X display '%1'")
                                .arg(x11DisplayName(displayArgument)));
        else if (name.startsWith(QLatin1String("wayland")))
            displays.append(
                QCoreApplication::translate("DesktopSession", "the Wayland display at %1").arg(waylandSocketPath()));
        else
            return {};
    }
    // It answers now: it was starting, or went and came back.
    return (QStringLiteral("quibbet: ") +
            QCoreApplication::translate("DesktopSession",
                                        "Quibbet needs a graphical desktop, and %1 did not let it open its window"))
        .arg(displays.join(QCoreApplication::translate("DesktopSession", " or ")));
}

QString DesktopSession::desktopName(const QString& displayArgument)
{
    if (!displayArgument.isEmpty())
        return x11DisplayKey(displayArgument);
    const QString wayland = qEnvironmentVariable("WAYLAND_DISPLAY");
    return wayland.isEmpty() ? x11DisplayKey(qEnvironmentVariable("DISPLAY")) : wayland;
}

bool DesktopSession::programPlacesWindows()
{
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

bool DesktopSession::programCanRestoreMinimised()
{
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

} // namespace platform
