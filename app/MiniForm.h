#pragma once

#include "app/NotesFile.h"
#include "app/SharedState.h"
#include "app/UndoDelete.h"
#include "dialogs/PrinterPort.h"
#include "dialogs/ReminderSchedule.h"
#include "store/Database.h"
#include "store/NoteInsert.h"
#include "store/NoteList.h"
#include "store/Query.h"
#include "widgets/FlatMemo.h"
#include "widgets/FlatPanel.h"
#include "widgets/TrayIcon.h"
#include "widgets/TrayIconShell.h"

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
namespace platform {
class GlobalHotKey;
}
namespace dialogs {
class TfrmAbout;
class TOptionForm;
} // namespace dialogs

namespace app {

class NoteGrid;
class NotesBackups;
class HiddenWindows;
class IconifyCheck;
class UnreportedLeave;
class NotesFileVersion;

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
    NotesBackups& notesBackups() { return *m_notesBackups; }
    store::Database& database() { return m_notesFile->database(); }
    store::NoteList& AQclipQuery() { return m_notesFile->AQclipQuery(); }
    // Blocks until the list of the shown category has been read whole.
    void waitForNoteList();
    store::Query& AQclipModify() { return m_notesFile->AQclipModify(); }
    store::Query& AQclipReminds() { return m_notesFile->AQclipReminds(); }

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
    // The notification-area entry; owned by the window.
    widgets::TTrayIcon* TrayIcon1 = nullptr;

