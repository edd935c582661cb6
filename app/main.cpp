#include "app/Accessibility.h"
#include "app/CommandLine.h"
#include "app/MiniForm.h"
#include "app/NoteCommands.h"
#include "app/NotesFileLock.h"
#include "app/QuitSignals.h"
#include "app/SingleStart.h"
#include "app/ToggleServer.h"
#include "app/ToolkitStartGuard.h"
#include "app/Translations.h"

#include "platform/DesktopSession.h"
#include "widgets/FontValue.h"
#include "widgets/Mirroring.h"

#include <QApplication>
#include <csignal>
#include <cstdio>
#include <functional>
#include <memory>

namespace {

// 0 when the whole text reached the stream; a full disk or a closed pipe is a failure.
int writeAll(const QString& text, std::FILE* stream)
{
    const bool written = std::fputs(text.toLocal8Bit().constData(), stream) >= 0;
    return written && std::fflush(stream) == 0 ? 0 : 1;
}

// What the command line answers without a window, in the desktop's language: a program that
// ends here needs no more of the toolkit than its core and the translations.
int answerWithoutWindow(int argc, char* argv[], const std::function<int()>& answer)
{
    QCoreApplication core(argc, argv);
    app::installTranslations();
    const int code = answer();
    app::removeTranslations();
    return code;
}

} // namespace

int main(int argc, char* argv[])
{
    const app::CommandLine commandLine = app::parseCommandLine(app::argumentsOf(argc, argv));
    switch (commandLine.request) {
    case app::CommandLine::Request::Help:
        return answerWithoutWindow(argc, argv, [] { return writeAll(app::usageText(), stdout); });
    case app::CommandLine::Request::Version:
        return writeAll(app::versionText(), stdout);
    case app::CommandLine::Request::Refuse:
        return answerWithoutWindow(argc, argv, [argc, argv] {
            // Read again, now in the user's language.
            writeAll(app::parseCommandLine(app::argumentsOf(argc, argv)).refusal + QLatin1Char('\n'), stderr);
            return 2;
        });
    case app::CommandLine::Request::Notes:
        // Scripts and launchers: no display, no window, and not the window's lock, so they
        // work beside a running Quibbet as any other writer of the file does.
        return answerWithoutWindow(argc, argv, [argc, argv, &commandLine] {
            if (const QString garbled = app::undecodableArgument(argc, argv); !garbled.isEmpty()) {
                app::writeErrorLine(stderr, garbled);
                return 2;
            }
            return app::runNoteCommand(commandLine.notes, QStringLiteral("clipdata.dat"));
        });
    case app::CommandLine::Request::Run:
    case app::CommandLine::Request::Toggle:
        break;
    }

    // A display server that hangs up while the toolkit writes to it would end the program
    // by the pipe signal, before the toolkit could say what went wrong; the window writes to
    // no pipe whose reader's going should end it.
    std::signal(SIGPIPE, SIG_IGN);

    // A missing file is made only once the toolkit has started: one that cannot start (no
    // display) leaves nothing behind.
    const QString notesFile = QStringLiteral("clipdata.dat");

    const bool platformChosen =
        platform::DesktopSession::preferX11WhereAvailable(commandLine.platform, commandLine.display);
    // Without a display the toolkit would abort the program, core and all, with a message
    // about reinstalling it: say what is missing instead.
    if (const QString missing = platform::DesktopSession::missingDisplay(commandLine.platform, commandLine.display);
        !missing.isEmpty()) {
        return answerWithoutWindow(argc, argv, [&commandLine] {
            writeAll(platform::DesktopSession::missingDisplay(commandLine.platform, commandLine.display) +
                         QLatin1Char('\n'),
                     stderr);
            return 1;
        });
    }
    const QString desktop = platform::DesktopSession::desktopName(commandLine.display);

    std::unique_ptr<QApplication> application;
    {
        const app::ToolkitStartGuard guard([&commandLine] {
            return platform::DesktopSession::displayFailed(commandLine.platform, commandLine.display);
        });
        application = std::make_unique<QApplication>(argc, argv);
    }
    if (platformChosen)
        platform::DesktopSession::forgetPlatformChoice();
    QApplication::setApplicationName(QStringLiteral("Quibbet"));
    QApplication::setDesktopFileName(QStringLiteral(QUIBBET_APP_ID));
    QApplication::setQuitOnLastWindowClosed(false);
    // Before anything is said or shown: texts already made keep the language they were made in.
    app::installTranslations();
    // Under a right-to-left language every window shows mirrored, placed widgets and all.
    application->installEventFilter(new widgets::PlacedWidgetsMirror(application.get()));

    // One Quibbet for each notes file, whatever path, runtime folder or display it was started
    // with: a second start brings the first to the front and ends before it opens the file, and
    // `quibbet --toggle` hands the toggle over (with none running it starts one as usual). Two
    // Quibbets on one file would each show every reminder, and each keep a tab set the other
    // may have changed.
    app::NotesFileLock lock(notesFile);
    app::ToggleServer toggleServer;
    app::StartRequest request;
    request.toggle = commandLine.request == app::CommandLine::Request::Toggle;
    request.desktop = desktop;
    request.serverName = app::ToggleServer::serverName(desktop, notesFile);
    request.shownFile = app::ToggleServer::canonicalNotesFile(notesFile);
    const app::StartDecision decision = app::startOrHandOver(lock, toggleServer, request);
    if (!decision.run) {
        if (!decision.line.isEmpty())
            writeAll(decision.line + QLatin1Char('\n'), stderr);
        return decision.exitCode;
    }
    if (!toggleServer.isListening())
        writeAll(QStringLiteral("quibbet: ") +
                     QCoreApplication::translate("main", "--toggle and a second start cannot reach this Quibbet") +
                     QLatin1Char('\n'),
                 stderr);

    QFont font(widgets::FontValue::defaultFace());
    font.setPointSize(8);
    QApplication::setFont(font);
    app::installAccessibleInterfaces();

    app::QuitSignals quitSignals;
    app::TMiniForm form(notesFile);
    if (!form.FormCreate())
        return 1; // the error has been shown; nothing else would work without the notes file
    app::WindowBehaviour& behaviour = form.windowBehaviour();
    QObject::connect(&toggleServer, &app::ToggleServer::toggleRequested, &behaviour, &app::WindowBehaviour::showOrHide);
    QObject::connect(&toggleServer, &app::ToggleServer::showRequested, &behaviour, &app::WindowBehaviour::bringToFront);
    behaviour.setToggleAnswered(toggleServer.isListening());
    form.show();
    return QApplication::exec();
}
