#include "app/CommandLine.h"

#include <QCoreApplication>
#include <array>

namespace app {

namespace {

// The toolkit's own options, which it reads and removes from the command line when it starts.
// It takes them with one dash or two. Those in the first list take a value, as the next
// argument or after '='.
constexpr std::array kToolkitOptionsWithValue = {
    "platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry", "qwindowicon",
    "qwindowtitle", "session", "display", "geometry", "name", "title", "style", "stylesheet", "qmljsdebugger",
};
constexpr std::array kToolkitFlags = {"reverse", "widgetcount", "nograb", "dograb", "sync", "testability"};

// The option's name without its dashes and value, or empty when it is no option.
QString optionName(const QString& argument, bool& hasInlineValue)
{
    QString name = argument;
    if (name.startsWith(QLatin1String("--")))
        name.remove(0, 2);
    else if (name.startsWith(QLatin1Char('-')))
        name.remove(0, 1);
    else
        return {};
    const qsizetype equals = name.indexOf(QLatin1Char('='));
    hasInlineValue = equals >= 0;
    return hasInlineValue ? name.left(equals) : name;
}

template <std::size_t N>
bool listed(const std::array<const char*, N>& names, const QString& name)
{
    for (const char* known : names) {
        if (name == QLatin1String(known))
            return true;
    }
    return false;
}

CommandLine refuse(const QString& why)
{
    CommandLine line;
    line.request = CommandLine::Request::Refuse;
    line.refusal =
        QStringLiteral("quibbet: ") + QCoreApplication::translate("CommandLine", "%1; try 'quibbet --help'").arg(why);
    return line;
}

} // namespace

CommandLine parseCommandLine(const QStringList& arguments)
{
    CommandLine line;
    bool help = false;
    bool version = false;
    bool toggle = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        bool hasInlineValue = false;
        const QString name = optionName(argument, hasInlineValue);
        if (argument == QLatin1String("--help"))
            help = true;
        else if (argument == QLatin1String("--version"))
            version = true;
        else if (argument == QLatin1String("--toggle"))
            toggle = true;
        else if (listed(kToolkitOptionsWithValue, name)) {
            // Left in place for the toolkit. A desktop that restores the last session
            // restarts its programs with -session NAME: refusing it would leave Quibbet out.
            if (!hasInlineValue && ++i == arguments.size())
                return refuse(QCoreApplication::translate("CommandLine", "'%1' needs a value").arg(argument));
            // The toolkit takes these two only with the value as the next argument.
            if (!hasInlineValue && name == QLatin1String("platform"))
                line.platform = arguments[i];
            else if (!hasInlineValue && name == QLatin1String("display"))
                line.display = arguments[i];
        } else if (listed(kToolkitFlags, name) && !hasInlineValue) {
            // also the toolkit's
        } else
            return refuse(QCoreApplication::translate("CommandLine", "unknown argument '%1'").arg(argument));
    }
    if (help)
        line.request = CommandLine::Request::Help;
    else if (version)
        line.request = CommandLine::Request::Version;
    else if (toggle)
        line.request = CommandLine::Request::Toggle;
    return line;
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
    return QCoreApplication::translate(
        "CommandLine", "Usage: quibbet [--toggle | --help | --version] [toolkit options]\n"
                       "A small notes keeper. Quibbet keeps its notes in the file clipdata.dat in the folder it\n"
                       "starts in; started from the desktop's menu, that is your home folder. One Quibbet runs\n"
                       "for each notes file: starting it again in the same folder brings that one to the front.\n"
                       "\n"
                       "  --toggle   show or hide the Quibbet running on this desktop for the notes file of\n"
                       "             this folder, as F9 does; start it when none is running\n"
                       "  --help     show this help and exit\n"
                       "  --version  show the version and exit\n"
                       "\n"
                       "The toolkit's standard options (-platform NAME, -display DISPLAY, -style NAME,\n"
                       "-reverse, -session NAME and the like) are passed on to it.\n");
}

QString versionText()
{
    return QStringLiteral("Quibbet " QUIBBET_VERSION "\n");
}

} // namespace app
