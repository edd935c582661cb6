// The tools reached from the menus: search, reminders, options, export, print, help, about.
#include "app/MiniForm.h"
#include "app/NotesFileVersion.h"

#include "app/NoteGrid.h"
#include "dialogs/FrmAbout.h"
#include "dialogs/FrmRemind.h"
#include "dialogs/NoteExport.h"
#include "dialogs/NotePrint.h"
#include "dialogs/OptionForm.h"
#include "dialogs/ShowRemindForm.h"
#include "store/Clock.h"
#include "store/ReminderLog.h"
#include "store/Statements.h"
#include "store/StoreError.h"
#include "widgets/Modal.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QLoggingCategory>
#include <QTimer>
#include <QUrl>
#include <algorithm>

Q_DECLARE_LOGGING_CATEGORY(lcApp)

namespace app {

namespace {
const char* const kFontOptions[] = {"font_size", "font_style", "font_color", "font_charset"};

// Errors outside the store show as the store's do: the program's name and the message.
void showToolError(QWidget* owner, const QString& message)
{
    widgets::Modal::message(owner, QMessageBox::Critical, QStringLiteral("Quibbet"), message);
}
} // namespace

void TMiniForm::OpenDueReminders()
{
    const QString second = QStringLiteral("yyyy-MM-dd HH:mm:ss");
    store::Query& query = AQclipReminds();
    query.close();
    query.clearSql();
    if (!m_remindersCheckedAt.isValid()) {
        // At start: what is due later, and what fell due after the moment the last run
        // checked (while the program was not running), which shows late. A moment kept
        // after now (the clock was ahead then) holds back nothing that is still to come.
        const QDateTime now = store::Clock::now();
        const QString checked = store::reminderlog::checkedUpTo(AQclipModify());
        if (checked.isEmpty()) {
            query.addLine(store::sql::selectDueReminders);
            m_remindersCheckedAt = now;
        } else {
            const QString since = std::min(checked, now.toString(second));
            query.addLine(store::sql::selectRemindersSince);
            query.setText(QStringLiteral("since"), since);
            m_remindersCheckedAt = QDateTime::fromString(since, second);
            m_remindersSince = since;
        }
        m_remindersStartedAt = now.toString(second).toLatin1();
    } else {
        // Read again later: what fell due since the start of the last check's minute is still
        // to show (each once: those shown are known); before the first check, what the start
        // read, and one set for the present minute.
        const QString nowMinute = QString::fromLatin1(dialogs::reminderMinute(store::Clock::now()));
        query.addLine(store::sql::selectRemindersSince);
        query.setText(QStringLiteral("since"), m_remindersSince.isEmpty()
                                                   ? QString::fromLatin1(dialogs::reminderMinute(m_remindersCheckedAt))
                                                   : std::min(m_remindersSince, nowMinute));
    }
    query.open();
    for (const store::reminderlog::Shown& shown : store::reminderlog::shown(AQclipModify()))
        m_shownReminders.add(shown);
    // The file may keep an older check than this run's, or none: at start, and after another
    // program wrote it (a backup put back, the row set back). This run's own writes leave it.
    if (!m_remindersFileVersion) {
        m_remindersFileVersion = new NotesFileVersion(database(), this);
        m_remindersCheckedKept = false;
    } else if (m_remindersFileVersion->changedSinceRead()) {
        m_remindersCheckedKept = false;
    }
    m_remindersFileVersion->markRead();
    // Start-up opens the snapshot first; from then on the minute check runs until exit.
    if (!tmRemind->isActive())
        tmRemind->start();
}

void TMiniForm::LoadNoteFont()
{
    store::Query& query = AQclipModify();
    int values[4] = {};
    for (int i = 0; i < 4; ++i) {
        query.close();
        query.clearSql();
        query.addLine(store::sql::selectOption(QString::fromLatin1(kFontOptions[i])));
        query.open();
        values[i] = query.fieldAsInteger(QStringLiteral("optionvalue"));
    }
    query.close();
    widgets::FontValue& font = m_state.NoteFont;
    if (values[0] != 0)
        font.size = values[0];
    if (values[1] != 0)
        font.style = values[1] & 0xFF;
    if (values[2] != 0)
        font.color = values[2];
    if (values[3] != 0)
        font.charset = values[3] & 0xFF;
}

void TMiniForm::Reminder1Click()
{
    const QString text = sgContents->cellText(1, sgContents->currentRow());
    const dialogs::TRemindRec record = dialogs::makeRemindRec(noteIdForReminder(), text);
    bool dueNow = false;
    dialogs::ShowRemindDialog(record, this, [&](qint32 clipId, const QString& content, const QDateTime& when) {
        const bool saved = guarded([&] { saveReminder(clipId, content, when); });
        dueNow = saved && dialogs::reminderMinute(when) <= dialogs::reminderMinute(store::Clock::now());
    });
    // One set for the present minute shows at once, not at the next check.
    if (dueNow)
        tmRemindTimer();
}

void TMiniForm::saveReminder(qint32 clipId, const QString& text, const QDateTime& when)
{
    store::Query& query = AQclipModify();
    // One transaction: saved, yet still noted as shown, the reminder would never show.
    store::Database::Transaction transaction(database());
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
    m_shownReminders.forget(reminder);
    OpenDueReminders();
}

void TMiniForm::writeRemindersChecked()
{
    store::reminderlog::keep(database(), AQclipModify(), m_remindersCheckedAt, m_shownReminders.shownHere());
    m_remindersCheckedKept = true;
}

void TMiniForm::keepRemindersChecked()
{
    m_remindersCheckedKept = guarded([this] { writeRemindersChecked(); });
}

// A run that ends before its first check keeps the moment it started from, so a file that
// kept none shows at the next start what falls due while the program is closed; and a file
// another program set back learns what this run showed. Said in the log only: the program
// is on its way out.
void TMiniForm::keepRemindersCheckedAtExit()
{
    if (m_remindersCheckedKept || !m_remindersCheckedAt.isValid())
        return;
    try {
        writeRemindersChecked();
    } catch (const store::StoreError& error) {
        qCWarning(lcApp) << "the moment the reminders were checked was not kept:" << error.what();
    }
}

bool TMiniForm::reminderStillStored(int snapshotRow)
{
    const store::Query& snapshot = AQclipReminds();
    bool stored = true; // a file that cannot be read now does not swallow the reminder
    guarded([&] {
        store::Query& query = AQclipModify();
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

void TMiniForm::tmRemindTimer()
{
    // Another program set, changed or took away reminders: the snapshot follows the file.
    if (m_remindersFileVersion && m_remindersFileVersion->changedSinceRead())
        guarded([this] { OpenDueReminders(); });
    const QDateTime now = store::Clock::now();
    m_remindersCheckedAt = now;
    m_remindersSince.clear();
    const store::Query& snapshot = AQclipReminds();
    if (!snapshot.isOpen() || snapshot.recordCount() == 0)
        return;
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
    for (int row : m_shownReminders.due(rows, now)) {
        if (!reminderStillStored(row))
            continue;
        due.push_back(row);
        m_shownReminders.markShown({store::reminderlog::noteKey(*rows[size_t(row)].note), *rows[size_t(row)].time});
    }
    // What was shown is kept before it shows, so that none shows again after a restart; and
    // at the first check after the file came to keep an older check or none (a first start,
    // another program), which would show again what this run showed, or show nothing that
    // falls due while the program is closed.
    if (!due.empty() || !m_remindersCheckedKept)
        keepRemindersChecked();
    // Due before this run began (the program was not running then), or shown more than a
    // minute after its minute (the machine slept).
    const QByteArray lateBefore = dialogs::reminderMinute(now.addSecs(-60));
    QStringList texts;
    for (int row : due) {
        const QByteArray minute = dialogs::reminderMinute(*rows[size_t(row)].time);
        const QString text = snapshot.value(row, contentColumn).toString();
        const bool late = minute < lateBefore || *rows[size_t(row)].time < m_remindersStartedAt;
        texts << (late ? QStringLiteral("Late, due %1:\n%2").arg(QString::fromLatin1(minute), text) : text);
    }
    for (const QString& text : texts) {
        dialogs::ShowRemindText(text, this);
        if (isVisible()) {
            raise();
            activateWindow();
        }
    }
}

dialogs::TOptionForm& TMiniForm::optionForm()
{
    if (!m_optionForm)
        m_optionForm = new dialogs::TOptionForm(this);
    return *m_optionForm;
}

void TMiniForm::Options1Click()
{
    // The dialog starts from the list's face and character set with NoteFont's own colour,
    // style and size, whichever cell the list drew last; so Cancel changes nothing shown.
    widgets::FontValue& font = m_state.NoteFont;
    font.face = m_noteListView->listFont().face;
    font.charset = m_noteListView->listFont().charset;
    if (!dialogs::ShowOptionsDialog(optionForm(), font))
        return;
    m_noteListView->listFont() = font;
    sgContents->viewport()->update();
    guarded([this] {
        store::Query& query = AQclipModify();
        const widgets::FontValue& chosen = m_state.NoteFont;
        const auto store = [&query](const char* key, const auto& setParameter) {
            query.close();
            query.clearSql();
            query.addLine(store::sql::updateOption(QString::fromLatin1(key)));
            setParameter();
            query.execSql();
        };
        store("font_size", [&] { query.setInteger(QStringLiteral("afontsize"), chosen.size); });
        store("font_style", [&] { query.setInteger(QStringLiteral("afontstyle"), chosen.style); });
        store("font_color", [&] { query.setInteger(QStringLiteral("afontcolor"), chosen.color); });
        store("font_charset", [&] { query.setByte(QStringLiteral("afontcharset"), quint8(chosen.charset)); });
    });
}

void TMiniForm::Export1Click()
{
    guarded([this] {
        store::Query& query = AQclipModify();
        query.close();
        query.clearSql();
        query.addLine(store::sql::exportNotes(m_state.CurGroupId));
        query.open(); // before the dialog: the file holds the notes as they were when chosen
        const QByteArray bytes = dialogs::exportText(query);
        query.close();
        const QString name = widgets::Modal::saveFileName(this, QStringLiteral("Save As"), m_exportFileName,
                                                          dialogs::exportFileFilter(), QStringLiteral("txt"));
        if (name.isEmpty())
            return;
        m_exportFileName = name;
        QString error;
        if (!dialogs::writeExportFile(name, bytes, error))
            showToolError(this, error);
    });
}

void TMiniForm::Print1Click()
{
    if (!m_printerPort)
        m_printerPort = dialogs::PrinterPort::system();
    QString error;
    if (!dialogs::printNote(*m_printerPort, sgContents->cellText(1, sgContents->currentRow()), error))
        showToolError(this, error);
}

void TMiniForm::Help1Click()
{
    const QString path = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("Quibbet Standard.chm"));
    QDesktopServices::openUrl(QUrl::fromLocalFile(path)); // a failure is not reported
}

dialogs::TfrmAbout& TMiniForm::frmAbout()
{
    if (!m_frmAbout)
        m_frmAbout = new dialogs::TfrmAbout(this);
    return *m_frmAbout;
}

void TMiniForm::About1Click()
{
    widgets::Modal::exec(frmAbout());
}

} // namespace app
