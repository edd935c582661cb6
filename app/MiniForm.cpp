#include "app/MiniForm.h"

#include "app/NoteGrid.h"
#include "app/NotesBackups.h"
#include "platform/GlobalHotKey.h"
#include "store/IntegrityCheck.h"
#include "store/Statements.h"
#include "widgets/Modal.h"
#include "widgets/TabSet.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLoggingCategory>
#include <QPlainTextEdit>
#include <QScopeGuard>
#include <QSessionManager>
#include <QTimer>

Q_LOGGING_CATEGORY(lcApp, "quibbet.app")

namespace {
constexpr int kIntegrityCheckDelayMs = 1000;
}

namespace app {

TMiniForm::TMiniForm(const QString& databasePath, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      m_notesFile(std::make_unique<NotesFile>(databasePath)),
      m_notesBackups(std::make_unique<NotesBackups>(*m_notesFile))
{
    m_notesFile->setErrorReporter([this](const QString& message) { showStoreError(message); });
    setWindowTitle(QStringLiteral("Quibbet"));
    setObjectName(QStringLiteral("MiniForm"));
    buildLayout();
    buildMenus();
    buildUndoEntry();
    connectHandlers();
    // Every way out of the program passes here: Exit in the tray menu, the close command, a
    // quit signal; logging out asks for the data before the end.
    connect(qApp, &QCoreApplication::aboutToQuit, this, &TMiniForm::storeBeforeExit);
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager&) { storeBeforeExit(); });
}

TMiniForm::~TMiniForm()
{
    if (m_integrityCheck.joinable())
        m_integrityCheck.join();
}

bool TMiniForm::FormCreate()
{
    sgContents->setColWidth(0, 50);
    m_state.ApplyMode = QStringLiteral("I");
    m_savedHeight = height();
    btnLockClick();
    return guarded([this] {
        store::Query& query = AQclipModify();
        query.close();
        query.clearSql();
        query.addLine(store::sql::selectGroupNames);
        query.open(); // the first statement: opens, and if need be creates, the notes file
        query.close();
        gatherStrayNotes();
        query.clearSql();
        query.addLine(store::sql::selectGroupNames);
        query.open();
        for (int row = 0; row < query.recordCount(); ++row)
            tabGroups->insertTab(tabGroups->count() - 1, query.value(row, 0).toString());
        query.close();

        loadRecentlyDeleted(); // before the list: new notes get ids above those it holds
        // What the last run could not store on its way out, in the list from the start.
        const QString kept = storeKeptDrafts();
        sendReloadNoteList();
        imgBrowseModeClick();
        if (!kept.isEmpty())
            pnlStatus1->setText(kept);
        OpenDueReminders();
        // Reminders that fell due while the program was not running show as soon as the
        // window is up, not a minute later.
        QTimer::singleShot(kIntegrityCheckDelayMs, this, [this] { tmRemindTimer(); });
        registerHotKey();
        readNoteFont();
        // Started once the window is up, so the check does not compete with the first
        // reading of the list and the window's first appearance.
        QTimer::singleShot(kIntegrityCheckDelayMs, this, [this] { startIntegrityCheck(); });
        startBackups();
    });
}

void TMiniForm::startIntegrityCheck()
{
    // Reading the whole file takes a while at 100,000 notes: the window does not wait for
    // it, and a damaged file is reported as soon as the check knows.
    m_integrityCheck = std::thread([this, path = m_notesFile->path()] {
        const QString problem = store::quickCheck(path);
        if (!problem.isEmpty()) {
            QMetaObject::invokeMethod(
                this,
                [this, problem] {
                    widgets::Modal::message(this, QMessageBox::Critical, QStringLiteral("Quibbet"), problem);
                },
                Qt::QueuedConnection);
        }
    });
}

void TMiniForm::sendReloadNoteList()
{
    QEvent reload(ReloadNoteList);
    QCoreApplication::sendEvent(this, &reload);
    if (m_reloadError) {
        const store::StoreError error = *m_reloadError;
        m_reloadError.reset();
        throw error;
    }
}

bool TMiniForm::event(QEvent* event)
{
    if (event->type() == ReloadNoteList) {
        // An error must not unwind through the toolkit's event delivery: it is handed back
        // to the sender, whose handler it ends.
        try {
            reloadNoteList();
        } catch (const store::StoreError& error) {
            m_reloadError = error;
        }
        return true;
    }
    // A dialog of the window has closed: with the pointer elsewhere, no leave event follows
    // to roll a docked window up.
    if (event->type() == QEvent::WindowUnblocked)
        QTimer::singleShot(0, this, [this] { rollUpUnlessPointerOver(); });
    return QWidget::event(event);
}

void TMiniForm::showStoreError(const QString& message)
{
    widgets::Modal::message(this, QMessageBox::Critical, QStringLiteral("Quibbet"), message);
}

void TMiniForm::registerHotKey()
{
    m_hotKey = platform::GlobalHotKey::create();
    connect(m_hotKey.get(), &platform::GlobalHotKey::activated, this, &TMiniForm::hotKeyPressed);
    m_hotKey->registerF9(); // failure is not reported: the program runs without a hot key
}

// The notes' font as the file keeps it, over the default for what it does not keep.
void TMiniForm::readNoteFont()
{
    m_state.NoteFont = widgets::FontValue::defaultFont();
    LoadNoteFont();
    applyMemoFont();
    sgContents->viewport()->update();
}

void TMiniForm::applyMemoFont()
{
    memoContent->setFont(m_state.NoteFont.toQFont());
    QPalette palette = memoContent->palette();
    palette.setColor(QPalette::Text, widgets::toQColor(m_state.NoteFont.color, palette));
    memoContent->setPalette(palette);
}

} // namespace app
