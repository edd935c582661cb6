// Seeded random sequences of user actions on the real main window and a real notes file,
// each step checked against a model of what the user should have. A failure prints the seed
// and the steps. QUIBBET_SEQUENCES="count[,seed]" runs more (or other) sequences.
#include "ListAsStored.h"
#include "ReminderAnswer.h"
#include "SequenceModel.h"

#include "app/MiniForm.h"
#include "app/NoteGrid.h"
#include "dialogs/CategoryManage.h"
#include "dialogs/FrmRemind.h"
#include "dialogs/FrmSearch.h"
#include "tests/support/TestDatabase.h"
#include "widgets/Modal.h"
#include "widgets/MouseEffectImage.h"
#include "widgets/TabSet.h"

#include <QAction>
#include <QApplication>
#include <QDateEdit>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTest>

using namespace sequences;

namespace {

constexpr int kDefaultSequences = 300;
constexpr int kStepsPerSequence = 30;

const QStringList kWords = {"alpha", "beta", "it's", "50% off", "a_b", "gamma delta", "x"};
const QStringList kCategoryNames = {"Work", "Home", "Default", "Search", "*New", "it's", "Work"};
const QStringList kSearchTexts = {"a", "it's", "%", "_", "zz", "be", "", "a_b"};

enum class Action {
    New, NewByKey, Type, Apply, ApplyTwice, ApplyByKey, ClickRow, Delete, DeleteByKey, Prior, Next, EditSwitch,
    BrowseSwitch, DoubleClick, Tab, NewCategory, Rename, DeleteCategory, Search, Undo, UndoByMenu, Reminder, Restart
};

// Each action with how often it is drawn.
const std::vector<std::pair<Action, int>> kActions = {
    {Action::New, 6},          {Action::NewByKey, 3},       {Action::Type, 14},       {Action::Apply, 8},
    {Action::ApplyTwice, 3},   {Action::ApplyByKey, 6},     {Action::ClickRow, 10},   {Action::Delete, 5},
    {Action::DeleteByKey, 4},  {Action::Prior, 3},          {Action::Next, 3},        {Action::EditSwitch, 5},
    {Action::BrowseSwitch, 3}, {Action::DoubleClick, 4},    {Action::Tab, 7},         {Action::NewCategory, 4},
    {Action::Rename, 2},       {Action::DeleteCategory, 3}, {Action::Search, 4},      {Action::Undo, 5},
    {Action::UndoByMenu, 2},   {Action::Reminder, 2},       {Action::Restart, 1},
};

class Sequence {
public:
    // With `longList`, the file starts with that many notes over several days, and lists
    // are shown from their first few rows while the rest is still being read.
    explicit Sequence(quint64 seed, int longList = 0) : m_random(seed), m_longList(longList)
    {
        for (int id = 1; id <= longList; ++id) {
            const QString text = QStringLiteral("old note %1").arg(id);
            m_db.exec(QStringLiteral("insert into notes_main (id,group_id,isdone,create_time,content,account_id,"
                                     "record_time) values (%1,0,'0','%2:00 Mon, 0%3Dec2025','%4','',"
                                     "'2025-12-0%3 %2:00:00.000')")
                          .arg(id)
                          .arg(10 + id % 12)
                          .arg(1 + id / 10)
                          .arg(text));
            m_model.notes[id] = {0, text};
        }
        start();
    }

    QString steps() const { return m_steps.join(QLatin1Char('\n')); }

    // Runs one action; returns the first difference from the model, empty when none.
    QString step()
    {
        const QString problem = act();
        if (!problem.isEmpty())
            return problem;
        return check();
    }

private:
    int draw(int bound) { return bound <= 0 ? 0 : int(m_random.bounded(bound)); }
    template <typename T> const T& pick(const QList<T>& from) { return from[draw(int(from.size()))]; }

    app::NoteGrid& grid() { return *m_form->sgContents; }
    QWidget* focused() { return QApplication::focusWidget() ? QApplication::focusWidget() : m_form.get(); }
    void key(int key, Qt::KeyboardModifiers modifiers = {}) { QTest::keyClick(focused(), Qt::Key(key), modifiers); }

