// The tools reached from the menus: search, reminders, options, export, print, help, about.
#include "app/MiniForm.h"

#include "app/NoteGrid.h"
#include "app/Reminders.h"
#include "dialogs/FrmAbout.h"
#include "dialogs/FrmRemind.h"
#include "dialogs/NoteExport.h"
#include "dialogs/NotePrint.h"
#include "dialogs/OptionForm.h"
#include "dialogs/ShowRemindForm.h"
#include "store/Statements.h"
#include "widgets/Modal.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QTimer>
#include <QUrl>

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
    m_reminders->open();
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
