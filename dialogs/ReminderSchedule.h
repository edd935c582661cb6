#pragma once

#include "store/ReminderLog.h"

#include <QByteArray>
#include <QDateTime>
#include <QSet>
#include <vector>

namespace dialogs {

// The minute a stored remind_time falls in, as "yyyy-MM-dd HH:mm" (local time, sorts as
// text); empty when the text is no date and time.
QByteArray reminderMinute(const QByteArray& storedTime);
QByteArray reminderMinute(const QDateTime& time);

// A reminder is due from the start of its minute on: a tick that comes late, because the
// user-interface thread was busy or the machine slept, still finds it.
bool isReminderDue(const QByteArray& storedTime, const QDateTime& now);

// One row of the pending-reminder snapshot, referring to the snapshot's own values.
struct PendingReminder {
    const QByteArray* time = nullptr;
    const QByteArray* content = nullptr;
    const store::Value* note = nullptr; // its clip_id
};

// Remembers which reminders have been shown, so each shows exactly once even though the
// snapshot keeps shown rows, is re-read after every save, and the clock may go back. A
// reminder is known by its note and its time: set to another time, it is a new one.
class ShownReminders {
public:
    // The rows (indexes into `rows`, in their order) that are due at `now` and have not been
    // shown; a reminder that two rows hold is given once.
    std::vector<int> due(const std::vector<PendingReminder>& rows, const QDateTime& now) const;

    // Shown now, in this run.
    void markShown(const store::reminderlog::Shown& reminder);
    // Shown before, by another run or program.
    void add(const store::reminderlog::Shown& reminder);
    // Set again by the user: a new reminder, to show when due.
    void forget(const store::reminderlog::Shown& reminder);

    // Those shown in this run, oldest first.
    const std::vector<store::reminderlog::Shown>& shownHere() const { return m_shownHere; }

private:
    static QByteArray key(const QByteArray& note, const QByteArray& time);

    QSet<QByteArray> m_shown; // note + '\0' + time
    std::vector<store::reminderlog::Shown> m_shownHere;
};

} // namespace dialogs
