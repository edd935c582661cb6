// Seeded random sequences of user actions on the real main window and a real notes file,
// each step checked against a model of what the user should have. A failure prints the seed
// and the steps. QUIBBET_SEQUENCES="count[,seed]" runs more (or other) sequences.
#include "ListAsStored.h"
#include "SequenceModel.h"

#include "app/MemoText.h"
#include "app/MiniForm.h"
#include "app/NoteGrid.h"
#include "app/QuitSignals.h"
#include "dialogs/CategoryManage.h"
#include "dialogs/FrmRemind.h"
#include "dialogs/FrmSearch.h"
#include "dialogs/ImportForm.h"
#include "dialogs/ShowRemindForm.h"
#include "dialogs/TimeOfDayEdit.h"
#include "store/Clock.h"
#include "tests/support/TestDatabase.h"
#include "widgets/Modal.h"
#include "widgets/MouseEffectImage.h"
#include "widgets/TabSet.h"

#include <QAction>
#include <QApplication>
#include <QDateEdit>
#include <QFile>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <csignal>
#include <cstdio>
#include <functional>

using namespace sequences;

namespace {

constexpr int kDefaultSequences = 300;
constexpr int kStepsPerSequence = 30;

const QStringList kWords = {"alpha", "beta", "it's", "50% off", "a_b", "gamma delta", "x"};
// Notes as users write them beyond ASCII: a paragraph of Arabic, and lines that end in CR
// alone, as some programs write them (typed, the CR is the Return key).
const QStringList kWrittenWords = kWords + QStringList{QStringLiteral("مرحبا x"), QStringLiteral("cr one\rcr two")};
const QStringList kCategoryNames = {"Work", "Home", "Default",  "Search", "*New",
                                    "it's", "Work", " default", "work ",  "HOME"};
const QStringList kSearchTexts = {"a", "it's", "%", "_", "zz", "be", "", "a_b", "note"};

enum class Action {
    New,
    NewByKey,
    Type,
    Apply,
    ApplyTwice,
    ApplyByKey,
    ClickRow,
    Delete,
    DeleteByKey,
    Prior,
    Next,
    EditSwitch,
    BrowseSwitch,
    DoubleClick,
    Tab,
    NewCategory,
    Rename,
    DeleteCategory,
    Search,
    Undo,
    UndoByMenu,
    Reminder,
    Restart,
    Outside,
    Activate,
    // Reminders and the clock.
    ClockForward,
    ClockBack,
    // The way out: hidden to the tray, then Exit or SIGTERM; and SIGTERM while another program
    // holds the file's write lock, then a new start.
    HideThenExit,
    ExitUnderLock,
    // Another machine's version through a sync engine: the file replaced by a rename, and a
    // conflict copy left beside it.
    Replaced,
    ConflictCopy,
    // A folder of text files imported through "Import notes...", now and then one imported before.
    Import
};

// Each action with how often it is drawn.
const std::vector<std::pair<Action, int>> kActions = {
    {Action::New, 6},           {Action::NewByKey, 3},       {Action::Type, 14},        {Action::Apply, 8},
    {Action::ApplyTwice, 3},    {Action::ApplyByKey, 6},     {Action::ClickRow, 10},    {Action::Delete, 5},
    {Action::DeleteByKey, 4},   {Action::Prior, 3},          {Action::Next, 3},         {Action::EditSwitch, 5},
    {Action::BrowseSwitch, 3},  {Action::DoubleClick, 4},    {Action::Tab, 7},          {Action::NewCategory, 4},
    {Action::Rename, 2},        {Action::DeleteCategory, 3}, {Action::Search, 4},       {Action::Undo, 5},
    {Action::UndoByMenu, 2},    {Action::Reminder, 2},       {Action::Restart, 2},      {Action::Outside, 5},
    {Action::Activate, 2},      {Action::ClockForward, 3},   {Action::ClockBack, 2},    {Action::HideThenExit, 1},
    {Action::ExitUnderLock, 1}, {Action::Replaced, 3},       {Action::ConflictCopy, 2},     {Action::Import, 3},
};
using Actions = std::vector<std::pair<Action, int>>;

// Mostly reminders, restarts and a clock set right and wrong, on a few notes.
const Actions kReminderActions = {
    {Action::New, 2},     {Action::Type, 2},         {Action::Apply, 2},     {Action::ClickRow, 4},
    {Action::Delete, 1},  {Action::Undo, 1},         {Action::Search, 1},    {Action::Reminder, 6},
    {Action::Restart, 6}, {Action::ClockForward, 6}, {Action::ClockBack, 5},
};

// The tests cancel every dialog that nobody answers; a reminder window is read as it comes
// up, whenever the program shows one (at a check of the test's or of its own timers).
QtMessageHandler g_passOn = nullptr;
QWidget* g_reminderOwner = nullptr;
QStringList* g_remindersShown = nullptr;

void noteReminderWindows(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (g_reminderOwner && message == QLatin1String("unanswered dialog: Remind info")) {
        const auto windows = g_reminderOwner->findChildren<dialogs::TShowRemindForm*>();
        if (!windows.isEmpty())
            *g_remindersShown << windows.back()->RemindText;
        return;
    }
    g_passOn(type, context, message);
}

class Sequence {
public:
    // With `longList`, the file starts with that many notes over several days, and lists
    // are shown from their first few rows while the rest is still being read.
    explicit Sequence(quint64 seed, int longList = 0, const Actions& actions = kActions)
        : m_random(seed), m_longList(longList), m_actions(actions)
    {
        for (int id = 1; id <= longList; ++id) {
            const QString text = QStringLiteral("old note %1").arg(id);
            // Files written elsewhere: some days come back later in the list (a note filed
            // with another day's text), and some row ids are past 2^31.
            const int day = id % 7 == 0 ? 9 : 1 + id / 10;
            const QString rowid = id % 11 == 0 ? QString::number(3000000000LL + id) : QStringLiteral("null");
            m_db.exec(QStringLiteral("insert into notes_main (_rowid_,id,group_id,isdone,create_time,content,"
                                     "account_id,record_time) values (%5,%1,0,'0','%2:00 Mon, %3Dec2025','%4','',"
                                     "'2025-12-%6 %2:00:00.000')")
                          .arg(id)
                          .arg(10 + id % 12)
                          .arg(day, 2, 10, QLatin1Char('0'))
                          .arg(text, rowid)
                          .arg(1 + id / 10, 2, 10, QLatin1Char('0')));
            m_model.notes[id] = {0, text};
        }
        store::Clock::setSource([this] { return m_model.reminderTimes.now; });
        g_remindersShown = &m_remindersShown;
        g_passOn = qInstallMessageHandler(noteReminderWindows);
        start();
    }
    ~Sequence()
    {
        qInstallMessageHandler(g_passOn);
        g_reminderOwner = nullptr;
        store::Clock::setSource({});
    }

    QString steps() const { return m_steps.join(QLatin1Char('\n')); }

    // Runs one action; returns the first difference from the model, empty when none.
    QString step()
    {
        const QString problem = act();
        if (!problem.isEmpty())
            return problem;
        // Back in the list after another program wrote: the user looks at the window, which
        // takes up what changed.
        if (m_model.browse && m_model.unseen)
            activate();
        // A minute's check falls after every step; what showed since the last is compared.
        m_form->tmRemindTimer();
        const QString shown = m_model.reminderTimes.look(m_model.reminders, m_remindersShown);
        m_remindersShown.clear();
        if (!shown.isEmpty())
            return shown;
        return check();
    }

private:
    int draw(int bound) { return bound <= 0 ? 0 : int(m_random.bounded(bound)); }
    template <typename T> const T& pick(const QList<T>& from) { return from[draw(int(from.size()))]; }

