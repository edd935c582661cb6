#include "dialogs/ReminderSchedule.h"

namespace dialogs {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// "yyyy-MM-dd HH:mm..." with a blank or a 'T' between date and time.
bool hasStoredLayout(const QByteArray& text)
{
    if (text.size() < 16)
        return false;
    for (int i : {0, 1, 2, 3, 5, 6, 8, 9, 11, 12, 14, 15}) {
        if (!isDigit(text[i]))
            return false;
    }
    return text[4] == '-' && text[7] == '-' && (text[10] == ' ' || text[10] == 'T') && text[13] == ':';
}

} // namespace

QByteArray reminderMinute(const QDateTime& time)
{
    return time.toString(QStringLiteral("yyyy-MM-dd HH:mm")).toLatin1();
}

QByteArray reminderMinute(const QByteArray& storedTime)
{
    if (hasStoredLayout(storedTime)) {
        QByteArray minute = storedTime.left(16);
        minute[10] = ' ';
        return minute;
    }
    const QDateTime parsed = QDateTime::fromString(QString::fromLatin1(storedTime), Qt::ISODate);
    return parsed.isValid() ? reminderMinute(parsed) : QByteArray();
}

bool isReminderDue(const QByteArray& storedTime, const QDateTime& now)
{
    const QByteArray minute = reminderMinute(storedTime);
    return !minute.isEmpty() && minute <= reminderMinute(now);
}

QByteArray ShownReminders::key(const QByteArray& note, const QByteArray& time)
{
    QByteArray key = note;
    return key.append('\0').append(time);
}

void ShownReminders::add(const store::reminderlog::Shown& reminder)
{
    m_shown.insert(key(reminder.note, reminder.time));
}

void ShownReminders::forget(const store::reminderlog::Shown& reminder)
{
    m_shown.remove(key(reminder.note, reminder.time));
    std::erase(m_shownHere, reminder);
}

void ShownReminders::markShown(const store::reminderlog::Shown& reminder)
{
    if (!m_shown.contains(key(reminder.note, reminder.time)))
        m_shownHere.push_back(reminder);
    add(reminder);
}

std::vector<int> ShownReminders::due(const std::vector<PendingReminder>& rows, const QDateTime& now) const
{
    const QByteArray nowMinute = reminderMinute(now);
    std::vector<int> due;
    QSet<QByteArray> given;
    for (int i = 0; i < int(rows.size()); ++i) {
        const PendingReminder& row = rows[size_t(i)];
        const QByteArray& time = *row.time;
        // The stored layout is compared as it stands; only other layouts are parsed.
        const bool plain = hasStoredLayout(time) && time[10] == ' ';
        const bool isDue =
            plain ? QByteArrayView(time).first(16) <= QByteArrayView(nowMinute) : isReminderDue(time, now);
        if (!isDue)
            continue;
        const QByteArray rowKey = key(store::reminderlog::noteKey(*row.note), time);
        if (!m_shown.contains(rowKey) && !given.contains(rowKey)) {
            given.insert(rowKey);
            due.push_back(i);
        }
    }
    return due;
}

} // namespace dialogs