    void start()
    {
        widgets::Modal::clearQueuedAnswers();
        m_form = std::make_unique<app::TMiniForm>(m_db.path());
        if (m_longList > 0)
            m_form->AQclipQuery().setFirstRows(1 + draw(6));
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
        m_form->waitForNoteList(); // the rows below may still be coming in
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
        return m_db.scalar(QStringLiteral("select group_id from clip_groups where group_name=") +
                           QStringLiteral("'%1'").arg(QString(name).replace(QLatin1Char('\''), QStringLiteral("''"))))
            .toInt();
    }

    void answerCategory(const QString& name)
    {
        widgets::Modal::queueDialogAnswer([name](QDialog& shown) {
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

    void newCategoryMade(const QString& name)
    {
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
        }
    }

    // What Apply stores, and what stepping to another note stores first in edit mode.
    void storeMemo()
    {
        if (m_model.memo.isEmpty())
            return;
        if (!m_model.target) {
            const qint32 id = newNoteId();
            m_model.notes[id] = {m_model.showsCopies() ? 0 : m_model.shownGroup(), m_model.memo};
            m_model.target = id;
        } else if (m_model.showsCopies()) {
            m_model.copies[*m_model.target] = m_model.memo;
            if (m_model.notes.count(*m_model.target - kCopyOffset))
                m_model.notes[*m_model.target - kCopyOffset].text = m_model.memo;
        } else {
            m_model.notes[*m_model.target].text = m_model.memo;
            if (m_model.copies.count(*m_model.target + kCopyOffset)) // its copy keeps up
                m_model.copies[*m_model.target + kCopyOffset] = m_model.memo;
        }
    }

    // Text in the memo that is not stored yet: a draft, or a change of the note shown.
    bool typedInMemo() const
    {
        return !m_model.browse && (!m_model.target || m_model.memo != m_model.storedText(*m_model.target));
    }

    void undone()
    {
        if (m_model.undo.empty())
            return;
        const auto item = m_model.undo.back();
        m_model.undo.pop_back();
        if (const auto* note = std::get_if<DeletedNote>(&item)) {
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
                m_model.notes[id] = note->note;
                if (note->reminder)
                    m_model.reminders[id] = *note->reminder;
            }
            m_model.listReread();
            if (restored && note->copy == m_model.showsCopies() && m_model.listed().contains(id))
                m_model.show(id);
        } else {
            const auto& category = std::get<DeletedCategory>(item);
            bool taken = false;
            for (const Category& c : m_model.categories)
                taken = taken || c.id == category.category.id;
            const qint32 id = taken ? categoryIdNamed(category.category.name) : category.category.id;
            m_model.categories.push_back({id, category.category.name});
            for (const qint32 moved : category.movedIds)
                if (m_model.notes.count(moved) && m_model.notes[moved].group == 0)
                    m_model.notes[moved].group = id;
            const int index = std::clamp(category.tabIndex, 1, int(m_model.tabs.size()) - 1);
            m_model.tabs.insert(index, category.category.name);
            if (index <= m_model.selected)
                ++m_model.selected;
            m_model.listReread();
        }
    }

    QString act()
    {
        int total = 0;
        for (const auto& [action, weight] : kActions)
            total += weight;
        int roll = draw(total);
        Action action = kActions.front().first;
        for (const auto& [candidate, weight] : kActions) {
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
            const QString text = pick(kWords);
            m_steps << QStringLiteral("type \"%1\"").arg(text);
            if (!m.browse) // the user types at the end of what the memo holds
                key(Qt::Key_End, Qt::ControlModifier);
            QTest::keyClicks(focused(), text);
            if (!m.browse)
                m.memo += text;
            break;
        }
        case Action::Apply:
        case Action::ApplyTwice:
            m_steps << (action == Action::Apply ? QStringLiteral("click Apply") : QStringLiteral("click Apply twice"));
            QTest::mouseClick(m_form->imgApply, Qt::LeftButton);
            if (action == Action::ApplyTwice)
                QTest::mouseClick(m_form->imgApply, Qt::LeftButton);
            applied();
            break;
        case Action::ApplyByKey:
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
            if (byKey)
                key(Qt::Key_Delete);
            else
                QTest::mouseClick(m_form->imgDelete, Qt::LeftButton);
            if (m.browse && !gone)
                break;
            if (gone)
                m.deleteNote(*gone);
            m.browse = true;
            if (next)
                m.show(*next);
            else
                m.showNothing();
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
            QTest::mouseClick(m_form->tabGroups, Qt::LeftButton, {}, m_form->tabGroups->tabRect(tab).center());
            if (m_form->tabGroups->tabAt(m_form->tabGroups->tabRect(tab).center()) != tab)
                m_form->tabGroups->setTabIndex(tab); // scrolled out of sight: as a click on it would
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
            m_steps << QStringLiteral("Rename, name \"%1\"").arg(name);
            answerCategory(name);
            m_form->Rename1Click();
            const QString caption = m.tabs[m.selected];
            const bool asks = caption != QLatin1String("Default") && caption != QLatin1String("Search");
            if (const QString problem = dialogCame(asks); !problem.isEmpty())
                return problem;
            if (!asks || name.isEmpty() || m.nameRefused(name, caption))
                break;
            for (Category& category : m.categories)
                if (category.name == caption)
                    category.name = name;
            m.tabs[m.selected] = name;
            break;
        }
        case Action::DeleteCategory: {
            const bool yes = draw(3) > 0;
            m_steps << QStringLiteral("Delete category, %1").arg(yes ? "Yes" : "No");
            widgets::Modal::queueMessageAnswer(yes ? QMessageBox::Yes : QMessageBox::No);
            m_form->Delete1Click();
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
            if (action == Action::Undo)
                key(Qt::Key_Z, Qt::ControlModifier);
            else
                m_form->actUndoDelete->trigger();
            undone();
            break;
        case Action::Reminder: {
            if (!m.browse)
                break;
            const QString text = pick(kWords);
            m_steps << QStringLiteral("Ctrl+R, \"%1\"").arg(text);
            queueReminderAnswer(text);
            key(Qt::Key_R, Qt::ControlModifier);
            if (const QString problem = dialogCame(true); !problem.isEmpty())
                return problem;
            const qint32 target = m.target.value_or(0);
            m.reminders[m.showsCopies() && target > kCopyOffset ? target - kCopyOffset : target] = text;
            break;
        }
        case Action::Restart:
            m_steps << QStringLiteral("restart");
            m_form.reset();
            start();
            m.undo.clear();
            m.tabs = QStringList{QStringLiteral("Default")};
            for (const Category& category : m.categories)
                m.tabs << category.name;
            m.tabs << QStringLiteral("*New");
            m.selected = 0;
            m.browse = true;
            m.showNothing();
            break;
        }
        return {};
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

        // Every note is in reach of a tab.
        for (const auto& [id, note] : m.notes) {
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
        if (m_form->memoContent->toPlainText() != m.memo)
            return QStringLiteral("memo \"%1\", expected \"%2\"").arg(m_form->memoContent->toPlainText(), m.memo);
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
            m_form->waitForNoteList(); // what the list shows a moment later
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
        if (m_form->actUndoDelete->isEnabled() == m.undo.empty())
            return QStringLiteral("Undo delete is %1").arg(m.undo.empty() ? "enabled" : "disabled");
        return {};
    }

    QRandomGenerator64 m_random;
    int m_longList = 0;
    testing::TestDatabase m_db;
    std::unique_ptr<app::TMiniForm> m_form;
    Model m_model;
    QStringList m_steps;
};

} // namespace

class TestSequences : public QObject {
    Q_OBJECT

private slots:
    void init() { widgets::Modal::clearShownMessages(); }

    void everySequenceKeepsTheNotes() { runSequences(kDefaultSequences, 0); }

    // Lists longer than their first screen: actions land while the rest is still read.
    void everySequenceKeepsTheNotesOfALongList() { runSequences(kDefaultSequences / 6, 45); }

private:
    static void runSequences(int count, int longList)
    {
        quint64 firstSeed = 1;
        const QStringList setting = qEnvironmentVariable("QUIBBET_SEQUENCES").split(QLatin1Char(','));
        if (!setting.front().isEmpty())
            count = setting.front().toInt();
        if (setting.size() > 1)
            firstSeed = setting[1].toULongLong();
        for (quint64 seed = firstSeed; seed < firstSeed + quint64(count); ++seed) {
            Sequence sequence(seed, longList);
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