    app::NoteGrid& grid() { return *m_form->sgContents; }
    QWidget* focused() { return QApplication::focusWidget() ? QApplication::focusWidget() : m_form.get(); }
    void key(int key, Qt::KeyboardModifiers modifiers = {}) { QTest::keyClick(focused(), Qt::Key(key), modifiers); }
    // Letters beyond Latin-1 come as an input method sends them: text without a key code.
    void typeText(const QString& text)
    {
        for (const QChar c : text) {
            if (c.unicode() < 0x80) {
                QTest::keyClick(focused(), c.toLatin1());
            } else {
                QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
                QApplication::sendEvent(focused(), &press);
            }
        }
    }

    void start()
    {
        widgets::Modal::clearQueuedAnswers();
        m_form = std::make_unique<app::TMiniForm>(m_db.path());
        m_form->wayOut().setKeptDraftsFolder(m_keptDrafts.path());
        m_form->importNotes().setHome(m_importRoot.filePath(QStringLiteral("home")));
        if (m_longList > 0)
            m_form->notesFile().AQclipQuery().setFirstRows(1 + draw(6));
        g_reminderOwner = m_form.get();
        QVERIFY(m_form->FormCreate());
        m_form->show();
        m_form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    }

    QList<qint32> noteRows()
    {
        QList<qint32> ids;
        for (int row = 0; row < grid().rowCount(); ++row)
            if (grid().rowKind(row) == app::NoteGrid::RowKind::Note)
                ids << grid().rowTag(row);
        return ids;
    }
    std::optional<qint32> noteAt(int row)
    {
        if (grid().rowKind(row) != app::NoteGrid::RowKind::Note)
            return std::nullopt;
        return grid().rowTag(row);
    }
    // The note shown after `row` is gone or left: the first note at or after it, else before.
    std::optional<qint32> noteFrom(int row, std::optional<qint32> leaving = {})
    {
        m_form->noteListView().waitForNoteList(); // the rows below may still be coming in
        for (int r = std::max(row, 0); r < grid().rowCount(); ++r)
            if (auto id = noteAt(r); id && id != leaving)
                return id;
        for (int r = std::min(row, grid().rowCount() - 1); r >= 0; --r)
            if (auto id = noteAt(r); id && id != leaving)
                return id;
        return std::nullopt;
    }
    int rowOf(qint32 id)
    {
        for (int row = 0; row < grid().rowCount(); ++row)
            if (noteAt(row) == id)
                return row;
        return -1;
    }

    std::map<qint32, Note> fileNotes()
    {
        std::map<qint32, Note> notes;
        store::Query query(m_db.database());
        query.addLine(QStringLiteral("select id,ifnull(group_id,0),content from notes_main where group_id is null or "
                                     "group_id<>1"));
        query.open();
        for (int row = 0; row < query.recordCount(); ++row)
            notes[query.value(row, 0).toInt()] = {query.value(row, 1).toInt(), query.value(row, 2).toString()};
        return notes;
    }
    // The one id the file holds that the model does not know: where a note came to.
    qint32 newNoteId()
    {
        qint32 found = 0;
        for (const auto& [id, note] : fileNotes())
            if (!m_model.notes.count(id))
                found = id;
        return found;
    }
    qint32 categoryIdNamed(const QString& name)
    {
        return m_db
            .scalar(QStringLiteral("select group_id from clip_groups where group_name=") +
                    QStringLiteral("'%1'").arg(QString(name).replace(QLatin1Char('\''), QStringLiteral("''"))))
            .toInt();
    }

    // `meanwhile` runs while the dialog is open, before it is answered.
    void answerCategory(const QString& name, const std::function<void()>& meanwhile = {})
    {
        widgets::Modal::queueDialogAnswer([name, meanwhile](QDialog& shown) {
            if (meanwhile)
                meanwhile();
            auto& dialog = dynamic_cast<dialogs::TCategoryManage&>(shown);
            if (name.isEmpty())
                return int(QDialog::Rejected);
            dialog.edtcatname->setText(name);
            dialog.edtcatDescription->clear();
            dialog.btnOk->click();
            return dialog.result();
        });
    }
    // A dialog that should have come up and did not leaves its answer queued.
    QString dialogCame(bool expected)
    {
        const bool came = !widgets::Modal::hasQueuedAnswers();
        widgets::Modal::clearQueuedAnswers();
        return came == expected ? QString() : QStringLiteral("a dialog %1").arg(came ? "came up" : "did not come up");
    }

    // The window is activated, as when the user comes back to it.
    void activate()
    {
        m_form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
        QEvent activation(QEvent::ActivationChange);
        QApplication::sendEvent(m_form.get(), &activation);
        if (m_model.browse && m_model.unseen) {
            m_model.tabsReread();
            m_model.listReread();
            if (m_model.target) // the note shown, as it is now
                m_model.memo = m_model.opened = m_model.storedText(*m_model.target);
        }
    }

    // Now and then, just before an Apply, another program writes what meets it: the very text
    // the user is about to apply to a stored note (a synced copy of the same edit), where there
    // is then nothing to keep apart and no second note; or it deletes the category written in
    // and gives its id to one of its own, which the note must not go to.
    void writeJustBeforeApply()
    {
        if (m_model.browse || m_model.memo.isEmpty())
            return;
        // The write comes from another machine as often as not: the Apply is the first to
        // meet the file replaced.
        if (draw(2) == 0)
            replaceFile([this] { writeMeetingApply(); });
        else
            writeMeetingApply();
    }

    void writeMeetingApply()
    {
        Model& m = m_model;
        const Category* shown = m.categoryWithId(m.shown);
        if (shown && shown->id != kSearchGroup && draw(2) == 0) {
            const Category gone = *shown;
            const QString name = QStringLiteral("Other %1").arg(gone.id);
            if (m.nameRefused(name, gone.name))
                return;
            m_steps << QStringLiteral("elsewhere: category %1 deleted, its notes to Default, id given to %2")
                           .arg(gone.name, name);
            execElsewhere(QStringLiteral("delete from clip_groups where group_id=%1").arg(gone.id));
            execElsewhere(QStringLiteral("update notes_main set group_id=0 where group_id=%1").arg(gone.id));
            execElsewhere(
                QStringLiteral("insert into clip_groups (group_id,group_name,description) values (%1,'%2','')")
                    .arg(gone.id)
                    .arg(name));
            for (auto& [id, note] : m.notes)
                if (note.group == gone.id)
                    note.group = 0;
            std::erase_if(m.categories, [&](const Category& c) { return c.id == gone.id; });
            m.categories.push_back({gone.id, name});
            m.unseen = true;
            return;
        }
        if (!m.target || m.memo == m.opened || draw(3) != 0)
            return;
        const bool copy = m.showsCopies();
        if (copy && *m.target <= kCopyOffset)
            return;
        const qint32 id = copy ? *m.target - kCopyOffset : *m.target;
        if (!m.notes.count(id))
            return;
        m_steps << QStringLiteral("elsewhere: note %1 becomes \"%2\"").arg(id).arg(m.memo);
        execElsewhere(
            QStringLiteral("update notes_main set content=%1 where id=%2 and (group_id is null or group_id<>1)")
                .arg(QLatin1Char('\'') + QString(m.memo).replace(QLatin1Char('\''), "''") + QLatin1Char('\''))
                .arg(id));
        m.notes[id].text = m.memo;
        m.unseen = true;
    }

