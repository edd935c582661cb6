// Reminders on screen: setting one, and showing those whose minute has come.
#include "app/MiniForm.h"

#include "app/NoteGrid.h"
#include "app/Reminders.h"
#include "dialogs/FrmRemind.h"
#include "dialogs/ShowRemindForm.h"

#include <QTimer>

namespace app {

void TMiniForm::OpenDueReminders()
{
    m_reminders->open();
    // Start-up opens the snapshot first; from then on the minute check runs until exit.
    if (!tmRemind->isActive())
        tmRemind->start();
}

void TMiniForm::Reminder1Click()
{
    const QString text = sgContents->cellText(1, sgContents->currentRow());
    const dialogs::TRemindRec record = dialogs::makeRemindRec(m_noteEditing->noteIdForReminder(), text);
    bool dueNow = false;
    dialogs::ShowRemindDialog(record, this, [&](qint32 clipId, const QString& content, const QDateTime& when) {
        const bool saved = guarded([&] {
            m_reminders->save(clipId, content, when);
            // The minute check runs from the first reading of the snapshot on, as OpenDueReminders starts it.
            if (!tmRemind->isActive())
                tmRemind->start();
        });
        dueNow = saved && Reminders::minuteHasCome(when);
    });
    // One set for the present minute shows at once, not at the next check.
    if (dueNow)
        tmRemindTimer();
}

void TMiniForm::tmRemindTimer()
{
    for (const QString& text : m_reminders->dueTexts()) {
        dialogs::ShowRemindText(text, this);
        if (isVisible()) {
            raise();
            activateWindow();
        }
    }
}

} // namespace app
