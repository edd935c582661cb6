#pragma once

#include "app/NotesFile.h"
#include "app/SharedState.h"
#include "app/CategoryTabs.h"
#include "app/DeleteHistory.h"
#include "app/NoteEditing.h"
#include "app/NoteListView.h"
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

class TMiniForm;
// The category a new note is filed under now: the selected tab's, known by id and name.
store::Filing categoryForNewNote(TMiniForm& form);

// The private message that rebuilds the note list; always delivered synchronously.
constexpr QEvent::Type ReloadNoteList = QEvent::Type(1224);

// The main window: the note list, the memo, the tool row, the category tabs and the
// status bar, with the process-wide state. Its handlers live in files by concern
// (MiniFormNoteList.cpp, MiniFormEditing.cpp, MiniFormCategories.cpp, MiniFormWindow.cpp,
// MiniFormTools.cpp); this file holds what they share.
class TMiniForm : public QWidget {
    Q_OBJECT
public:
    explicit TMiniForm(const QString& databasePath, QWidget* parent = nullptr);
    ~TMiniForm() override;

    // Runs the creation sequence; false when a statement failed (the error was shown).
    bool FormCreate();

    SharedState& state() { return m_state; }
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

    // Controls, named as the window's layout names them.
    widgets::TFlatTitlebar* FlatTitlebar1 = nullptr;
    QWidget* btnLock = nullptr;
    QWidget* btnKey = nullptr;
    QWidget* SpeedButton2 = nullptr;
    widgets::TFlatPanel* pnlAll = nullptr;
    QWidget* pnlHeader = nullptr;
    widgets::TMouseEffectImage* imgPre = nullptr;
    widgets::TMouseEffectImage* imgNext = nullptr;
    widgets::TMouseEffectImage* imgNew = nullptr;
    widgets::TMouseEffectImage* imgApply = nullptr;
    widgets::TMouseEffectImage* imgDelete = nullptr;
    widgets::TMouseEffectImage* imgBrowseMode = nullptr;
    widgets::TMouseEffectImage* imgEditMode = nullptr;
    QLabel* imgBrowseModeDis = nullptr;
    QLabel* imgEditModeDis = nullptr;
    QWidget* pnlBackGround = nullptr;
    NoteGrid* sgContents = nullptr;
    widgets::TFlatMemo* memoContent = nullptr;
    widgets::TabSet* tabGroups = nullptr;
    QWidget* pnlStatusBar = nullptr;
    QLabel* pnlStatus1 = nullptr;
    QLabel* pnlStatus2 = nullptr;

    QMenu* popGrid = nullptr;
    QMenu* popCat = nullptr;
    QMenu* popTray = nullptr;
    QAction* actNewCategory = nullptr;
    QTimer* tmRemind = nullptr;
    // The notification-area entry; window behaviour owns it.
    widgets::TTrayIcon* TrayIcon1 = nullptr;



    // Window behaviour (WindowBehaviour): what is left here is the way out.
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
    void reloadIfFileChanged();
    void startIntegrityCheck();

    SharedState m_state;
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

    std::optional<store::StoreError> m_reloadError;
    std::thread m_integrityCheck;
};

} // namespace app
