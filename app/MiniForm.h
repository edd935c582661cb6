#pragma once

#include "app/CategoryTabs.h"
#include "app/DeleteHistory.h"
#include "app/ImportNotes.h"
#include "app/MiniFormControls.h"
#include "app/NoteEditing.h"
#include "app/NoteListView.h"
#include "app/NotesFile.h"
#include "app/SharedState.h"
#include "app/ToolCommands.h"
#include "app/WayOut.h"
#include "app/WindowBehaviour.h"
#include "dialogs/PrinterPort.h"
#include "store/Database.h"
#include "store/NoteInsert.h"
#include "store/NoteList.h"
#include "store/Query.h"
#include "widgets/FlatMemo.h"
#include "widgets/FlatPanel.h"
#include "widgets/TrayIcon.h"

#include <QEvent>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <thread>

class QLabel;
class QMenu;
class QAction;
class QPlainTextEdit;
class QTimer;
class QFrame;

namespace widgets {
class TabSet;
class TMouseEffectImage;
class TFlatTitlebar;
} // namespace widgets
namespace dialogs {
class TfrmAbout;
class TOptionForm;
} // namespace dialogs

namespace app {

class NoteGrid;
class NotesBackups;
class Reminders;

// The private message that rebuilds the note list; always delivered synchronously.
constexpr QEvent::Type ReloadNoteList = QEvent::Type(1224);

// The main window: the note list, the memo, the tool row, the category tabs and the status
// bar (MiniFormControls), with the state the parts share. Each concern is a class of its
// own that the window owns and wires to its controls: the notes file, the list, editing,
// categories, undo, reminders, backups, the tools, the window's behaviour and the way out.
// What is left here is the creation sequence, the reminders and backups on screen, and the
// guard that shows a store error.
class TMiniForm : public QWidget, public MiniFormControls {
    Q_OBJECT
public:
    explicit TMiniForm(const QString& databasePath, QWidget* parent = nullptr);
    ~TMiniForm() override;

    // Runs the creation sequence; false when a statement failed (the error was shown).
    bool FormCreate();

    SharedState& state() { return m_state; }
    // Says on the status line what became of what the user did ("Changed elsewhere: saved as
    // new"): a reload that comes right after leaves it there.
    void showOutcome(const QString& line);
    NotesFile& notesFile() { return *m_notesFile; }
    DeleteHistory& deleteHistory() { return *m_deleteHistory; }
    CategoryTabs& categoryTabs() { return *m_categoryTabs; }
    NoteListView& noteListView() { return *m_noteListView; }
    Reminders& reminders() { return *m_reminders; }
    WindowBehaviour& windowBehaviour() { return *m_windowBehaviour; }
    NoteEditing& noteEditing() { return *m_noteEditing; }
    WayOut& wayOut() { return *m_wayOut; }
    NotesBackups& notesBackups() { return *m_notesBackups; }
    ToolCommands& toolCommands() { return *m_toolCommands; }

    // The way out; the rest of the window's behaviour is WindowBehaviour's.
    void Exit1Click();
    void FormClose();

    // Reminders on screen (MiniFormReminders.cpp): the rules are the Reminders class's.
    void Reminder1Click();
    void OpenDueReminders();
    void tmRemindTimer();

    // Backups (MiniFormBackups.cpp): one a day on a thread; a restore reads everything again.
    void startBackups();
    void RestoreFromBackup1Click();

    // Runs a handler; an error of the store ends it and is shown in a message box.
    // Returns false when it failed.
    bool guarded(const std::function<void()>& handler) { return m_notesFile->guarded(handler); }
    // Sends ReloadNoteList and waits for it; a store error of the rebuild is thrown here.
    void sendReloadNoteList();
    void showStoreError(const QString& message);
    // Takes up what another program (or another connection: an import) wrote to the file: the
    // tabs, the list and the reminders, when the list is in front.
    void reloadIfFileChanged();
    ImportNotes& importNotes() { return *m_importNotes; }

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildLayout();
    void setToolRowPictures();
    void buildMenus();
    void connectHandlers();
    void setUpWindowBehaviour();
    void startIntegrityCheck();

    SharedState m_state;
    QString m_outcomeShown; // the last line a command said about what became of the user's text
    std::unique_ptr<NotesFile> m_notesFile;
    std::unique_ptr<DeleteHistory> m_deleteHistory;
    std::unique_ptr<CategoryTabs> m_categoryTabs;
    std::unique_ptr<NoteListView> m_noteListView;
    std::unique_ptr<Reminders> m_reminders;
    std::unique_ptr<WindowBehaviour> m_windowBehaviour;
    std::unique_ptr<NoteEditing> m_noteEditing;
    std::unique_ptr<WayOut> m_wayOut;
    std::unique_ptr<NotesBackups> m_notesBackups;
    std::unique_ptr<ToolCommands> m_toolCommands;
    std::unique_ptr<ImportNotes> m_importNotes;

    std::optional<store::StoreError> m_reloadError;
    std::thread m_integrityCheck;
};

} // namespace app
