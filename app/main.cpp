#include "app/Accessibility.h"
#include "app/CommandLine.h"
#include "app/MiniForm.h"
#include "app/QuitSignals.h"
#include "app/ToggleServer.h"

#include "platform/DesktopSession.h"
#include "widgets/FontValue.h"

#include <QApplication>
#include <cstdio>

namespace {

// 0 when the whole text reached the stream; a full disk or a closed pipe is a failure.
int writeAll(const QString& text, std::FILE* stream)
{
    const bool written = std::fputs(text.toLocal8Bit().constData(), stream) >= 0;
    return written && std::fflush(stream) == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[])
{
    const app::CommandLine commandLine = app::parseCommandLine(app::argumentsOf(argc, argv));
    switch (commandLine.request) {
    case app::CommandLine::Request::Help:
        return writeAll(app::usageText(), stdout);
    case app::CommandLine::Request::Version:
        return writeAll(app::versionText(), stdout);
    case app::CommandLine::Request::Refuse:
        writeAll(commandLine.refusal + QLatin1Char('\n'), stderr);
        return 2;
    case app::CommandLine::Request::Run:
    case app::CommandLine::Request::Toggle:
        break;
    }

    // A missing file is made only once the toolkit has started: one that cannot start (no
    // display) leaves nothing behind.
    const QString notesFile = QStringLiteral("clipdata.dat");

    const bool platformChosen =
        platform::DesktopSession::preferX11WhereAvailable(commandLine.platform, commandLine.display);
    // Without a display the toolkit would abort the program, core and all, with a message
    // about reinstalling it: say what is missing instead.
    if (const QString missing = platform::DesktopSession::missingDisplay(commandLine.platform, commandLine.display);
        !missing.isEmpty()) {
        writeAll(missing + QLatin1Char('\n'), stderr);
        return 1;
    }
    const QString serverName =
        app::ToggleServer::serverName(platform::DesktopSession::desktopName(commandLine.display), notesFile);

    QApplication application(argc, argv);
    if (platformChosen)
        platform::DesktopSession::forgetPlatformChoice();
    QApplication::setApplicationName(QStringLiteral("Quibbet"));
    QApplication::setDesktopFileName(QStringLiteral(QUIBBET_APP_ID));
    QApplication::setQuitOnLastWindowClosed(false);

    // `quibbet --toggle` hands the request to the Quibbet of this folder's notes file; with
    // none running it starts one as usual.
    if (commandLine.request == app::CommandLine::Request::Toggle &&
        app::ToggleServer::send(app::ToggleServer::Request::Toggle, serverName))
        return 0;

    // One Quibbet for each notes file: a second start brings the first to the front and ends
    // before it opens the file. (Two Quibbets on one file would each show every reminder,
    // and each keep a tab set the other may have changed.)
    app::ToggleServer toggleServer;
    app::ToggleServer::Listening listening = toggleServer.listen(serverName);
    for (int tries = 0; listening == app::ToggleServer::Listening::AnotherAnswers && tries < 2; ++tries) {
        if (app::ToggleServer::send(app::ToggleServer::Request::Show, serverName)) {
            return writeAll(QStringLiteral("quibbet: Quibbet already runs on %1 and has been brought to the front\n")
                                .arg(app::ToggleServer::canonicalNotesFile(notesFile)),
                            stdout);
        }
        listening = toggleServer.listen(serverName); // it was ending
    }
    if (!toggleServer.isListening())
        writeAll(QStringLiteral("quibbet: --toggle and a second start cannot reach this Quibbet\n"), stderr);

    QFont font(widgets::FontValue::defaultFace());
    font.setPointSize(8);
    QApplication::setFont(font);
    app::installAccessibleInterfaces();

    app::QuitSignals quitSignals;
    app::TMiniForm form(notesFile);
    if (!form.FormCreate())
        return 1; // the error has been shown; nothing else would work without the notes file
    QObject::connect(&toggleServer, &app::ToggleServer::toggleRequested, &form, &app::TMiniForm::showOrHide);
    QObject::connect(&toggleServer, &app::ToggleServer::showRequested, &form, &app::TMiniForm::bringToFront);
    form.setToggleAnswered(toggleServer.isListening());
    form.show();
    return QApplication::exec();
}
