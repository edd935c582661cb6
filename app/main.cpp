#include "app/MiniForm.h"
#include "app/ToggleServer.h"

#include "platform/DesktopSession.h"
#include "widgets/FontValue.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    const bool platformChosen = platform::DesktopSession::preferX11WhereAvailable();
    QApplication application(argc, argv);
    if (platformChosen)
        platform::DesktopSession::forgetPlatformChoice();
    QApplication::setApplicationName(QStringLiteral("Quibbet"));
    QApplication::setQuitOnLastWindowClosed(false);

    // `quibbet --toggle` hands the request to the running program; with none running it
    // starts the program as usual.
    if (QApplication::arguments().contains(QStringLiteral("--toggle")) && app::ToggleServer::sendToggle())
        return 0;

    QFont font(widgets::FontValue::defaultFace());
    font.setPointSize(8);
    QApplication::setFont(font);

    app::TMiniForm form(QStringLiteral("clipdata.dat"));
    if (!form.FormCreate())
        return 1; // the error has been shown; nothing else would work without the notes file
    app::ToggleServer toggleServer;
    QObject::connect(&toggleServer, &app::ToggleServer::toggleRequested, &form, &app::TMiniForm::showOrHide);
    toggleServer.listen();
    form.show();
    return QApplication::exec();
}
