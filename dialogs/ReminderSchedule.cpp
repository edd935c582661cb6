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

std::vector<int> ShownReminders::takeDue(const std::vector<PendingReminder>& rows, const QDateTime& now)
{
    const QByteArray nowMinute = reminderMinute(now);
    std::vector<int> due;
    QHash<QByteArray, int> seenThisTick;
    for (int i = 0; i < int(rows.size()); ++i) {
        const QByteArray& time = *rows[size_t(i)].time;
        // The stored layout is compared as it stands; only other layouts are parsed.
        const bool plain = hasStoredLayout(time) && time[10] == ' ';
        const bool isDue =
            plain ? QByteArrayView(time).first(16) <= QByteArrayView(nowMinute) : isReminderDue(time, now);
        if (!isDue)
            continue;
        QByteArray key = time;
        key.append('\0').append(*rows[size_t(i)].content);
        const int occurrence = seenThisTick[key]++;
        int& shown = m_shown[key];
        if (occurrence < shown)
            continue; // this one was shown by an earlier tick
        ++shown;
        ++m_total;
        due.push_back(i);
    }
    return due;
}

} // namespace dialogs
