#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace app {

// A note command: work on the notes file of the current folder from a script or a launcher,
// without a display and without a window.
struct NoteCommand {
    enum class Kind { None, Add, List, Search, Export, Import };
    Kind kind = Kind::None;
    QString text;               // Add: the note's text; Search: the text to find
    bool textFromInput = false; // Add: the text is standard input, read to its end
    std::optional<QString> category;
    QString file;          // Export: the file to write
    bool force = false;    // Export: replace a file that exists
    QString importProgram; // Import: the program whose notes to bring in, or empty...
    QString importPath;    // ...and then the file or folder to read them from
};

// What the command line asks of this start. Read before the toolkit starts, so that --help
// and --version answer without a display.
struct CommandLine {
    enum class Request { Run, Toggle, Help, Version, Refuse, Notes };
    Request request = Request::Run;
    QString refusal; // Refuse: the one line for standard error
    // The toolkit's -platform and -display, as the toolkit reads them (the value after the
    // option); empty when not given.
    QString platform;
    QString display;
    NoteCommand notes; // Notes: what to do
};

// The arguments after the program's name: --toggle, --help, --version, the note commands and
// the toolkit's standard options (left for the toolkit to read). Anything else is refused.
CommandLine parseCommandLine(const QStringList& arguments);
QStringList argumentsOf(int argc, char* argv[]);
// Why an argument is no text in the locale's encoding (its bytes would not reach the notes
// file as they are), or an empty text when every one is.
QString undecodableArgument(int argc, char* argv[]);

// The programs whose notes --import reads from where they keep them.
QStringList importPrograms();

QString usageText();
QString versionText();

} // namespace app
