#include "app/Reminders.h"

#include "app/NotesFile.h"
#include "store/Clock.h"
#include "store/ReminderLog.h"
#include "store/Statements.h"
#include "store/StoreError.h"

#include <QCoreApplication>
#include <QLoggingCategory>
#include <algorithm>
#include <vector>

Q_DECLARE_LOGGING_CATEGORY(lcApp)

namespace app {

Reminders::Reminders(NotesFile& file) : m_file(file) {}

Reminders::~Reminders() = default;

void Reminders::open()
{
    const QString second = QStringLiteral("yyyy-MM-dd HH:mm:ss");
    store::Query& query = m_file.AQclipReminds();
    query.close();
    query.clearSql();
    if (!m_checkedAt.isValid()) {
        // At start: what is due later, and what fell due after the moment the last run
        // checked (while the program was not running), which shows late. A moment kept
        // after now (the clock was ahead then) holds back nothing that is still to come.
        const QDateTime now = store::Clock::now();
        const QString checked = store::reminderlog::checkedUpTo(m_file.AQclipModify());
        if (checked.isEmpty()) {
            query.addLine(store::sql::selectDueReminders);
            m_checkedAt = now;
        } else {
            const QString since = std::min(checked, now.toString(second));
            query.addLine(store::sql::selectRemindersSince);
            query.setText(QStringLiteral("since"), since);
            m_checkedAt = QDateTime::fromString(since, second);
            m_since = since;
        }
        m_startedAt = now.toString(second).toLatin1();
    } else {
        // Read again later: what fell due since the start of the last check's minute is still
        // to show (each once: those shown are known); before the first check, what the start
        // read, and one set for the present minute.
        // Never later than the minute of the last reading that succeeded: checks made while
        // the file could not be read (another program held it) went by a snapshot that lacked
        // what was set meanwhile.
        const QString nowMinute = QString::fromLatin1(dialogs::reminderMinute(store::Clock::now()));
        const QString bound = m_since.isEmpty() ? QString::fromLatin1(dialogs::reminderMinute(m_checkedAt))
                                                : std::min(m_since, nowMinute);
        query.addLine(store::sql::selectRemindersSince);
        query.setText(QStringLiteral("since"), m_readMinute.isEmpty() ? bound : std::min(bound, m_readMinute));
    }
    const QString readMinute = QString::fromLatin1(dialogs::reminderMinute(store::Clock::now()));
    query.open();
    for (const store::reminderlog::Shown& shown : store::reminderlog::shown(m_file.AQclipModify()))
        m_shown.add(shown);
    // The file may keep an older check than this run's, or none: at start, and after another
    // program wrote it (a backup put back, the row set back). This run's own writes leave it.
    if (!m_fileVersion) {
        m_fileVersion = std::make_unique<NotesFileVersion>(m_file.database());
        m_checkedKept = false;
    } else if (m_fileVersion->changedSinceRead()) {
        m_checkedKept = false;
    }
    m_fileVersion->markRead();
    m_readMinute = readMinute;
}

void Reminders::save(qint32 clipId, const QString& text, const QDateTime& when)
{
    store::Query& query = m_file.AQclipModify();
    // One transaction: saved, yet still noted as shown, the reminder would never show.
    store::Database::Transaction transaction(m_file.database());
    query.restart(store::sql::selectReminderOfNote(clipId));
    query.open();
    if (query.recordCount() > 0)
        query.edit(); // the first row found: a note keeps one reminder
    else
        query.insert();
    query.setField(QStringLiteral("clip_id"), clipId);
    query.setField(QStringLiteral("remind_content"), text);
    query.setField(QStringLiteral("remind_time"), when);
    query.post();
    // Set again for a time it had before and was shown at: the user wants to see it then.
    const store::reminderlog::Shown reminder{QByteArray::number(clipId),
                                             when.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toLatin1()};
    store::reminderlog::forget(query, reminder);
    transaction.commit();
    m_shown.forget(reminder);
    open();
}

bool Reminders::minuteHasCome(const QDateTime& when)
{
    return dialogs::reminderMinute(when) <= dialogs::reminderMinute(store::Clock::now());
}

void Reminders::writeChecked()
{
    store::reminderlog::keep(m_file.database(), m_file.AQclipModify(), m_checkedAt, m_shown.shownHere());
    m_checkedKept = true;
}

void Reminders::keepChecked()
{
    m_checkedKept = m_file.guarded([this] { writeChecked(); });
}

// A run that ends before its first check keeps the moment it started from, so a file that
// kept none shows at the next start what falls due while the program is closed; and a file
// another program set back learns what this run showed. Said in the log only: the program
// is on its way out.
bool Reminders::keepCheckedAtExit()
{
    if (m_checkedKept || !m_checkedAt.isValid())
        return true;
    try {
        writeChecked();
    } catch (const store::StoreError& error) {
        qCWarning(lcApp) << "the moment the reminders were checked was not kept:" << error.what();
        return false;
    }
    return true;
}

bool Reminders::reminderStillStored(int snapshotRow)
{
    const store::Query& snapshot = m_file.AQclipReminds();
    bool stored = true; // a file that cannot be read now does not swallow the reminder
    m_file.guarded([&] {
        store::Query& query = m_file.AQclipModify();
        query.close();
        query.clearSql();
        query.addLine(store::sql::selectReminderStillStored);
        for (const char* column : {"clip_id", "remind_time", "remind_content"})
            query.setValue(QLatin1String(column),
                           snapshot.value(snapshotRow, snapshot.columnIndex(QLatin1String(column))));
        query.open();
        stored = query.fieldAsInteger(QStringLiteral("stored")) > 0;
        query.close();
    });
    return stored;
}

QStringList Reminders::dueTexts()
{
    // Another program set, changed or took away reminders: the snapshot follows the file.
    if (m_fileVersion && m_fileVersion->changedSinceRead())
        m_file.guarded([this] { open(); });
    const QDateTime now = store::Clock::now();
    m_checkedAt = now;
    m_since.clear();
    const store::Query& snapshot = m_file.AQclipReminds();
    if (!snapshot.isOpen() || snapshot.recordCount() == 0)
        return {};
    const int timeColumn = snapshot.columnIndex(QStringLiteral("remind_time"));
    const int contentColumn = snapshot.columnIndex(QStringLiteral("remind_content"));
    const int noteColumn = snapshot.columnIndex(QStringLiteral("clip_id"));
    std::vector<dialogs::PendingReminder> rows(size_t(snapshot.recordCount()));
    for (int row = 0; row < snapshot.recordCount(); ++row)
        rows[size_t(row)] = {&snapshot.value(row, timeColumn).utf8(), &snapshot.value(row, contentColumn).utf8(),
                             &snapshot.value(row, noteColumn)};
    // Every reminder whose minute has come shows, one window after another. The texts are
    // taken before the first window opens: while it is open, the snapshot may be read again.
    std::vector<int> due;
    for (int row : m_shown.due(rows, now)) {
        if (!reminderStillStored(row))
            continue;
        due.push_back(row);
        m_shown.markShown({store::reminderlog::noteKey(*rows[size_t(row)].note), *rows[size_t(row)].time});
    }
    // What was shown is kept before it shows, so that none shows again after a restart; and
    // at the first check after the file came to keep an older check or none (a first start,
    // another program), which would show again what this run showed, or show nothing that
    // falls due while the program is closed.
    if (!due.empty() || !m_checkedKept)
        keepChecked();
    // Due before this run began (the program was not running then), or shown more than a
    // minute after its minute (the machine slept).
    const QByteArray lateBefore = dialogs::reminderMinute(now.addSecs(-60));
    QStringList texts;
    for (int row : due) {
        const QByteArray minute = dialogs::reminderMinute(*rows[size_t(row)].time);
        const QString text = snapshot.value(row, contentColumn).toString();
        const bool late = minute < lateBefore || *rows[size_t(row)].time < m_startedAt;
        texts << (late ? QCoreApplication::translate("Reminders", "Late, due %1:\n%2")
                             .arg(QString::fromLatin1(minute), text)
                       : text);
    }
    return texts;
}

} // namespace app