    // Another program (a script, the sqlite3 shell) writes the file between two steps.
    void writeElsewhere()
    {
        Model& m = m_model;
        QList<qint32> ids;
        for (const auto& [id, note] : m.notes)
            ids << id;
        QList<Category> named; // categories of the user's own, not Search
        for (const Category& category : m.categories)
            if (category.id != kSearchGroup)
                named << category;
        auto exec = [this](const QString& statement) { execElsewhere(statement); };
        auto quote = [](QString text) {
            return QLatin1Char('\'') + text.replace(QLatin1Char('\''), "''") + QLatin1Char('\'');
        };
        switch (draw(6)) {
        case 0: { // a new note, in Default or a category
            const qint32 group = named.isEmpty() || draw(2) == 0 ? 0 : pick(named).id;
            const qint32 id = (ids.isEmpty() ? 0 : *std::max_element(ids.begin(), ids.end())) + 1;
            const QString text = QStringLiteral("outside %1").arg(pick(kWrittenWords));
            m_steps << QStringLiteral("elsewhere: new note %1 \"%2\" in %3").arg(id).arg(text).arg(group);
            exec(QStringLiteral("insert into notes_main (id,group_id,isdone,create_time,content,account_id) values "
                                "(%1,%2,'0','10:00 Mon, 07Dec2026',%3,'')")
                     .arg(id)
                     .arg(group)
                     .arg(quote(text)));
            m.notes[id] = {group, text};
            break;
        }
        case 1: { // a note's text changed; the note on screen more often than not
            if (ids.isEmpty())
                return;
            qint32 id = pick(ids);
            if (m.target && draw(2) == 0)
                id = *m.target > kCopyOffset && m.showsCopies() ? *m.target - kCopyOffset : *m.target;
            if (!m.notes.count(id))
                return;
            const QString text = m.notes[id].text + QStringLiteral(" [elsewhere]");
            m_steps << QStringLiteral("elsewhere: note %1 becomes \"%2\"").arg(id).arg(text);
            exec(QStringLiteral("update notes_main set content=%1 where id=%2 and (group_id is null or group_id<>1)")
                     .arg(quote(text))
                     .arg(id));
            m.notes[id].text = text;
            break;
        }
        case 2: { // a note deleted, with its reminder, as another Quibbet deletes it
            if (ids.isEmpty())
                return;
            qint32 id = pick(ids);
            if (m.target && draw(2) == 0 && m.notes.count(*m.target))
                id = *m.target;
            m_steps << QStringLiteral("elsewhere: note %1 deleted").arg(id);
            exec(QStringLiteral("delete from notes_main where id=%1 and (group_id is null or group_id<>1)").arg(id));
            exec(QStringLiteral("delete from remind where clip_id=%1").arg(id));
            m.notes.erase(id);
            m.reminders.erase(id);
            break;
        }
        case 3: { // a category deleted, its notes moved to Default; the one shown more often
            if (named.isEmpty())
                return;
            Category gone = pick(named);
            if (const Category* shown = m.categoryWithId(m.shown); shown && shown->id != kSearchGroup && draw(2) == 0)
                gone = *shown;
            // A careless script leaves the notes where they are (of a category that has some,
            // more often than not); another gives the id to a category of its own (the largest
            // id plus one is the deleted one's, often).
            const bool notesLeft = draw(2) == 0;
            for (const auto& [id, note] : m.notes)
                if (notesLeft && note.group > kSearchGroup && m.categoryWithId(note.group) && draw(2) == 0)
                    gone = *m.categoryWithId(note.group);
            const bool hasNotes = std::any_of(m.notes.begin(), m.notes.end(),
                                              [&](const auto& entry) { return entry.second.group == gone.id; });
            if (notesLeft && !hasNotes) { // the script's own note first, so that one is left
                const qint32 id = (ids.isEmpty() ? 0 : *std::max_element(ids.begin(), ids.end())) + 1;
                m_steps << QStringLiteral("elsewhere: new note %1 in %2").arg(id).arg(gone.id);
                exec(QStringLiteral("insert into notes_main (id,group_id,isdone,create_time,content,account_id) values "
                                    "(%1,%2,'0','10:00 Mon, 07Dec2026','left behind','')")
                         .arg(id)
                         .arg(gone.id));
                m.notes[id] = {gone.id, QStringLiteral("left behind")};
            }
            const QString reusedBy = draw(3) == 0 ? QStringLiteral("Other %1").arg(gone.id) : QString();
            const bool reuse = !reusedBy.isEmpty() && !m.nameRefused(reusedBy, gone.name);
            m_steps << QStringLiteral("elsewhere: category %1 deleted%2%3")
                           .arg(gone.name, notesLeft ? QStringLiteral(", notes left") : QString(),
                                reuse ? QStringLiteral(", id given to ") + reusedBy : QString());
            exec(QStringLiteral("delete from clip_groups where group_id=%1").arg(gone.id));
            if (!notesLeft) {
                exec(QStringLiteral("update notes_main set group_id=0 where group_id=%1").arg(gone.id));
                for (auto& [id, note] : m.notes)
                    if (note.group == gone.id)
                        note.group = 0;
            }
            std::erase_if(m.categories, [&](const Category& c) { return c.id == gone.id; });
            if (reuse) {
                exec(QStringLiteral("insert into clip_groups (group_id,group_name,description) values (%1,%2,'')")
                         .arg(gone.id)
                         .arg(quote(reusedBy)));
                m.categories.push_back({gone.id, reusedBy});
            }
            break;
        }
        case 4: { // a category renamed
            if (named.isEmpty())
                return;
            const Category renamed = pick(named);
            const QString name = renamed.name + QStringLiteral(" 2");
            if (m.nameRefused(name, renamed.name) || name.size() > 31)
                return;
            m_steps << QStringLiteral("elsewhere: category %1 renamed %2").arg(renamed.name, name);
            exec(QStringLiteral("update clip_groups set group_name=%1 where group_id=%2")
                     .arg(quote(name))
                     .arg(renamed.id));
            for (Category& category : m.categories)
                if (category.id == renamed.id)
                    category.name = name;
            break;
        }
        default: { // a new category
            const QString name = QStringLiteral("Elsewhere %1").arg(m.categories.size());
            if (m.nameRefused(name))
                return;
            const qint32 id = m_db.scalar(QStringLiteral("select max(group_id) from clip_groups")).toInt() + 100;
            m_steps << QStringLiteral("elsewhere: category %1 made").arg(name);
            exec(QStringLiteral("insert into clip_groups (group_id,group_name,description) values (%1,%2,'')")
                     .arg(id)
                     .arg(quote(name)));
            m.categories.push_back({id, name});
            break;
        }
        }
        m.unseen = true;
    }

    // What another program writes goes to the file, or to another machine's version of it.
    void execElsewhere(const QString& statement)
    {
        store::Query query(m_elsewhere ? *m_elsewhere : m_db.database());
        query.addLine(statement);
        query.execSql();
    }

    // The file as it is now, whole, written beside it as a sync engine stages what it brings.
    QString stagedCopy()
    {
        const QString staged = QDir(m_db.folder()).filePath(QStringLiteral(".syncing.clipdata.dat.tmp"));
        QFile::remove(staged);
        m_db.exec(QStringLiteral("vacuum into '%1'").arg(staged));
        return staged;
    }

