#pragma once

#include <QObject>

class QSocketNotifier;

namespace app {

// Turns SIGTERM, SIGINT and SIGHUP (a shutdown, Ctrl+C in the terminal, the terminal closed)
// into an orderly quit of the event loop, so what is typed but not applied is stored on the
// way out instead of being lost with the process. One per process.
class QuitSignals : public QObject {
    Q_OBJECT
public:
    explicit QuitSignals(QObject* parent = nullptr);
    ~QuitSignals() override;

private:
    QSocketNotifier* m_notifier = nullptr;
};

} // namespace app
