// What the command line asks for, where the shell-level test cannot look: the pair a session
// manager adds when it restores the desktop, the toolkit's own options, and how the note
// commands take their values.
#include "app/CommandLine.h"
#include "app/NoteCommands.h"

#include <QTest>

using app::CommandLine;
using app::parseCommandLine;

class CommandLineTest : public QObject {
    Q_OBJECT

private slots:
    void sessionRestoreKeepsWhatWasAsked()
    {
        QCOMPARE(parseCommandLine({"-session", "10d4f2a"}).request, CommandLine::Request::Run);
        QCOMPARE(parseCommandLine({"--toggle", "-session", "10d4f2a"}).request, CommandLine::Request::Toggle);
        // The session's name is taken as the pair's value, even when it looks like an option.
        QCOMPARE(parseCommandLine({"-session", "--bogus"}).request, CommandLine::Request::Run);
    }

    void sessionWithoutNameIsRefused()
    {
        const CommandLine line = parseCommandLine({"--toggle", "-session"});
        QCOMPARE(line.request, CommandLine::Request::Refuse);
        QVERIFY(line.refusal.contains("'-session'"));
    }

    void toolkitOptionsAreLeftForTheToolkit()
    {
        const QList<QStringList> accepted = {
            {"-platform", "xcb"},          {"--platform", "offscreen"}, {"-display", ":3", "--toggle"},
            {"-style=fusion", "-reverse"}, {"-style", "fusion"},        {"--reverse", "-widgetcount"},
            {"-qwindowtitle", "--toggle"}, // a value that looks like an option is still the value
        };
        for (const QStringList& arguments : accepted) {
            const CommandLine line = parseCommandLine(arguments);
            QVERIFY2(line.request != CommandLine::Request::Refuse, qPrintable(arguments.join(' ')));
        }
        QCOMPARE(parseCommandLine({"-display", ":3", "--toggle"}).request, CommandLine::Request::Toggle);
        QCOMPARE(parseCommandLine({"-qwindowtitle", "--toggle"}).request, CommandLine::Request::Run);
    }

    void theDisplayAndPlatformAreReadAsTheToolkitReadsThem()
    {
        // They decide which desktop the program is on, so which Quibbet --toggle reaches.
        const CommandLine line = parseCommandLine({"--toggle", "-display", ":3", "--platform", "xcb"});
        QCOMPARE(line.display, QStringLiteral(":3"));
        QCOMPARE(line.platform, QStringLiteral("xcb"));
        QCOMPARE(line.request, CommandLine::Request::Toggle);
        // The toolkit takes no value after '=' for these two, so neither is it taken here.
        QCOMPARE(parseCommandLine({"-display=:3"}).display, QString());
        QCOMPARE(parseCommandLine({"-qwindowtitle", "-display"}).display, QString());
        QCOMPARE(parseCommandLine({}).display, QString());
    }