    // Another machine's version comes as a sync engine brings it: written beside the file,
    // then renamed over it while the window holds the old one open.
    void replaceFile(const std::function<void()>& write)
    {
        const QString staged = stagedCopy();
        {
            store::Database other(staged);
            m_elsewhere = &other;
            write();
            m_elsewhere = nullptr;
        }
        m_steps << QStringLiteral("elsewhere: that version replaces the file");
        QVERIFY(::rename(QFile::encodeName(staged).constData(), QFile::encodeName(m_db.path()).constData()) == 0);
        m_db.database().followIfReplaced(false);
        m_model.unseen = true;
    }

    // Both machines wrote before the engine passed either change on: the other machine's
    // version, with a note written there, is left beside the file as a conflict copy. The
    // window merges it: the note comes in, nothing else changes.
    void conflictCopyLeft()
    {
        Model& m = m_model;
        qint32 id = 1;
        for (const auto& [noteId, note] : m.notes)
            id = std::max(id, noteId + 1); // the next id there too, often taken here by then
        QList<qint32> groups{0};
        for (const Category& category : m.categories)
            if (category.id != kSearchGroup)
                groups << category.id;
        const qint32 group = pick(groups);
        // Its own text: a note of another program's with the text and time of one the file
        // has is taken for that one.
        const QString text = QStringLiteral("laptop %1 %2").arg(++m_copies).arg(pick(kWrittenWords));
        const QString staged = stagedCopy();
        {
            store::Database other(staged);
            testing::TestDatabase::addNote(other, id, QString::number(group), QStringLiteral("09:09 Tue, 08Dec2026"),
                                           text);
        }
        const QString copy =
            QDir(m_db.folder()).filePath(QStringLiteral("clipdata.sync-conflict-20261208-101500-ABCDEF1.dat"));
        m_steps << QStringLiteral("elsewhere: a conflict copy with note \"%1\" in %2").arg(text).arg(group);
        QVERIFY(::rename(QFile::encodeName(staged).constData(), QFile::encodeName(copy).constData()) == 0);
        // Merged, it goes to the backups folder.
        QTRY_VERIFY_WITH_TIMEOUT(!QFile::exists(copy), 10000);
        m.notes[newNoteId()] = {group, text};
        m.unseen = true;
        activate(); // back from elsewhere while it merged
    }

    // A folder of one to three text files, each in the folder itself or in a subfolder (a
    // category, made when missing); or, now and then, a folder imported before again.
    QString importFolder()
    {
        if (!m_importFolders.isEmpty() && draw(3) == 0)
            return pick(m_importFolders);
        const QString folder = m_importRoot.filePath(QString::number(m_importFolders.size()));
        for (int file = 0, files = 1 + draw(3); file < files; ++file) {
            const QString sub = pick(QStringList{"", "", "Work", "Search", "Imported", "HOME"});
            QDir().mkpath(folder + QLatin1Char('/') + sub);
            QFile text(QStringLiteral("%1/%2/n%3.txt").arg(folder, sub).arg(file));
            if (text.open(QIODevice::WriteOnly))
                text.write(QStringLiteral("imported %1 %2").arg(++m_imports).arg(pick(kWrittenWords)).toUtf8());
        }
        m_importFolders << folder;
        return folder;
    }

    // The creation texts of the real notes, by id.
    std::map<qint32, QString> createTimes()
    {
        std::map<qint32, QString> times;
        store::Query query(m_db.database());
        query.addLine(QStringLiteral("select id,create_time from notes_main where group_id is null or group_id<>1"));
        query.open();
        for (int row = 0; row < query.recordCount(); ++row)
            times[query.value(row, 0).toInt()] = query.value(row, 1).toString();
        return times;
    }

    void waitForImport()
    {
        QSignalSpy finished(&m_form->importNotes(), &app::ImportNotes::finished);
        QVERIFY(!m_form->importNotes().running() || finished.wait(10000));
    }

    QString imported()
    {
        Model& m = m_model;
        const QString folder = importFolder();
        m_steps << QStringLiteral("Import notes... from the folder %1").arg(QDir(folder).dirName());
        // What the user expects to come in: each file's text, line ends as the notes keep them,
        // in the category of its subfolder; a text the notes hold already comes in no more.
        std::map<QString, QString> expected; // text -> subfolder
        std::function<void(const QString&, const QString&)> collect = [&](const QString& at, const QString& sub) {
            for (const QFileInfo& entry : QDir(at).entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
                if (entry.isDir()) {
                    collect(entry.filePath(), entry.fileName());
                    continue;
                }
                QFile file(entry.filePath());
                if (!file.open(QIODevice::ReadOnly))
                    continue;
                QString text = QString::fromUtf8(file.readAll());
                text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
                bool held = false;
                for (const auto& [id, note] : m.notes)
                    held = held || note.text == text;
                if (!held)
                    expected[text] = sub;
            }
        };
        collect(folder, QString());
        widgets::Modal::queueDialogAnswer([folder](QDialog& shown) {
            auto& dialog = dynamic_cast<dialogs::TImportForm&>(shown);
            for (int row = 0; row < dialog.lvSources->topLevelItemCount(); ++row)
                dialog.lvSources->topLevelItem(row)->setCheckState(0, Qt::Unchecked);
            dialog.addFolder(folder);
            dialog.btnImport->click();
            return dialog.result();
        });
        m_form->findChild<QAction*>(QStringLiteral("actImportNotes"))->trigger();
        widgets::Modal::clearQueuedAnswers();
        waitForImport();
        if (QTest::currentTestFailed())
            return QStringLiteral("the import did not end");
        DoneImport done;
        for (const auto& [id, note] : fileNotes()) {
            if (m.notes.count(id))
                continue;
            const auto wanted = expected.find(note.text);
            if (wanted == expected.end())
                return QStringLiteral("the import brought note %1 \"%2\", which no file of it holds").arg(id).arg(note.text);
            const std::optional<qint32> group = m.importCategory(wanted->second);
            if (!group) // made by the import, under the subfolder's name
                m.categories.push_back({categoryIdNamed(wanted->second.trimmed()), wanted->second.trimmed()});
            m.notes[id] = {group ? *group : categoryIdNamed(wanted->second.trimmed()), note.text};
            done.notes.emplace_back(id, createTimes()[id]);
            expected.erase(wanted);
        }
        if (!expected.empty())
            return QStringLiteral("the import left out \"%1\"").arg(expected.begin()->first);
        if (!done.notes.empty()) {
            m.undo.push_back(done);
            m.unseen = true; // the window takes the notes up as another program's
        }
        // Waiting for the import let the closed dialog's deactivation through, which the
        // offscreen platform does not hand back to the window: the user looks at it again.
        activate();
        return {};
    }

    void newCategoryMade(const QString& typed)
    {
        const QString name = typed.trimmed(); // stored without blanks at either end
        if (name.isEmpty() || m_model.nameRefused(name))
            return;
        m_model.categories.push_back({categoryIdNamed(name), name});
        m_model.tabs.insert(m_model.tabs.size() - 1, name);
        if (m_model.browse)
            m_model.switchTo(int(m_model.tabs.size()) - 2);
    }

    void applied()
    {
        if (!m_model.browse) {
            storeMemo();
            m_model.browse = true;
            m_model.listReread();
            if (m_model.target) // what the note holds now, which may be another program's text
                m_model.memo = m_model.opened = m_model.storedText(*m_model.target);
        }
    }

