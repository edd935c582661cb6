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

    const bool platformChosen = platform::DesktopSession::preferX11WhereAvailable();
    QApplication application(argc, argv);
    if (platformChosen)
        platform::DesktopSession::forgetPlatformChoice();
    QApplication::setApplicationName(QStringLiteral("Quibbet"));
    QApplication::setDesktopFileName(QStringLiteral(QUIBBET_APP_ID));
    QApplication::setQuitOnLastWindowClosed(false);

    // `quibbet --toggle` hands the request to the running program; with none running it
    // starts the program as usual.
    if (commandLine.request == app::CommandLine::Request::Toggle) {
        if (app::ToggleServer::sendToggle())
            return 0;
    }

    QFont font(widgets::FontValue::defaultFace());
    font.setPointSize(8);
    QApplication::setFont(font);
    app::installAccessibleInterfaces();

    app::QuitSignals quitSignals;
    app::TMiniForm form(notesFile);
    if (!form.FormCreate())
        return 1; // the error has been shown; nothing else would work without the notes file
    app::ToggleServer toggleServer;
    QObject::connect(&toggleServer, &app::ToggleServer::toggleRequested, &form, &app::TMiniForm::showOrHide);
    if (toggleServer.listen() == app::ToggleServer::Listening::AnotherAnswers)
        writeAll(QStringLiteral("quibbet: another Quibbet already answers --toggle on this desktop; this one runs "
                                "without it\n"),
                 stderr);
    form.setToggleAnswered(toggleServer.isListening());
    form.show();
    return QApplication::exec();
}