    void toolkitLookalikesAreRefused()
    {
        const QList<QStringList> refused = {
            {"-platform"}, {"-style"}, {"-reverse=1"}, {"-platformx", "xcb"}, {"---platform", "xcb"}, {"platform"},
        };
        for (const QStringList& arguments : refused) {
            const CommandLine line = parseCommandLine(arguments);
            QVERIFY2(line.request == CommandLine::Request::Refuse, qPrintable(arguments.join(' ')));
            QVERIFY(line.refusal.contains(QLatin1Char('\'') + arguments.first() + QLatin1Char('\'')));
        }
    }
    void noteCommandsTakeTheirValues()
    {
        using Kind = app::NoteCommand::Kind;
        CommandLine line = parseCommandLine({"--add", "-5 degrees", "--category", "Work"});
        QCOMPARE(line.request, CommandLine::Request::Notes);
        QCOMPARE(line.notes.kind, Kind::Add);
        QCOMPARE(line.notes.text, QStringLiteral("-5 degrees")); // one dash: still the text
        QVERIFY(!line.notes.textFromInput);
        QCOMPARE(line.notes.category, std::optional<QString>(QStringLiteral("Work")));
        QCOMPARE(parseCommandLine({"--add=--category"}).notes.text, QStringLiteral("--category"));
        // No text, "-", or the next option: the text is standard input.
        for (const QStringList& arguments :
             QList<QStringList>{{"--add"}, {"--add", "-"}, {"--add", "--category", "Work"}, {"--add=-"}}) {
            line = parseCommandLine(arguments);
            QVERIFY2(line.notes.kind == Kind::Add && line.notes.textFromInput && line.notes.text.isEmpty(),
                     qPrintable(arguments.join(' ')));
        }
        QCOMPARE(parseCommandLine({"--add", "--category", "Work"}).notes.category,
                 std::optional<QString>(QStringLiteral("Work")));
        // Values that look like options are still the values.
        line = parseCommandLine({"--search", "--list"});
        QCOMPARE(line.notes.kind, Kind::Search);
        QCOMPARE(line.notes.text, QStringLiteral("--list"));
        QCOMPARE(parseCommandLine({"--search", ""}).notes.kind, Kind::Search); // finds every note
        line = parseCommandLine({"--force", "--export", "out.txt", "--category=Old notes"});
        QCOMPARE(line.notes.kind, Kind::Export);
        QCOMPARE(line.notes.file, QStringLiteral("out.txt"));
        QVERIFY(line.notes.force);
        QCOMPARE(line.notes.category, std::optional<QString>(QStringLiteral("Old notes")));
        line = parseCommandLine({"--import", "tomboy-ng"});
        QCOMPARE(line.notes.importProgram, QStringLiteral("tomboy-ng"));
        QVERIFY(line.notes.importPath.isEmpty());
        line = parseCommandLine({"--import", "./tomboy"});
        QCOMPARE(line.notes.importPath, QStringLiteral("./tomboy"));
        QVERIFY(line.notes.importProgram.isEmpty());
        // Asking for help still wins.
        QCOMPARE(parseCommandLine({"--add", "x", "--help"}).request, CommandLine::Request::Help);
    }

    void noteCommandsThatCannotBeMetAreRefused()
    {
        const QList<std::pair<QStringList, const char*>> refused = {
            {{"--add", "x", "--list"}, "'--list' cannot go with '--add'"},
            {{"--list", "--toggle"}, "'--toggle' cannot go with '--list'"},
            {{"--search", "x", "--category", "Work"}, "'--category' goes with"},
            {{"--list", "--force"}, "'--force' goes with --export"},
            {{"--add", ""}, "no text to add"},
            {{"--add", " \n"}, "no text to add"},
            {{"--list", "--category", " "}, "the name of a category"},
            {{"--list", "--category", "A", "--category", "B"}, "'--category' is given twice"},
            {{"--export", ""}, "the name of a file"},
            {{"--export"}, "'--export' needs a value"},
            {{"--search"}, "'--search' needs a value"},
            {{"--list=all"}, "'--list' takes no value"},
            {{"--import"}, "'--import' needs a value"},
        };
        for (const auto& [arguments, why] : refused) {
            const CommandLine line = parseCommandLine(arguments);
            QVERIFY2(line.request == CommandLine::Request::Refuse, qPrintable(arguments.join(' ')));
            QVERIFY2(line.refusal.contains(QLatin1String(why)), qPrintable(line.refusal));
        }
    }

    void aNoteOnOneLineKeepsEveryCharacterApart()
    {
        const QByteArray text = "a\\nb\r\n\tc \\ d\n";
        const QByteArray line = app::noteOnOneLine(text);
        QVERIFY(!line.contains('\n') && !line.contains('\r') && !line.contains('\t'));
        QCOMPARE(line, QByteArray("a\\\\nb\\r\\n\\tc \\\\ d\\n"));
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "tst_command_line.moc"