    // What Apply stores, and what stepping to another note stores first in edit mode.
    // The user's text is never written over another program's change: the note takes it
    // only while it still holds what the memo was filled with; else it becomes a new note.
    void storeMemo()
    {
        Model& m = m_model;
        if (m.memo.isEmpty())
            return;
        const QString memo = m.memo;
        const QString opened = m.opened;
        m.opened = memo;
        if (!m.target) {
            const qint32 id = newNoteId();
            m.notes[id] = {m.newNoteHome(), memo};
            m.target = id;
            return;
        }
        const bool copy = m.showsCopies();
        if (copy && *m.target <= kCopyOffset) {
            m.copies[*m.target] = memo;
            return;
        }
        const qint32 real = copy ? *m.target - kCopyOffset : *m.target;
        const auto note = m.notes.find(real);
        if (note != m.notes.end() && (note->second.text == opened || note->second.text == memo)) {
            note->second.text = memo;
            if (m.copies.count(real + kCopyOffset)) // its copy keeps up
                m.copies[real + kCopyOffset] = memo;
            return;
        }
        if (note != m.notes.end() && memo == opened)
            return; // applied unchanged: the other program's text stays
        // Changed or deleted elsewhere: a new note, in the category shown (a copy's: its note's).
        const qint32 group = copy ? m.filedUnder(note != m.notes.end() ? note->second.group : 0) : m.newNoteHome();
        const qint32 id = newNoteId();
        m.notes[id] = {group, memo};
        m.target = id;
        if (copy) { // the copy stands for the new note from now on
            m.copies.erase(real + kCopyOffset);
            m.copies.erase(id + kCopyOffset);
            m.copies[id + kCopyOffset] = memo;
            m.target = id + kCopyOffset;
        }
    }

    // Text in the memo that is not stored yet: a draft, or a change of the note shown.
    bool typedInMemo() const { return !m_model.browse && (!m_model.target || m_model.memo != m_model.opened); }

    void undone()
    {
        if (m_model.undo.empty())
            return;
        const auto item = m_model.undo.back();
        m_model.undo.pop_back();
        if (const auto* import = std::get_if<DoneImport>(&item)) {
            // Taken back whole: each note still holding its creation text goes, kept for Undo.
            for (const auto& [id, createTime] : import->notes) {
                if (!m_model.notes.count(id) || m_createTimes[id] != createTime)
                    continue;
                DeletedNote deleted{id, false, m_model.notes.at(id), {}};
                if (m_model.reminders.count(id)) {
                    deleted.reminder = m_model.reminders.at(id);
                    m_model.reminders.erase(id);
                }
                m_model.notes.erase(id);
                m_model.undo.push_back(deleted);
            }
            m_model.listReread();
        } else if (const auto* draft = std::get_if<DeletedDraft>(&item)) {
            m_model.browse = false; // the draft is back in the memo, still to be applied
            m_model.showNothing();
            m_model.memo = draft->text;
        } else if (const auto* note = std::get_if<DeletedNote>(&item)) {
            qint32 id = note->id;
            bool restored = true;
            if (note->copy) {
                // A later search made the copy again: there is nothing to put back.
                restored = !m_model.copies.count(id);
                if (restored)
                    m_model.copies[id] = note->note.text;
            } else {
                if (m_model.notes.count(id))
                    id = newNoteId();
                m_model.notes[id] = {m_model.filedUnder(note->note.group), note->note.text};
                if (note->reminder) {
                    m_model.reminders[id] = *note->reminder;
                    m_model.reminderTimes.restored(note->id, id);
                }
            }
            m_model.listReread();
            if (restored && note->copy == m_model.showsCopies() && m_model.listed().contains(id))
                m_model.show(id);
        } else {
            const auto& category = std::get<DeletedCategory>(item);
            bool taken = false;
            for (const Category& c : m_model.categories)
                taken = taken || c.id == category.category.id;
            const QString name = m_model.freeName(category.category.name);
            const qint32 id = taken ? categoryIdNamed(name) : category.category.id;
            m_model.categories.push_back({id, name});
            for (const qint32 moved : category.movedIds)
                if (m_model.notes.count(moved) && m_model.notes[moved].group == 0)
                    m_model.notes[moved].group = id;
            const int index = std::clamp(category.tabIndex, 1, int(m_model.tabs.size()) - 1);
            m_model.tabs.insert(index, name);
            if (index <= m_model.selected)
                ++m_model.selected;
            m_model.listReread();
        }
    }

