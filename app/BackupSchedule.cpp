#include "app/BackupSchedule.h"

#include "platform/BackgroundPriority.h"
#include "store/Clock.h"

#include <QTimer>

namespace app {

BackupSchedule::BackupSchedule(const store::BackupFolder& folder, QObject* parent)
    : QObject(parent), m_folder(folder), m_timer(new QTimer(this))
{
    m_options.cancel = &m_cancel;
    connect(m_timer, &QTimer::timeout, this, [this] {
        m_timer->setInterval(kCheckIntervalMs);
        startIfDue();
    });
}

BackupSchedule::~BackupSchedule()
{
    // A backup cut short leaves nothing behind; the next start takes it again.
    cancel();
}

void BackupSchedule::startChecking(int firstDelayMs)
{
    m_timer->start(firstDelayMs);
}

void BackupSchedule::stopChecking()
{
    m_timer->stop();
}

bool BackupSchedule::startIfDue()
{
    const QDateTime now = store::Clock::now().toUTC();
    const std::optional<QDateTime> newest = m_folder.newest(now);
    if (newest && newest->secsTo(now) < kIntervalSecs)
        return false;
    return start();
}

bool BackupSchedule::start()
{
    if (running())
        return false;
    m_cancel = false;
    m_thread = std::thread([this, folder = m_folder, options = m_options, now = store::Clock::now().toUTC()] {
        platform::yieldToForeground();
        const store::BackupOutcome outcome = store::takeBackup(folder, now, options);
        if (outcome.kind == store::BackupOutcome::Kind::Taken)
            folder.keepNewest();
        QMetaObject::invokeMethod(
            this,
            [this, outcome, ended = std::this_thread::get_id()] {
                // wait() may have joined this thread already and another begun since.
                if (m_thread.joinable() && m_thread.get_id() == ended)
                    m_thread.join();
                emit finished(outcome);
            },
            Qt::QueuedConnection);
    });
    return true;
}

void BackupSchedule::wait()
{
    if (m_thread.joinable())
        m_thread.join();
}

void BackupSchedule::cancel()
{
    m_cancel = true;
    wait();
}

} // namespace app