    // The note list.
    void reloadNoteList();
    // Shows the rows read on the thread once the rest of the list is in.
    void takeRestOfNoteList();
    void fillNoteGrid();
    void syncNoteGrid();
    void appendNoteRows(const store::NoteRows& rows);
    void sgContentsSelectCell(int column, int row, bool& canSelect);
    void sgContentsDrawCell(QPainter& painter, int column, int row, const QRect& rect);
    QByteArray sgContentsCellText(int column, int row) const;
    void sgContentsMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, const QPoint& point);
    void sgContentsMouseMove(Qt::KeyboardModifiers modifiers, const QPoint& point);
    // The font the list draws note text with: its face and character set, NoteFont's
    // colour, style and size for each text cell.
    widgets::FontValue& listFont() { return m_listFont; }

    // Editing and navigation.
    void imgEditModeClick();
    void imgBrowseModeClick();
    void imgNewClick();
    void imgApplyClick();
    void imgDeleteClick();
    void imgPreClick();
    void imgNextClick();
    void sgContentsDblClick();
    void Copy1Click();
    void Edit1Click();
    void Deletenote1Click();
    void memoContentKeyDown(int key, Qt::KeyboardModifiers modifiers);
    // Puts the stored text of the note on screen into the memo.
    void showNoteInMemo(const QString& text);
    // Closing, logging out and SIGTERM store a draft or an unapplied edit first, as Apply
    // would; choosing "Browse mode" is the one way to leave typed text unstored. Nothing on
    // this way waits for a click: a file another program keeps locked is waited for
    // exitWaitMs, then the text is kept aside (KeptDrafts) and stored by the next start.
    void storeBeforeExit();
    void setExitWaitMs(int milliseconds) { m_exitWaitMs = milliseconds; }
    static constexpr int kExitWaitMs = 5000;
    // Where notes kept aside at exit go; the user's data folder unless a test gives another.
    void setKeptDraftsFolder(const QString& folder) { m_keptDraftsFolder = folder; }
    // Puts back what was deleted last in this run: a note or a category.
    void UndoDelete1Click();
    // Lists the notes and categories deleted in the last 30 days, in this run or earlier ones,
    // and puts back the one chosen, by the rules of Undo.
    void RecentlyDeleted1Click();
    QAction* actRecentlyDeleted = nullptr;
    QAction* actUndoDelete = nullptr;
    // The note a reminder set now belongs to: a search copy's reminder is its source note's.
    qint32 noteIdForReminder() const;

    // Categories.
    bool tabGroupsChange(int newIndex);
    void actNewCategoryExecute();
    void Rename1Click();
    void Delete1Click();
    // Brings the tabs in line with the categories of the file, which another program may
    // have changed; the list is left to the caller.
    void refreshTabsFromFile();
    // Notes another program left under a category it deleted go to Default; the status line
    // says so once.
    void gatherStrayNotes();
    // Shows the notes of the selected tab's category, whatever was shown before.
    bool showSelectedCategory();

    // Window behaviour.
    void btnLockClick();
    void SpeedButton2Click();
    void Exit1Click();
    bool isStayOnTop() const;
    void TrayIcon1Click(widgets::TrayButton button);
    void FormShow();
    void FormClose();
    // The tray click, F9 and `quibbet --toggle`: brings a minimised program back to the
    // front, or minimises a shown one.
    void showOrHide();
    // A second start on the same notes file: shows the program as showOrHide() does, or,
    // shown already, brings it to the front; never hides it.
    void bringToFront();
    bool isApplicationMinimised() const;
    // Moves the window as its own drag does, snapped to the screen edges.
    void moveSnapped(QPoint proposed);
    bool DockedAtTop() const { return m_dockedAtTop; }
    // Whether `quibbet --toggle` reaches this program: where the window system cannot give
    // a minimised window back (Wayland), minimising then hides instead.
    void setToggleAnswered(bool on) { m_toggleAnswered = on; }
    int SavedHeight() const { return m_savedHeight; }
    // Whether the window system says when the pointer leaves the window (not XWayland, for
    // the desktop and Wayland windows); where it does not, the docked strip rolls up when the
    // window loses the focus or the pointer rests. Taken from the platform at start.
    void setPointerLeavingReported(bool reported);
    // The height of the strip a window docked at the top rolls up to.
    static constexpr int kStripHeight = 24;

    // Tools.
    void Search1Click();
    void Reminder1Click();
    void OpenDueReminders();
    void tmRemindTimer();
    // Whether the reminder of that row of the snapshot is still in the file.
    bool reminderStillStored(int snapshotRow);
    // Keeping the moment of this run's last check and the reminders it showed (when a
    // reminder's minute has come, see tmRemindTimer).
    void keepRemindersChecked();
    void keepRemindersCheckedAtExit();
    void writeRemindersChecked();
    void LoadNoteFont();
    void Options1Click();
    void Export1Click();
    void Print1Click();
    void Help1Click();
    void About1Click();
    // Statement 16: the note's first reminder row changed, or one added; then the snapshot
    // of pending reminders is read again.
    void saveReminder(qint32 clipId, const QString& text, const QDateTime& when);
    // The about box and the options dialog live for the rest of the run once made.
    dialogs::TfrmAbout& frmAbout();
    dialogs::TOptionForm& optionForm();
    // Where Print sends its page: the default printer, unless a test gives another.
    void setPrinterPort(std::unique_ptr<dialogs::PrinterPort> port) { m_printerPort = std::move(port); }
    const QString& exportFileName() const { return m_exportFileName; }

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
    void registerHotKey();
    void hotKeyPressed(int virtualKey);
    void setUpWindowBehaviour();
    void setStayOnTop(bool on);
    void minimiseApplication();
    void hideApplication();
    void restoreApplication();
    void placeAsWhenHidden();
    void iconifyIgnored();
    void forgetPointer();
    bool hasWayBack() const;
    void showIcons(); // the window's and the tray's
    void trayMayHaveAppeared();
    void rollUpUnlessPointerOver();
    void rollUpIfPointerGone();
    void unrollForPointer();
    void takeBackActivation();
    void reloadIfFileChanged();
    void applyMemoFont();
    void readNoteFont();
    void installMemoKeys();
    void startIntegrityCheck();
    void buildUndoEntry();
    void loadRecentlyDeleted();
    void restoreDeleted(size_t index);
    bool refuseDamagedItem(size_t index);
    void undoDeleteChanged();
    void deleteShownNote();
    void selectNoteRowFrom(int row);
    bool storeMemo(QString& notice);
    QString writeMemo();
    // Kept drafts (MiniFormKeptDrafts.cpp).
    void keepDraftAtExit(const QString& why);
    void forgetKeptDraft();
    QString storeKeptDrafts();
    void restoreDraft(const QString& text);
    // Typed in the memo and neither applied nor given up with "Browse mode".
    bool hasUnstoredText() const;
    bool keepTypedText();
    bool showCategory(int index);

    SharedState m_state;
    UndoDelete m_undo;
    std::unique_ptr<NotesFile> m_notesFile;
    std::unique_ptr<NotesBackups> m_notesBackups;
    std::unique_ptr<platform::GlobalHotKey> m_hotKey;

    widgets::FontValue m_listFont = widgets::FontValue::defaultFont();
    bool m_rebuildingList = false;
    int m_gridNotes = 0;   // notes of the list that the grid has rows for
    int m_gridLayout = -1; // the list's layout those rows were made from
    std::optional<store::StoreError> m_reloadError;
    std::thread m_integrityCheck;
    int m_hintRow = -1;
    int m_savedHeight = 0;
    bool m_stayOnTop = false;
    QString m_statusBeforeEdit; // what the status line said before edit mode asked for Ctrl+Enter

    dialogs::ShownReminders m_shownReminders;
    dialogs::TfrmAbout* m_frmAbout = nullptr;
    dialogs::TOptionForm* m_optionForm = nullptr;
    std::unique_ptr<dialogs::PrinterPort> m_printerPort;
    QString m_exportFileName; // the save dialog starts with the name chosen last in the run
    bool m_dockedAtTop = false;
    bool m_shownBefore = false;
    bool m_snapCorrectionPending = false;
    bool m_toggleAnswered = false;
    std::optional<QPoint> m_placeWhenHidden; // where the window was shown when it was hidden
    // Dialogs hidden with the window, shown again with it (a child of the window).
    HiddenWindows* m_hiddenWindows = nullptr;
    // Tells when the window system ignored a request to minimise (a child of the window).
    IconifyCheck* m_iconifyCheck = nullptr;
    // Stands in for the pointer's leaving where the window system does not report it (a child).
    UnreportedLeave* m_unreportedLeave = nullptr;
    // Whether another process changed the file since the pending reminders were read.
    NotesFileVersion* m_remindersFileVersion = nullptr;
    QDateTime m_remindersCheckedAt;      // the moment up to which the reminders were checked
    QString m_remindersSince;            // until the first check: the start's bound, as stored
    bool m_remindersCheckedKept = false; // whether the file keeps the check this run last wrote
    QByteArray m_remindersStartedAt;     // when this run first read them, as remind_time is stored
    // The shell outlives the icon that speaks to it.
    std::unique_ptr<widgets::QtTrayShell> m_trayShell;
    std::unique_ptr<widgets::TTrayIcon> m_trayIcon;
    // The way out (storeBeforeExit) and what it kept aside.
    int m_exitWaitMs = kExitWaitMs;
    bool m_fileBusyAtExit = false;
    QString m_keptDraftsFolder;
    QString m_keptDraftPath; // kept in this run, not stored since
};

} // namespace app