    QString act()
    {
        int total = 0;
        for (const auto& [action, weight] : m_actions)
            total += weight;
        int roll = draw(total);
        Action action = m_actions.front().first;
        for (const auto& [candidate, weight] : m_actions) {
            if (roll < weight) {
                action = candidate;
                break;
            }
            roll -= weight;
        }
        Model& m = m_model;
        const int rows = grid().rowCount();
        switch (action) {
        case Action::New: {
            m_steps << QStringLiteral("click New");
            const bool typed = typedInMemo();
            QTest::mouseClick(m_form->imgNew, Qt::LeftButton);
            if (typed)
                storeMemo(); // what was typed is kept, as by Apply
            m.browse = false;
            m.showNothing();
            break;
        }
        case Action::NewByKey:
            m_steps << QStringLiteral("Ctrl+I");
            key(Qt::Key_I, Qt::ControlModifier);
            if (m.browse) {
                m.browse = false;
                m.showNothing();
            }
            break;
        case Action::Type: {
            const QString text = pick(kWrittenWords);
            m_steps << QStringLiteral("type \"%1\"").arg(text);
            if (!m.browse) // the user types at the end of what the memo holds
                key(Qt::Key_End, Qt::ControlModifier);
            typeText(text);
            if (!m.browse) // a line break typed takes the note's own line end
                m.memo += QString(text).replace(QLatin1Char('\r'), lineEndOf(m.opened));
            break;
        }
        case Action::Apply:
        case Action::ApplyTwice:
            writeJustBeforeApply();
            m_steps << (action == Action::Apply ? QStringLiteral("click Apply") : QStringLiteral("click Apply twice"));
            QTest::mouseClick(m_form->imgApply, Qt::LeftButton);
            if (action == Action::ApplyTwice)
                QTest::mouseClick(m_form->imgApply, Qt::LeftButton);
            applied();
            break;
        case Action::ApplyByKey:
            writeJustBeforeApply();
            m_steps << QStringLiteral("Ctrl+Enter");
            key(Qt::Key_Return, Qt::ControlModifier);
            applied();
            break;
        case Action::ClickRow: {
            const int row = draw(rows);
            m_steps << QStringLiteral("click row %1").arg(row);
            if (!m.browse) { // the memo lies over the list
                QTest::mouseClick(m_form->memoContent->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
                break;
            }
            grid().setCurrentRow(row); // scrolled into view, as a click would reach it
            QTest::mouseClick(grid().viewport(), Qt::LeftButton, {}, grid().cellRect(1, row).center());
            if (auto id = noteAt(row))
                m.show(*id);
            break;
        }
        case Action::Delete:
        case Action::DeleteByKey: {
            const bool byKey = action == Action::DeleteByKey && m.browse; // in the memo Del deletes a letter
            m_steps << (byKey ? QStringLiteral("Del") : QStringLiteral("click Delete"));
            const int current = grid().currentRow();
            std::optional<qint32> gone = m.browse ? noteAt(current) : m.target;
            const int from = gone ? rowOf(*gone) : current;
            const std::optional<qint32> next = noteFrom(from, gone);
            const bool staleList = !m.browse && m.unseen; // the rows another program changed come in now
            if (byKey)
                key(Qt::Key_Delete);
            else
                QTest::mouseClick(m_form->imgDelete, Qt::LeftButton);
            if (m.browse && !gone)
                break;
            if (!m.browse && !gone && !m.memo.isEmpty())
                m.undo.push_back(DeletedDraft{m.memo}); // a draft is put aside for Undo
            if (gone && (m.showsCopies() ? m.copies.count(*gone) : m.notes.count(*gone)))
                m.deleteNote(*gone);
            m.browse = true;
            if (staleList) {
                const qint32 shownNow = m_form->state().CurNoteId;
                if (shownNow != 0 && !m.listed().contains(shownNow))
                    return QStringLiteral("Delete showed %1, which the list does not hold").arg(shownNow);
                if (shownNow != 0)
                    m.show(shownNow);
                else
                    m.showNothing();
            } else if (next) {
                m.show(*next);
            } else {
                m.showNothing();
            }
            break;
        }
        case Action::Prior:
        case Action::Next: {
            m_steps << (action == Action::Prior ? QStringLiteral("click Prior") : QStringLiteral("click Next"));
            // Typed text is kept: stored first, as Apply would store it.
            const bool typed = typedInMemo();
            QTest::mouseClick(action == Action::Prior ? m_form->imgPre : m_form->imgNext, Qt::LeftButton);
            if (typed) {
                storeMemo();
                m.listReread();
            }
            // Where the cursor stands is the program's to keep; the user sees which note it shows.
            const qint32 shown = m_form->state().CurNoteId;
            if (shown == 0 && m.target && !m.listed().contains(*m.target)) {
                m.showNothing(); // another program deleted the note that was on screen
                break;
            }
            if (shown == 0 || (m.target == shown && m_form->memoContent->toPlainText() == m.memo))
                break;
            if (!m.listed().contains(shown))
                return QStringLiteral("Prior/Next showed %1, which the list does not hold").arg(shown);
            m.show(shown);
            break;
        }
        case Action::EditSwitch:
        case Action::BrowseSwitch: {
            const bool edit = action == Action::EditSwitch;
            m_steps << (edit ? QStringLiteral("click Edit mode") : QStringLiteral("click Browse mode"));
            QWidget* atButton = m_form->pnlHeader->childAt(edit ? 257 : 225, 18);
            QTest::mouseClick(atButton, Qt::LeftButton, {}, QPoint(12, 12));
            m.browse = !edit;
            break;
        }
        case Action::DoubleClick: {
            const int row = draw(rows);
            m_steps << QStringLiteral("double click row %1").arg(row);
            if (!m.browse)
                break;
            grid().setCurrentRow(row);
            const QPoint at = grid().cellRect(1, row).center();
            QTest::mouseClick(grid().viewport(), Qt::LeftButton, {}, at);
            QTest::mouseDClick(grid().viewport(), Qt::LeftButton, {}, at);
            m.browse = false;
            if (auto id = noteAt(row))
                m.show(*id);
            else
                m.showNothing();
            break;
        }
        case Action::Tab: {
            const int tab = draw(int(m.tabs.size()));
            const bool newTab = m.tabs[tab] == QLatin1String("*New");
            const QString name = newTab ? pick(kCategoryNames + QStringList{QString()}) : QString();
            m_steps << (newTab ? QStringLiteral("click tab *New, name \"%1\"").arg(name)
                               : QStringLiteral("click tab %1").arg(m.tabs[tab]));
            if (newTab)
                answerCategory(name);
            widgets::TabSet& tabs = *m_form->tabGroups;
            const QPoint at = tabs.tabRect(tab).center();
            const bool underArrow = tabs.hasScrollArrows() && (tabs.scrollArrowRect(false).contains(at) ||
                                                               tabs.scrollArrowRect(true).contains(at));
            if (tabs.tabAt(at) == tab && !underArrow)
                QTest::mouseClick(&tabs, Qt::LeftButton, {}, at);
            else
                tabs.setTabIndex(tab); // scrolled out of sight: as a click on it would
            if (newTab) {
                if (const QString problem = dialogCame(true); !problem.isEmpty())
                    return problem;
                newCategoryMade(name);
            } else if (tab != m.selected && m.browse) {
                m.switchTo(tab);
            }
            break;
        }
        case Action::NewCategory: {
            const QString name = pick(kCategoryNames + QStringList{QString()});
            m_steps << QStringLiteral("Ctrl+D, name \"%1\"").arg(name);
            answerCategory(name);
            key(Qt::Key_D, Qt::ControlModifier);
            if (const QString problem = dialogCame(true); !problem.isEmpty())
                return problem;
            newCategoryMade(name);
            break;
        }
        case Action::Rename: {
            const QString name = pick(kCategoryNames + QStringList{QString(), QStringLiteral("Renamed")});
            const QString caption = m.tabs[m.selected];
            // A tab whose category another program took away has nothing to rename.
            const bool asks =
                caption != QLatin1String("Default") && caption != QLatin1String("Search") && m.categoryNamed(caption);
            const QString stored = name.trimmed();
            // Now and then another program deletes it while the dialog is open.
            const std::optional<Category> goneMeanwhile =
                asks && !stored.isEmpty() && !m.nameRefused(stored, caption) && draw(4) == 0
                    ? std::optional<Category>(*m.categoryNamed(caption))
                    : std::nullopt;
            m_steps << QStringLiteral("Rename, name \"%1\"%2")
                           .arg(name, goneMeanwhile ? QStringLiteral(", the category deleted elsewhere meanwhile")
                                                    : QString());
            answerCategory(name, [this, goneMeanwhile] {
                if (goneMeanwhile) {
                    m_db.exec(QStringLiteral("delete from clip_groups where group_id=%1").arg(goneMeanwhile->id));
                    m_db.exec(
                        QStringLiteral("update notes_main set group_id=0 where group_id=%1").arg(goneMeanwhile->id));
                }
            });
            m_form->categoryTabs().Rename1Click();
            if (const QString problem = dialogCame(asks); !problem.isEmpty())
                return problem;
            if (goneMeanwhile) {
                for (auto& [id, note] : m.notes)
                    if (note.group == goneMeanwhile->id)
                        note.group = 0;
                std::erase_if(m.categories, [&](const Category& c) { return c.id == goneMeanwhile->id; });
                m.unseen = true;
                break;
            }
            if (!asks || stored.isEmpty() || m.nameRefused(stored, caption))
                break;
            for (Category& category : m.categories)
                if (category.name == caption)
                    category.name = stored;
            m.tabs[m.selected] = stored;
            break;
        }
        case Action::DeleteCategory: {
            const bool yes = draw(3) > 0;
            m_steps << QStringLiteral("Delete category, %1").arg(yes ? "Yes" : "No");
            widgets::Modal::queueMessageAnswer(yes ? QMessageBox::Yes : QMessageBox::No);
            m_form->categoryTabs().Delete1Click();
            const QString caption = m.tabs[m.selected];
            const bool asks = m.browse && caption != QLatin1String("Default") && caption != QLatin1String("Search");
            if (const QString problem = dialogCame(asks); !problem.isEmpty())
                return problem;
            if (asks && yes)
                m.deleteSelectedCategory();
            break;
        }
        case Action::Search: {
            const QString text = pick(kSearchTexts);
            m_steps << QStringLiteral("Ctrl+F, \"%1\"").arg(text);
            widgets::Modal::queueDialogAnswer([text](QDialog& shown) {
                auto* edit = dynamic_cast<dialogs::TFrmSearch&>(shown).edt_for_search;
                edit->setText(text);
                QTest::keyClick(edit, Qt::Key_Return);
                return shown.result();
            });
            key(Qt::Key_F, Qt::ControlModifier);
            if (const QString problem = dialogCame(m.browse); !problem.isEmpty())
                return problem;
            if (m.browse)
                m.search(text);
            break;
        }
        case Action::Undo:
        case Action::UndoByMenu:
            if (action == Action::UndoByMenu && !m.browse)
                break; // the list and its menu are out of reach
            m_steps << (action == Action::Undo ? QStringLiteral("Ctrl+Z") : QStringLiteral("menu Undo delete"));
            if (action == Action::Undo && !m.browse)
                break; // in the memo Ctrl+Z undoes typing
            m_createTimes = createTimes(); // what an import's notes hold just before
            if (action == Action::Undo)
                key(Qt::Key_Z, Qt::ControlModifier);
            else
                m_form->deleteHistory().actUndoDelete->trigger();
            undone();
            break;
        case Action::Reminder: {
            if (!m.browse)
                break;
            // Now, in a minute, later today or tomorrow; texts are unique, to tell which showed.
            const QString text = QStringLiteral("remind %1").arg(++m_reminderCount);
            const int offset = QList<int>{0, 1, 10, 180, 1440}[draw(5)];
            QDateTime when = m_model.reminderTimes.now.addSecs(offset * 60);
            if (offset > 0)
                when.setTime(QTime(when.time().hour(), when.time().minute(), draw(60)));
            else
                when.setTime(QTime(when.time().hour(), when.time().minute(), when.time().second()));
            m_steps << QStringLiteral("Ctrl+R, \"%1\" at %2").arg(text, when.toString(Qt::ISODate));
            bool asked = false;
            widgets::Modal::queueDialogAnswer([&](QDialog& shown) {
                auto& dialog = dynamic_cast<dialogs::TFrmRemind&>(shown);
                asked = true;
                if (offset == 0) {
                    dialog.Button1->click();
                } else {
                    dialog.dtRemind->setDate(when.date());
                    dialog.tmRemind->setTime(when.time());
                }
                dialog.memoRemind->setPlainText(text);
                dialog.btnOk->click();
                return dialog.result();
            });
            key(Qt::Key_R, Qt::ControlModifier);
            widgets::Modal::clearQueuedAnswers();
            if (!asked)
                return QStringLiteral("the reminder dialog did not come up");
            const qint32 target = m.target.value_or(0);
            const qint32 note = m.showsCopies() && target > kCopyOffset ? target - kCopyOffset : target;
            m.reminders[note] = text;
            m.reminderTimes.set(note, when);
            break;
        }
        case Action::ClockForward:
        case Action::ClockBack: {
            // Set right or wrong by minutes, hours or a day, within a few days of the start.
            const bool forward = action == Action::ClockForward;
            const qint64 seconds =
                forward ? QList<qint64>{20, 60, 420, 7200, 86400}[draw(5)] : -QList<qint64>{60, 7200, 86400}[draw(3)];
            const QDateTime to = m.reminderTimes.now.addSecs(seconds);
            const QDateTime start(QDate(2026, 12, 7), QTime(9, 0));
            if (to < start.addDays(-3) || to > start.addDays(8))
                break;
            m_steps << QStringLiteral("the clock goes to %1").arg(to.toString(Qt::ISODate));
            m.reminderTimes.now = to;
            break;
        }
        case Action::Restart:
            m_steps << QStringLiteral("close and start again");
            // Closing stores what was typed, as Apply would.
            m_form->close();
            if (typedInMemo())
                storeMemo();
            m_form.reset();
            start();
            restarted();
            break;
        case Action::Outside:
            writeElsewhere();
            activate();
            break;
        case Action::Replaced:
            replaceFile([this] { writeElsewhere(); });
            break;
        case Action::ConflictCopy:
            conflictCopyLeft();
            break;
        case Action::Import:
            if (m.browse) // the list's menu is out of reach while a note is edited
                return imported();
            break;
        case Action::Activate:
            m_steps << QStringLiteral("activate the window");
            activate();
            break;
        case Action::HideThenExit: {
            const bool bySignal = draw(2) == 0;
            m_steps << (bySignal ? QStringLiteral("hide to the tray, then SIGTERM")
                                 : QStringLiteral("hide to the tray, then Exit in the tray menu"));
            // The offscreen desktop leaves a minimised window on the screen; the window then hides
            // itself where --toggle can bring it back, as it does to the tray.
            m_form->windowBehaviour().setToggleAnswered(true);
            m_form->windowBehaviour().SpeedButton2Click();
            if (!QTest::qWaitFor([this] { return m_form->isHidden(); }))
                return QStringLiteral("the window did not hide");
            if (const QString problem = quit(bySignal); !problem.isEmpty())
                return problem;
            if (typedInMemo()) // stored on the way out, as Apply would
                storeMemo();
            m_form.reset();
            start();
            restarted();
            break;
        }
        case Action::ExitUnderLock: {
            m_steps << QStringLiteral("another program holds the write lock; SIGTERM; it lets go; start again");
            m_form->wayOut().setExitWaitMs(20); // the few seconds of the real program, shortened
            m_db.database().execute(QStringLiteral("begin immediate"));
            const QString problem = quit(true);
            const bool storedUnderLock = fileNotes() != m.notes;
            m_db.database().execute(QStringLiteral("commit"));
            if (!problem.isEmpty())
                return problem;
            if (storedUnderLock)
                return QStringLiteral("the notes changed while another program held the lock");
            m_form.reset();
            start();
            if (typedInMemo()) // kept aside on the way out, stored by the new start
                storeMemo();
            restarted();
            if (!QDir(m_keptDrafts.path()).isEmpty())
                return QStringLiteral("a kept note is still waiting after the new start stored it");
            break;
        }
        }
        return {};
    }

    // Ends the program's run the real way, by Exit in the tray menu or by SIGTERM, and says
    // what went wrong on the way out: nothing may wait there for a click.
    QString quit(bool bySignal)
    {
        const size_t messages = widgets::Modal::shownMessages().size();
        std::optional<app::QuitSignals> quitSignals;
        if (bySignal)
            quitSignals.emplace();
        QTimer::singleShot(0, m_form.get(), [this, bySignal] {
            if (bySignal)
                ::raise(SIGTERM);
            else
                m_form->popTray->actions().constLast()->trigger(); // Exit
        });
        QApplication::exec();
        if (widgets::Modal::shownMessages().size() != messages)
            return QStringLiteral("a message came up on the way out: %1")
                .arg(widgets::Modal::shownMessages().back().text);
        return {};
    }

    // After a new start, as after "close and start again": deleted notes and categories are kept
    // in the file for Undo in later runs; search copies and drafts are this run's alone.
    void restarted()
    {
        Model& m = m_model;
        std::erase_if(m.undo, [](const auto& item) {
            const auto* note = std::get_if<DeletedNote>(&item);
            // An import is taken back in the run that made it only.
            return std::holds_alternative<DeletedDraft>(item) || std::holds_alternative<DoneImport>(item) ||
                   (note && note->copy);
        });
        m.unseen = false;
        m.shown = 0;
        m.rescueStrayNotes(); // a new start gathers notes left without a category
        m.tabs = QStringList{QStringLiteral("Default")};
        for (const Category& category : m.categories)
            m.tabs << category.name;
        m.tabs << QStringLiteral("*New");
        m.selected = 0;
        m.browse = true;
        m.showNothing();
    }

    QString check()
    {
        Model& m = m_model;
        const auto notes = fileNotes();
        if (notes != m.notes) {
            QStringList file, model;
            for (const auto& [id, note] : notes)
                file << QStringLiteral("%1:%2:%3").arg(id).arg(note.group).arg(note.text);
            for (const auto& [id, note] : m.notes)
                model << QStringLiteral("%1:%2:%3").arg(id).arg(note.group).arg(note.text);
            return QStringLiteral("notes differ\n file:  %1\n model: %2").arg(file.join(" | "), model.join(" | "));
        }
        store::Query query(m_db.database());
        query.addLine(QStringLiteral("select id,content from notes_main where group_id=1"));
        query.open();
        std::map<qint32, QString> copies;
        for (int row = 0; row < query.recordCount(); ++row)
            copies[query.value(row, 0).toInt()] = query.value(row, 1).toString();
        if (copies != m.copies)
            return QStringLiteral("search copies differ");
        QStringList fileCategories, modelCategories;
        query.close();
        query.clearSql();
        query.addLine(QStringLiteral("select group_id,group_name from clip_groups order by group_id"));
        query.open();
        for (int row = 0; row < query.recordCount(); ++row)
            fileCategories << query.value(row, 0).toString() + QLatin1Char(':') + query.value(row, 1).toString();
        auto sorted = m.categories;
        std::sort(sorted.begin(), sorted.end(), [](const Category& a, const Category& b) { return a.id < b.id; });
        for (const Category& category : sorted)
            modelCategories << QString::number(category.id) + QLatin1Char(':') + category.name;
        if (fileCategories != modelCategories)
            return QStringLiteral("categories differ: file %1, model %2")
                .arg(fileCategories.join(QLatin1Char(',')), modelCategories.join(QLatin1Char(',')));
        std::map<qint32, QString> reminders;
        query.close();
        query.clearSql();
        query.addLine(QStringLiteral("select clip_id,remind_content from remind"));
        query.open();
        for (int row = 0; row < query.recordCount(); ++row)
            if (!reminders.emplace(query.value(row, 0).toInt(), query.value(row, 1).toString()).second)
                return QStringLiteral("two reminder rows for note %1").arg(query.value(row, 0).toInt());
        if (reminders != m.reminders)
            return QStringLiteral("reminders differ");

        // Every note is in reach of a tab, once the window has looked at the file.
        for (const auto& [id, note] : m.notes) {
            if (m.unseen)
                break;
            bool reachable = note.group == 0;
            for (const Category& category : m.categories)
                reachable = reachable || (category.id == note.group && m.tabs.contains(category.name));
            if (!reachable)
                return QStringLiteral("note %1 is in no tab's category").arg(id);
        }
        // The screen.
        if (m_form->tabGroups->tabs() != m.tabs || m_form->tabGroups->tabIndex() != m.selected)
            return QStringLiteral("tabs %1 (selected %2), expected %3 (selected %4)")
                .arg(m_form->tabGroups->tabs().join(QLatin1Char(',')))
                .arg(m_form->tabGroups->tabIndex())
                .arg(m.tabs.join(QLatin1Char(',')))
                .arg(m.selected);
        if (m_form->state().CurGroupId != m.shownGroup())
            return QStringLiteral("the list shows category %1, the selected tab is %2")
                .arg(m_form->state().CurGroupId)
                .arg(m.shownGroup());
        if (m_form->state().InBrowseMode != m.browse)
            return QStringLiteral("mode differs");
        if (m.browse && m_form->pnlStatus1->text().contains(QLatin1String("Ctrl + Enter")))
            return QStringLiteral("the status line asks for Ctrl+Enter in browse mode");
        if (app::memoText(*m_form->memoContent) != m.memo) // as Apply would store it
            return QStringLiteral("memo \"%1\", expected \"%2\"").arg(app::memoText(*m_form->memoContent), m.memo);
        if (m.target && (m_form->state().CurNoteId != *m.target || m_form->state().ApplyMode != QLatin1String("M")))
            return QStringLiteral("the note on screen is %1, the window changes %2 (%3)")
                .arg(*m.target)
                .arg(m_form->state().CurNoteId)
                .arg(m_form->state().ApplyMode);
        if (!m.target && m_form->state().ApplyMode != QLatin1String("I"))
            return QStringLiteral("no note is on screen, yet Apply would change %1").arg(m_form->state().CurNoteId);
        QWidget* keys = QApplication::focusWidget();
        if (keys != (m.browse ? static_cast<QWidget*>(m_form->sgContents) : m_form->memoContent))
            return QStringLiteral("keys go to %1").arg(keys ? keys->metaObject()->className() : "nothing");
        if (m.browse) {
            m_form->noteListView().waitForNoteList(); // what the list shows a moment later
            QList<qint32> listed = noteRows();
            std::sort(listed.begin(), listed.end());
            if (listed != m.listed())
                return QStringLiteral("the list does not show the notes of its category");
            // The rows are the file's, in order, under their days, with today's texts.
            const QString difference =
                testing::differenceFromGrid(grid(), testing::listAsStored(m_db.database(), m.shownGroup()));
            if (!difference.isEmpty())
                return difference;
            // A separator row may be highlighted, and any row while a new note's draft waits
            // behind the list; otherwise a note row highlighted is the note on screen.
            if (const auto selected = noteAt(grid().currentRow()); m.target && selected && selected != m.target)
                return QStringLiteral("the selected row is not the note on screen");
        }
        if (m_form->deleteHistory().actUndoDelete->isEnabled() == m.undo.empty())
            return QStringLiteral("Undo delete is %1").arg(m.undo.empty() ? "enabled" : "disabled");
        return {};
    }

    QRandomGenerator64 m_random;
    int m_longList = 0;
    const Actions& m_actions;
    testing::TestDatabase m_db;
    store::Database* m_elsewhere = nullptr; // another machine's version being written
    int m_copies = 0;
    QTemporaryDir m_keptDrafts;
    QTemporaryDir m_importRoot; // the folders imported, and the home folder the import looks in
    QStringList m_importFolders;
    int m_imports = 0;
    std::map<qint32, QString> m_createTimes; // the notes' creation texts before an Undo
    std::unique_ptr<app::TMiniForm> m_form;
    Model m_model;
    QStringList m_steps;
    QStringList m_remindersShown; // the texts of reminder windows since the last look
    int m_reminderCount = 0;
};

} // namespace

class TestSequences : public QObject {
    Q_OBJECT

private slots:
    void init() { widgets::Modal::clearShownMessages(); }

