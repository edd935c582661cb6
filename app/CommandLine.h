#pragma once

#include <QString>
#include <QStringList>

namespace app {

// What the command line asks of this start. Read before the toolkit starts, so that --help
// and --version answer without a display.
struct CommandLine {
    enum class Request { Run, Toggle, Help, Version, Refuse };
    Request request = Request::Run;
    QString refusal; // Refuse: the one line for standard error
    // The toolkit's -platform and -display, as the toolkit reads them (the value after the
    // option); empty when not given.
    QString platform;
    QString display;
};

// The arguments after the program's name: --toggle, --help, --version and the toolkit's
// standard options (left for the toolkit to read). Anything else is refused.
CommandLine parseCommandLine(const QStringList& arguments);
QStringList argumentsOf(int argc, char* argv[]);

QString usageText();
QString versionText();

} // namespace app
