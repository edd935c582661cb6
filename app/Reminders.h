#pragma once

#include "app/NotesFileVersion.h"
#include "dialogs/ReminderSchedule.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <memory>

namespace app {

class NotesFile;

// The rules of the reminders: which of those the file keeps are due now, which have shown
// already (in this run, or in another that kept them), which show late, and what the file
// keeps of the moment checked so that a restart neither repeats nor skips one. It reads the
// snapshot of pending reminders through the notes file and the time from store::Clock; the
// window shows what it says and runs the minute check.
class Reminders {
public:
    explicit Reminders(NotesFile& file);
    ~Reminders();
    Reminders(const Reminders&) = delete;
    Reminders& operator=(const Reminders&) = delete;

    // Reads the snapshot of pending reminders (AQclipReminds) again, and what the file keeps
    // as shown. A store error is thrown.
    void open();
    // The minute check: the texts of the reminders whose minute has come and that have not
    // shown, in the order they show, late ones marked so. They count as shown from here on.
    QStringList dueTexts();
    // Sets the note's reminder: its first reminder row changed, or one added; then the
    // snapshot is read again. A store error is thrown.
    void save(qint32 clipId, const QString& text, const QDateTime& when);
    // Whether a reminder set for `when` is due at once, not at the next check.
    static bool minuteHasCome(const QDateTime& when);

    // Keeping the moment of this run's last check and the reminders it showed (when a
    // reminder's minute has come, see dueTexts); a store error is shown.
    void keepChecked();
    // On the way out; false when the file could not take it (said in the log only).
    bool keepCheckedAtExit();

private:
    void writeChecked();
    // Whether the reminder of that row of the snapshot is still in the file.
    bool reminderStillStored(int snapshotRow);

    NotesFile& m_file;
    dialogs::ShownReminders m_shown;
    // Whether another process changed the file since the pending reminders were read.
    std::unique_ptr<NotesFileVersion> m_fileVersion;
    QDateTime m_checkedAt;      // the moment up to which the reminders were checked
    QString m_since;            // until the first check: the start's bound, as stored
    bool m_checkedKept = false; // whether the file keeps the check this run last wrote
    QByteArray m_startedAt;     // when this run first read them, as remind_time is stored
    QString m_readMinute;       // the minute of the last reading of the snapshot that succeeded
};

} // namespace app
