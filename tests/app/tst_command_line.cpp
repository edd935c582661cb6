// What the command line asks for, where the shell-level test cannot look: the pair a session
// manager adds when it restores the desktop, and the toolkit's own options.
#include "app/CommandLine.h"

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
            {"-platform", "xcb"},           {"--platform", "offscreen"}, {"-display", ":3", "--toggle"},
            {"-style=fusion", "-reverse"},  {"-style", "fusion"},        {"--reverse", "-widgetcount"},
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
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "tst_command_line.moc"
