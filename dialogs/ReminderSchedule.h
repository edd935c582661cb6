#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <vector>

namespace dialogs {

// The minute a stored remind_time falls in, as "yyyy-MM-dd HH:mm" (local time, sorts as
// text); empty when the text is no date and time.
QByteArray reminderMinute(const QByteArray& storedTime);
QByteArray reminderMinute(const QDateTime& time);

// A reminder is due from the start of its minute on: a tick that comes late, because the
// user-interface thread was busy or the machine slept, still finds it.
bool isReminderDue(const QByteArray& storedTime, const QDateTime& now);

// One row of the pending-reminder snapshot, referring to the snapshot's own bytes.
struct PendingReminder {
    const QByteArray* time = nullptr;
    const QByteArray* content = nullptr;
};

// Remembers which reminders have been shown in this run, so each shows exactly once even
// though the snapshot keeps shown rows and is re-read after every save. A reminder is known
// by its time and text; identical rows are counted, so two of them both show.
class ShownReminders {
public:
    // The rows (indexes into `rows`, in their order) that are due at `now` and have not been
    // shown; from here on they count as shown.
    std::vector<int> takeDue(const std::vector<PendingReminder>& rows, const QDateTime& now);

    int shownCount() const { return m_total; }

private:
    QHash<QByteArray, int> m_shown; // time + '\0' + text -> how many of them were shown
    int m_total = 0;
};

} // namespace dialogs
