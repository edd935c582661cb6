#include "app/CommandLine.h"

#include "app/NoteOptions.h"

#include <QCoreApplication>
#include <QStringDecoder>
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
    NoteOptions notes;
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
        else if (const std::optional<QString> refused = notes.take(arguments, i); refused) {
            if (!refused->isEmpty())
                return refuse(*refused);
        } else if (listed(kToolkitOptionsWithValue, name)) {
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
        } else if (notes.command.kind == NoteCommand::Kind::Add && !argument.startsWith(QLatin1Char('-')))
            // `quibbet --add buy milk`: the shell made two words of the text.
            return refuse(QCoreApplication::translate("CommandLine", "'%1' follows the text to add: put a text of "
                                                                     "several words in quotes")
                              .arg(argument));
        else
            return refuse(QCoreApplication::translate("CommandLine", "unknown argument '%1'").arg(argument));
    }
    if (const QString refused = notes.check(toggle); !refused.isEmpty() && !help && !version)
        return refuse(refused);
    if (help)
        line.request = CommandLine::Request::Help;
    else if (version)
        line.request = CommandLine::Request::Version;
    else if (notes.command.kind != NoteCommand::Kind::None) {
        line.request = CommandLine::Request::Notes;
        line.notes = notes.command;
    } else if (toggle)
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

QString undecodableArgument(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        QStringDecoder decoder(QStringConverter::System, QStringConverter::Flag::Stateless);
        const QString decoded = decoder.decode(QByteArrayView(argv[i]));
        if (decoder.hasError())
            return QCoreApplication::translate("CommandLine", "argument %1 is not text in the encoding of the locale: "
                                                              "nothing was changed")
                .arg(i);
    }
    return {};
}

QStringList importPrograms()
{
    return {QStringLiteral("xpad"), QStringLiteral("gnote"), QStringLiteral("tomboy"), QStringLiteral("tomboy-ng"),
            QStringLiteral("knotes")};
}

namespace {

// The note commands' part of the help, after the window's.
QString noteCommandsUsage()
{
    return QCoreApplication::translate(
        "CommandLine", "Note commands, for scripts and launchers:\n"
                       "       quibbet --add [TEXT | -] [--category NAME]\n"
                       "       quibbet --list [--category NAME]\n"
                       "       quibbet --search TEXT\n"
                       "       quibbet --export FILE [--category NAME] [--force]\n"
                       "       quibbet --import SOURCE\n"
                       "They work on clipdata.dat in the current folder, need no display and start no window;\n"
                       "a Quibbet running on the file shows the change at once.\n"
                       "\n"
                       "  --add TEXT       store TEXT as a new note; without TEXT, or with -, the note is\n"
                       "                   standard input to its end, less one last line end. A text that\n"
                       "                   begins with -- goes as --add=TEXT. Makes clipdata.dat when there is none\n"
                       "  --list           print the notes of a category, newest first, one a line: the\n"
                       "                   creation time, a tab, and the text with \\ written as \\\\, a line\n"
                       "                   end as \\n, a carriage return as \\r and a tab as \\t\n"
                       "  --search TEXT    print, as --list does, the notes of every category that hold TEXT,\n"
                       "                   in any case of letters; % and _ in TEXT stand for any text and any\n"
                       "                   one character, as in the Search command\n"
                       "  --export FILE    write the notes of a category to FILE as the Export command does;\n"
                       "                   a FILE that exists is replaced only with --force\n"
                       "  --import SOURCE  bring in the notes of another notes program: xpad, gnote, tomboy,\n"
                       "                   tomboy-ng or knotes, or the file or folder they are in\n"
                       "  --category NAME  the category to add to, list or export; Default when not given.\n"
                       "                   --add makes a category that does not exist yet; Search takes no notes\n"
                       "  --force          let --export replace FILE\n"
                       "\n"
                       "Exit status: 0 done; 1 nothing matched, or the notes file could not be read or written\n"
                       "(nothing was changed); 2 bad arguments or input (nothing was changed).\n");
}

// The window's part of the help.
QString windowUsage()
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

} // namespace

QString usageText()
{
    return windowUsage() + QLatin1Char('\n') + noteCommandsUsage();
}

QString versionText()
{
    return QStringLiteral("Quibbet " QUIBBET_VERSION "\n");
}

} // namespace app
