// The tools reached from the menus: search, the notes' font and options, export, print, help
// and about.
#include "app/ToolCommands.h"
#include "app/MiniForm.h"

#include "app/NoteGrid.h"
#include "dialogs/FrmAbout.h"
#include "dialogs/FrmSearch.h"
#include "dialogs/NoteExport.h"
#include "dialogs/NotePrint.h"
#include "dialogs/OptionForm.h"
#include "store/Statements.h"
#include "widgets/Modal.h"
#include "widgets/TabSet.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QPlainTextEdit>
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

ToolCommands::ToolCommands(TMiniForm& form) : m_form(form) {}

ToolCommands::~ToolCommands() = default;

void ToolCommands::Search1Click()
{
    QString text;
    if (!dialogs::ShowSearchDialog(text, &m_form))
        return;
    m_form.guarded([&] {
        store::Query& modify = m_form.notesFile().AQclipModify();
        bool copied = true;
        {
            // The old copies go and the new ones come in one transaction: one sync instead of
            // two, and a search that fails (a full disk) leaves the last results as they were.
            store::Database::Transaction transaction(m_form.notesFile().database());
            modify.close();
            modify.clearSql();
            modify.addLine(store::sql::deleteSearchCopies);
            modify.execSql();
            modify.clearSql();
            modify.addLine(store::sql::copySearchMatches(text));
            try {
                modify.execSql();
                transaction.commit();
            } catch (const store::StoreError&) {
                copied = false;
            }
        }
        if (!copied)
            // The statement itself tells what could not be copied; the Search list still
            // holds the last results, so it is still worth showing.
            widgets::Modal::message(&m_form, QMessageBox::NoIcon, QStringLiteral("Quibbet"), modify.sql());

        const int searchTab = int(m_form.tabGroups->tabs().indexOf(QStringLiteral("Search")));
        if (searchTab < 0)
            return;
        if (searchTab != m_form.tabGroups->tabIndex())
            m_form.tabGroups->setTabIndex(searchTab);
        else if (m_form.state().InBrowseMode)
            // Already selected, so the tab set asks nothing; the list must not keep showing
            // the old results (nor, after a delete, another category's notes).
            m_form.categoryTabs().showSelectedCategory();
    });
}

// The notes' font as the file keeps it, over the default for what it does not keep.
void ToolCommands::readNoteFont()
{
    m_form.state().NoteFont = widgets::FontValue::defaultFont();
    LoadNoteFont();
    applyMemoFont();
    m_form.sgContents->viewport()->update();
}

void ToolCommands::applyMemoFont()
{
    m_form.memoContent->setFont(m_form.state().NoteFont.toQFont());
    QPalette palette = m_form.memoContent->palette();
    palette.setColor(QPalette::Text, widgets::toQColor(m_form.state().NoteFont.color, palette));
    m_form.memoContent->setPalette(palette);
}

void ToolCommands::LoadNoteFont()
{
    store::Query& query = m_form.notesFile().AQclipModify();
    int values[4] = {};
    for (int i = 0; i < 4; ++i) {
        query.close();
        query.clearSql();
        query.addLine(store::sql::selectOption(QString::fromLatin1(kFontOptions[i])));
        query.open();
        values[i] = query.fieldAsInteger(QStringLiteral("optionvalue"));
    }
    query.close();
    widgets::FontValue& font = m_form.state().NoteFont;
    if (values[0] != 0)
        font.size = values[0];
    if (values[1] != 0)
        font.style = values[1] & 0xFF;
    if (values[2] != 0)
        font.color = values[2];
    if (values[3] != 0)
        font.charset = values[3] & 0xFF;
}

dialogs::TOptionForm& ToolCommands::optionForm()
{
    if (!m_optionForm)
        m_optionForm = new dialogs::TOptionForm(&m_form);
    return *m_optionForm;
}

void ToolCommands::Options1Click()
{
    // The dialog starts from the list's face and character set with NoteFont's own colour,
    // style and size, whichever cell the list drew last; so Cancel changes nothing shown.
    widgets::FontValue& font = m_form.state().NoteFont;
    font.face = m_form.noteListView().listFont().face;
    font.charset = m_form.noteListView().listFont().charset;
    if (!dialogs::ShowOptionsDialog(optionForm(), font))
        return;
    m_form.noteListView().listFont() = font;
    m_form.sgContents->viewport()->update();
    m_form.guarded([this] {
        store::Query& query = m_form.notesFile().AQclipModify();
        const widgets::FontValue& chosen = m_form.state().NoteFont;
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

void ToolCommands::Export1Click()
{
    m_form.guarded([this] {
        store::Query& query = m_form.notesFile().AQclipModify();
        query.close();
        query.clearSql();
        query.addLine(store::sql::exportNotes(m_form.state().CurGroupId));
        query.open(); // before the dialog: the file holds the notes as they were when chosen
        const QByteArray bytes = dialogs::exportText(query);
        query.close();
        const QString name = widgets::Modal::saveFileName(&m_form, tr("Save As"), m_exportFileName,
                                                          dialogs::exportFileFilter(), QStringLiteral("txt"));
        if (name.isEmpty())
            return;
        m_exportFileName = name;
        QString error;
        if (!dialogs::writeExportFile(name, bytes, error))
            showToolError(&m_form, error);
    });
}

void ToolCommands::Print1Click()
{
    if (!m_printerPort)
        m_printerPort = dialogs::PrinterPort::system();
    QString error;
    if (!dialogs::printNote(*m_printerPort, m_form.sgContents->cellText(1, m_form.sgContents->currentRow()), error))
        showToolError(&m_form, error);
}

void ToolCommands::Help1Click()
{
    const QString path = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("Quibbet Standard.chm"));
    QDesktopServices::openUrl(QUrl::fromLocalFile(path)); // a failure is not reported
}

dialogs::TfrmAbout& ToolCommands::frmAbout()
{
    if (!m_frmAbout)
        m_frmAbout = new dialogs::TfrmAbout(&m_form);
    return *m_frmAbout;
}

void ToolCommands::About1Click()
{
    widgets::Modal::exec(frmAbout());
}

} // namespace app
