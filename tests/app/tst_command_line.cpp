// What the command line asks for, where the shell-level test cannot look: the pair a session
// manager adds when it restores the desktop.
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
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "tst_command_line.moc"
