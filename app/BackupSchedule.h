#pragma once

#include "store/OnlineBackup.h"

#include <QObject>
#include <atomic>
#include <thread>

class QTimer;

namespace app {

// Takes a backup of the notes file on a thread of its own whenever the newest one is a day
// old: at start and then at each hourly look while the program runs. The window is told
// when one ends; it never waits for one, except to restore or to close.
class BackupSchedule : public QObject {
    Q_OBJECT
public:
    static constexpr qint64 kIntervalSecs = 24 * 60 * 60;
    static constexpr int kCheckIntervalMs = 60 * 60 * 1000;

    BackupSchedule(const store::BackupFolder& folder, QObject* parent = nullptr);
    ~BackupSchedule() override;

    const store::BackupFolder& folder() const { return m_folder; }
    store::BackupOptions& options() { return m_options; }

    // The first look after `firstDelayMs`, then one an hour.
    void startChecking(int firstDelayMs);
    void stopChecking();
    // Starts a backup when the newest one is older than a day, or there is none; false when
    // none was started (not due, or one is running).
    bool startIfDue();
    // Starts a backup now; false when one is running already.
    bool start();
    bool running() const { return m_thread.joinable(); }
    // Blocks until the running backup, if any, has ended (its outcome is still reported).
    void wait();
    // Ends the running backup, if any, early and waits for it; it leaves nothing behind.
    void cancel();

signals:
    void finished(const store::BackupOutcome& outcome);

private:
    store::BackupFolder m_folder;
    store::BackupOptions m_options;
    std::atomic<bool> m_cancel{false};
    std::thread m_thread;
    QTimer* m_timer = nullptr;
};

} // namespace app
