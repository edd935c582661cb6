#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

namespace app {

// `quibbet --toggle`: a second start asks the running program, through a local socket named
// for the user and the display, to show or hide its window exactly as F9 does. It lets a
// desktop whose global keys cannot be grabbed bind any key to the command.
class ToggleServer : public QObject {
    Q_OBJECT
public:
    explicit ToggleServer(QObject* parent = nullptr);
    ~ToggleServer() override;

    // The socket's name: in the user's runtime directory where there is one, otherwise a
    // name with the user's id; the display is part of it, so each desktop has its own.
    static QString serverName();

    // Asks a running program to toggle; false when none answered.
    static bool sendToggle(const QString& name = serverName());

    // Starts answering, unless another running program answers already (it keeps the name,
    // and its socket is left alone) or the socket cannot be made; the program then runs
    // without it.
    enum class Listening { Yes, AnotherAnswers, Failed };
    Listening listen(const QString& name = serverName());
    bool isListening() const;

signals:
    void toggleRequested();

private:
    QLocalServer* m_server;
};

} // namespace app
