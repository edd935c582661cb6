#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

namespace app {

// One Quibbet answers for each notes file on a desktop. A later start asks it, through a
// local socket named for the user, the desktop and the notes file, either to show or hide
// its window exactly as F9 does (`quibbet --toggle`, which lets a desktop whose global keys
// cannot be grabbed bind any key to the command), or to come to the front (a second start
// on the same file, which then ends).
class ToggleServer : public QObject {
    Q_OBJECT
public:
    explicit ToggleServer(QObject* parent = nullptr);
    ~ToggleServer() override;

    // The socket's name: in the user's runtime directory where there is one, otherwise a
    // name with the user's id. The desktop (DesktopSession::desktopName) and the notes file
    // (its canonical path, so that two ways of naming one file meet) are part of it.
    static QString serverName(const QString& desktop, const QString& notesFile);
    // The notes file's canonical path, also where the file does not exist yet.
    static QString canonicalNotesFile(const QString& notesFile);

    enum class Request { Toggle, Show };
    // Asks a running program. Done only once it has taken the request: a program that is
    // stopped or hangs still accepts the connection, and must not be said to have answered.
    enum class Answer { Done, NoAnswer, NoProgram };
    static constexpr int kAnswerTimeoutMs = 3000;
    static Answer ask(Request request, const QString& name, int answerTimeoutMs = kAnswerTimeoutMs);
    // Asks a running program; false when none answered.
    static bool send(Request request, const QString& name);

    // Starts answering, unless another running program answers already (it keeps the name,
    // and its socket is left alone) or the socket cannot be made; the program then runs
    // without it. Two programs starting at once do not both answer.
    enum class Listening { Yes, AnotherAnswers, Failed };
    Listening listen(const QString& name);
    bool isListening() const;
    // The socket's path while listening, as another start can reach it from any runtime folder.
    QString socketPath() const;

signals:
    void toggleRequested();
    void showRequested();

private:
    QLocalServer* m_server;
};

} // namespace app