    void everySequenceKeepsTheNotes() { runSequences(kDefaultSequences, 0); }

    // Lists longer than their first screen: actions land while the rest is still read. More
    // notes than the list takes up row by row, so a search replaces more than that.
    void everySequenceKeepsTheNotesOfALongList() { runSequences(kDefaultSequences / 6, 70); }

    void everySequenceShowsEachReminderOnce() { runSequences(kDefaultSequences / 3, 0, kReminderActions); }

private:
    static void runSequences(int count, int longList, const Actions& actions = kActions)
    {
        quint64 firstSeed = 1;
        const QStringList setting = qEnvironmentVariable("QUIBBET_SEQUENCES").split(QLatin1Char(','));
        if (!setting.front().isEmpty())
            count = setting.front().toInt();
        if (setting.size() > 1)
            firstSeed = setting[1].toULongLong();
        for (quint64 seed = firstSeed; seed < firstSeed + quint64(count); ++seed) {
            Sequence sequence(seed, longList, actions);
            for (int step = 0; step < kStepsPerSequence; ++step) {
                const QString problem = sequence.step();
                if (!problem.isEmpty())
                    QFAIL(qPrintable(QStringLiteral("seed %1 (QUIBBET_SEQUENCES=1,%1), after the steps\n%2\n%3")
                                         .arg(seed)
                                         .arg(sequence.steps(), problem)));
            }
        }
    }
};

QTEST_MAIN(TestSequences)
#include "tst_sequences.moc"
