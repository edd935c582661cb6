#include "app/CommandLine.h"

namespace app {

namespace {

bool isSessionOption(const QString& argument)
{
    return argument == QLatin1String("-session") || argument == QLatin1String("--session");
}

CommandLine refuse(const QString& why)
{
    return {CommandLine::Request::Refuse, QStringLiteral("quibbet: %1; try 'quibbet --help'").arg(why)};
}

} // namespace

CommandLine parseCommandLine(const QStringList& arguments)
{
    bool help = false;
    bool version = false;
    bool toggle = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--help"))
            help = true;
        else if (argument == QLatin1String("--version"))
            version = true;
        else if (argument == QLatin1String("--toggle"))
            toggle = true;
        else if (isSessionOption(argument)) {
            // A desktop that restores the last session restarts its programs with this pair;
            // the toolkit takes it, and refusing it would leave Quibbet out of the session.
            if (++i == arguments.size())
                return refuse(QStringLiteral("'%1' needs a session name").arg(argument));
        } else
            return refuse(QStringLiteral("unknown argument '%1'").arg(argument));
    }
    if (help)
        return {CommandLine::Request::Help, {}};
    if (version)
        return {CommandLine::Request::Version, {}};
    if (toggle)
        return {CommandLine::Request::Toggle, {}};
    return {};
}

QStringList argumentsOf(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

QString usageText()
{
    return QStringLiteral("Usage: quibbet [--toggle | --help | --version]\n"
                          "A small notes keeper. Quibbet keeps its notes in the file clipdata.dat in the folder it\n"
                          "starts in; started from the desktop's menu, that is your home folder.\n"
                          "\n"
                          "  --toggle   show or hide the Quibbet already running on this desktop, as F9 does;\n"
                          "             start it when none is running\n"
                          "  --help     show this help and exit\n"
                          "  --version  show the version and exit\n");
}

QString versionText()
{
    return QStringLiteral("Quibbet " QUIBBET_VERSION "\n");
}

} // namespace app
