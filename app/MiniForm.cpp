#include "app/MiniForm.h"

#include "app/ConflictCopyWatch.h"
#include "app/DockingStrip.h"
#include "app/NoteGrid.h"
#include "app/NotesBackups.h"
#include "app/NotesFolderWatch.h"
#include "app/Reminders.h"
#include "store/BackupFolder.h"
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
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), m_notesFile(std::make_unique<NotesFile>(databasePath)),
      m_deleteHistory(std::make_unique<DeleteHistory>(*this)), m_categoryTabs(std::make_unique<CategoryTabs>(*this)),
      m_noteListView(std::make_unique<NoteListView>(*this)), m_reminders(std::make_unique<Reminders>(*m_notesFile)),
      m_noteEditing(std::make_unique<NoteEditing>(*this)), m_wayOut(std::make_unique<WayOut>(*this)),
      m_notesBackups(std::make_unique<NotesBackups>(*m_notesFile)),
      m_toolCommands(std::make_unique<ToolCommands>(*this)), m_importNotes(std::make_unique<ImportNotes>(*this))
{
    m_notesFile->setErrorReporter([this](const QString& message) { showStoreError(message); });
    // A file another program put in place of the notes file, met by any command: the window
    // takes it up once that command is done.
    m_notesFile->database().onReplaced = [this] { QTimer::singleShot(0, this, [this] { reloadIfFileChanged(); }); };
    setWindowTitle(QStringLiteral("Quibbet"));
    setObjectName(QStringLiteral("MiniForm"));
    buildLayout();
    buildMenus();
    m_deleteHistory->addMenuEntries();
    connectHandlers();
    // Every way out of the program passes here: Exit in the tray menu, the close command, a
    // quit signal; logging out asks for the data before the end.
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] { m_wayOut->storeBeforeExit(); });
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager&) { m_wayOut->storeBeforeExit(); });
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
    m_windowBehaviour->dockingStrip().setSavedHeight(height());
    m_windowBehaviour->btnLockClick();
    return guarded([this] {
        store::Query& query = m_notesFile->AQclipModify();
        query.close();
        query.clearSql();
        query.addLine(store::sql::selectGroupNames);
        query.open(); // the first statement: opens, and if need be creates, the notes file
        query.close();
        m_categoryTabs->loadTabs();

        m_deleteHistory->load(); // before the list: new notes get ids above those it holds
        // What the last run could not store on its way out, in the list from the start.
        const QString kept = m_wayOut->storeKeptDrafts();
        sendReloadNoteList();
        m_noteEditing->imgBrowseModeClick();
        if (!kept.isEmpty())
            pnlStatus1->setText(kept);
        OpenDueReminders();
        // Reminders that fell due while the program was not running show as soon as the
        // window is up, not a minute later.
        QTimer::singleShot(kIntegrityCheckDelayMs, this, [this] { tmRemindTimer(); });
        m_windowBehaviour->registerHotKey();
        m_toolCommands->readNoteFont();
        // Started once the window is up, so the check does not compete with the first
        // reading of the list and the window's first appearance.
        QTimer::singleShot(kIntegrityCheckDelayMs, this, [this] { startIntegrityCheck(); });
        startBackups();
        // What another program writes in the folder is taken up while the window runs: notes
        // it wrote, a new file it put in place of the notes file, and what another machine
        // wrote and a sync engine left beside the file as a conflict copy, merged beside the
        // window's work.
        auto* folder = new NotesFolderWatch(m_notesFile->path(), this);
        auto* copies = new ConflictCopyWatch(m_notesFile->path(), store::BackupFolder::defaultFolder(), this);
        connect(folder, &NotesFolderWatch::settled, this, [this, copies] {
            reloadIfFileChanged();
            copies->lookForCopies();
        });
        connect(copies, &ConflictCopyWatch::merged, this, [this](const QString& summary) {
            // Said after the list is read again, which shows the selected note's line.
            reloadIfFileChanged();
            if (!summary.isEmpty())
                pnlStatus1->setText(summary);
        });
        copies->lookForCopies();
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
            m_noteListView->reloadNoteList();
        } catch (const store::StoreError& error) {
            m_reloadError = error;
        }
        return true;
    }
    // A dialog of the window has closed: with the pointer elsewhere, no leave event follows
    // to roll a docked window up.
    if (event->type() == QEvent::WindowUnblocked)
        QTimer::singleShot(0, this, [this] { m_windowBehaviour->dockingStrip().rollUpUnlessPointerOver(); });
    return QWidget::event(event);
}

void TMiniForm::showStoreError(const QString& message)
{
    widgets::Modal::message(this, QMessageBox::Critical, QStringLiteral("Quibbet"), message);
}

} // namespace app
