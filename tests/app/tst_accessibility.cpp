// The main window as assistive technology sees it: a frame, every button named by its hint
// and pressable, no nameless picture, the category tabs, and the note
// list's rows with their texts; the menus reached from the keyboard; and all of it in the
// desktop's language.
#include "app/Accessibility.h"
#include "app/MiniForm.h"
#include "app/NoteGrid.h"
#include "app/Translations.h"
#include "dialogs/FrmSearch.h"
#include "store/CountedText.h"
#include "tests/support/TestDatabase.h"
#include "widgets/MouseEffectImage.h"
#include "widgets/TabSet.h"

#include <QAccessible>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

using app::TMiniForm;

namespace {

struct Node {
    QAccessibleInterface* iface;
    QObject* object;
    QAccessible::Role role;
    QString name;
};

// Everything reachable from the window, walking children as a screen reader does.
void walk(QAccessibleInterface* iface, QList<Node>& nodes)
{
    nodes.append({iface, iface->object(), iface->role(), iface->text(QAccessible::Name)});
    for (int i = 0; i < iface->childCount(); ++i) {
        QAccessibleInterface* child = iface->child(i);
        QVERIFY(child);
        QCOMPARE(iface->indexOfChild(child), i);
        QCOMPARE(child->parent(), iface);
        walk(child, nodes);
    }
}

const Node* nodeOf(const QList<Node>& nodes, QObject* object)
{
    for (const Node& node : nodes)
        if (node.object == object)
            return &node;
    return nullptr;
}

struct Form {
    testing::TestDatabase db;
    std::unique_ptr<TMiniForm> form;

    bool start()
    {
        form = std::make_unique<TMiniForm>(db.path());
        if (!form->FormCreate())
            return false;
        form->show();
        return QTest::qWaitForWindowExposed(form.get());
    }
    QList<Node> tree()
    {
        QList<Node> nodes;
        walk(QAccessible::queryAccessibleInterface(form.get()), nodes);
        return nodes;
    }
};

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { app::installAccessibleInterfaces(); }

    void everyButtonIsNamedByItsHintAndPressable()
    {
        Form f;
        QVERIFY(f.start());
        const QList<Node> nodes = f.tree();
        const QList<widgets::TMouseEffectImage*> images = {f.form->imgPre,     f.form->imgNext,   f.form->imgNew,
                                                           f.form->imgApply,   f.form->imgDelete, f.form->imgBrowseMode,
                                                           f.form->imgEditMode};
        for (widgets::TMouseEffectImage* image : images) {
            const Node* node = nodeOf(nodes, image);
            QVERIFY2(node, qPrintable(image->objectName()));
            QCOMPARE(node->role, QAccessible::Button);
            QCOMPARE(node->name, image->toolTip());
            QVERIFY(!node->name.isEmpty());
            QVERIFY(node->iface->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
        }
        const QStringList titleNames = {nodeOf(nodes, f.form->btnLock)->name,
                                        nodeOf(nodes, f.form->SpeedButton2)->name};
        QCOMPARE(titleNames, (QStringList{QStringLiteral("Stay on top"), QStringLiteral("Minimise")}));
        QCOMPARE(nodeOf(nodes, f.form->btnLock)->role, QAccessible::Button);

        // Pressing through the interface clicks; an unavailable button stays still.
        QSignalSpy clicks(f.form->imgNext, &widgets::TMouseEffectImage::clicked);
        nodeOf(nodes, f.form->imgNext)->iface->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(clicks.size(), 1);
        QVERIFY(!f.form->imgBrowseMode->isEnabled()); // browse mode is on after start-up
        QSignalSpy browse(f.form->imgBrowseMode, &widgets::TMouseEffectImage::clicked);
        nodeOf(nodes, f.form->imgBrowseMode)
            ->iface->actionInterface()
            ->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(browse.size(), 0);
    }

    void windowIsAFrameAndNothingOnScreenIsNameless()
    {
        Form f;
        QVERIFY(f.start());
        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(f.form.get());
        QCOMPARE(window->role(), QAccessible::Window);
        QCOMPARE(window->text(QAccessible::Name), QStringLiteral("Quibbet"));

        const auto check = [&f](QLabel* shownPicture, const QString& name) {
            const QList<Node> nodes = f.tree();
            QCOMPARE(nodeOf(nodes, f.form->memoContent)->name, QStringLiteral("Note text"));
            // The picture standing in for an unavailable button is that button, unavailable.
            QVERIFY(shownPicture->isVisible());
            const Node* picture = nodeOf(nodes, shownPicture);
            QCOMPARE(picture->role, QAccessible::Button);
            QCOMPARE(picture->name, name);
            QVERIFY(picture->iface->state().disabled);
            for (const Node& node : nodes) {
                const bool picturesOrButtons = node.role == QAccessible::Graphic || node.role == QAccessible::Button;
                if (picturesOrButtons && !node.iface->state().invisible)
                    QVERIFY2(!node.name.isEmpty(), node.object ? qPrintable(node.object->objectName()) : "");
            }
        };
        check(f.form->imgBrowseModeDis, QStringLiteral("Browse mode")); // browse mode after start-up
        f.form->noteEditing().imgEditModeClick();
        check(f.form->imgEditModeDis, QStringLiteral("Edit mode"));
    }

    void tabsAreATabListWithTheSelectedOneMarked()
    {
        Form f;
        f.db.exec(QStringLiteral("insert into clip_groups values (2,'Work','w')"));
        QVERIFY(f.start());
        const QList<Node> nodes = f.tree();
        const Node* tabs = nodeOf(nodes, f.form->tabGroups);
        QVERIFY(tabs);
        QCOMPARE(tabs->role, QAccessible::PageTabList);
        QCOMPARE(tabs->name, QStringLiteral("Categories"));
        QStringList names;
        for (int i = 0; i < tabs->iface->childCount(); ++i) {
            QCOMPARE(tabs->iface->child(i)->role(), QAccessible::PageTab);
            QCOMPARE(tabs->iface->child(i)->state().selected, i == 0);
            names << tabs->iface->child(i)->text(QAccessible::Name);
        }
        QCOMPARE(names, f.form->tabGroups->tabs());

        // Each tab lies where it is drawn, so a pointing aid finds it.
        QAccessibleInterface* work = tabs->iface->child(2);
        QCOMPARE(tabs->iface->childAt(work->rect().center().x(), work->rect().center().y()), work);
        work->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(f.form->tabGroups->tabIndex(), 2);
        QVERIFY(work->state().selected);
    }

    void noteListShowsEachRowsText()
    {
        Form f;
        f.db.addNote(1, QStringLiteral("0"), QStringLiteral("09:00 Mon, 07Dec2026"), QStringLiteral("buy milk"));
        f.db.addNote(2, QStringLiteral("0"), QStringLiteral("10:30 Tue, 08Dec2026"),
                     QStringLiteral("call Ann\nat six"));
        f.db.addNote(3, QStringLiteral("0"), QStringLiteral("11:00 Tue, 08Dec2026"), QString(9000, QChar('x')));
        QVERIFY(f.start());
        app::NoteGrid& grid = *f.form->sgContents;
        const QList<Node> nodes = f.tree();
        const Node* list = nodeOf(nodes, &grid);
        QVERIFY(list);
        QCOMPARE(list->role, QAccessible::List);
        QCOMPARE(list->name, QStringLiteral("Notes"));
        QCOMPARE(list->iface->childCount(), grid.rowCount());
        QCOMPARE(grid.rowCount(), 5); // two day rows, three notes

        QStringList names;
        for (int row = 0; row < grid.rowCount(); ++row) {
            QAccessibleInterface* item = list->iface->child(row);
            QCOMPARE(item->role(), QAccessible::ListItem);
            names << item->text(QAccessible::Name);
        }
        QCOMPARE(names.mid(0, 1), QStringList{QStringLiteral("Tue, 08Dec2026")});
        QCOMPARE(names.mid(2), (QStringList{QStringLiteral("call Ann\nat six"), QStringLiteral("Mon, 07Dec2026"),
                                            QStringLiteral("buy milk")}));
        // A very long note is cut, so that reading it out does not stall.
        QCOMPARE(names[1].left(4000), QString(4000, QChar('x')));
        QVERIFY(names[1].size() < 4010);
        QCOMPARE(list->iface->child(2)->text(QAccessible::Description), QStringLiteral("10:30"));

        // Choosing a row through the interface selects it as a click does.
        list->iface->child(4)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(grid.currentRow(), 4);
        QCOMPARE(f.form->state().CurNoteId, 1);
        QVERIFY(list->iface->child(4)->state().selected);
        QVERIFY(!list->iface->child(0)->state().selected);

        // The rows are read live: a rebuilt list shows its new rows, and the old ones past
        // the end are gone.
        f.db.exec(QStringLiteral("delete from notes_main where id <> 1"));
        f.form->sendReloadNoteList();
        QCOMPARE(list->iface->childCount(), 2);
        QCOMPARE(list->iface->child(1)->text(QAccessible::Name), QStringLiteral("buy milk"));
        QVERIFY(!list->iface->child(4));
    }

    void menusOpenFromTheKeyboard()
    {
        Form f;
        f.db.addNote(1, QStringLiteral("0"), QStringLiteral("09:00 Mon, 07Dec2026"), QStringLiteral("buy milk"));
        QVERIFY(f.start());
        f.form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.form.get()));
        // Through the window, as keys arrive from the window system; the menu key comes as
        // the window system's keyboard request for a menu.
        QWindow* window = f.form->windowHandle();
        const auto menuKey = [window] {
            QContextMenuEvent request(QContextMenuEvent::Keyboard, QPoint(1, 1), window->mapToGlobal(QPoint(1, 1)));
            QCoreApplication::sendEvent(window, &request);
        };
        f.form->sgContents->setFocus();
        menuKey();
        QTRY_VERIFY(f.form->popGrid->isVisible());
        // Under the current row, not wherever the pointer happens to be.
        const QRect row = f.form->sgContents->cellRect(1, f.form->sgContents->currentRow());
        QVERIFY(QRect(f.form->sgContents->viewport()->mapToGlobal(row.topLeft()), row.size())
                    .contains(f.form->popGrid->pos()));
        f.form->popGrid->close();
        f.form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.form.get()));

        // The tab set takes the focus from the Tab key only; then the arrows choose a tab
        // and the menu key opens the category menu.
        QCOMPARE(f.form->tabGroups->focusPolicy(), Qt::TabFocus);
        f.form->tabGroups->setFocus();
        QTest::keyClick(window, Qt::Key_Right);
        QCOMPARE(f.form->tabGroups->tabIndex(), 1);
        QTest::keyClick(window, Qt::Key_Home);
        QCOMPARE(f.form->tabGroups->tabIndex(), 0);
        menuKey();
        QTRY_VERIFY(f.form->popCat->isVisible());
        f.form->popCat->close();
    }

    // What the program installs at start: German for a German desktop, English as written
    // for C; the toolkit's own texts follow, and counted texts take their English forms.
    void namesFollowTheDesktopsLanguage()
    {
        const auto restore = qScopeGuard([] { app::removeTranslations(); });
        struct Expected {
            QLocale locale;
            QString language, previous, options, exit, undo, searchTitle, cancel, toolkitCancel, oneGone;
        };
        const QList<Expected> cases = {
            {QLocale(QLocale::German, QLocale::Germany), QStringLiteral("de"), QStringLiteral("Vorige Notiz"),
             QStringLiteral("Einstellungen"), QStringLiteral("Beenden"), QStringLiteral("Löschen rückgängig"),
             QStringLiteral("Suchen"), QStringLiteral("Abbrechen"), QStringLiteral("Abbrechen"),
             QStringLiteral("Kategorie weg: 1 Notiz in Default")},
            {QLocale::c(), QString(), QStringLiteral("Prior note"), QStringLiteral("Options"), QStringLiteral("Exit"),
             QStringLiteral("Undo delete"), QStringLiteral("Search"), QStringLiteral("Cancel"),
             QStringLiteral("Cancel"), QStringLiteral("Category gone: 1 note in Default")},
        };
        for (const Expected& expected : cases) {
            QCOMPARE(app::installTranslations(expected.locale), expected.language);
            Form f;
            QVERIFY(f.start());
            const QList<Node> nodes = f.tree();
            QCOMPARE(nodeOf(nodes, f.form->imgPre)->name, expected.previous);
            QStringList entries;
            for (const QMenu* menu : {f.form->popGrid, f.form->popTray})
                for (const QAction* action : menu->actions())
                    entries << action->text();
            QVERIFY2(entries.contains(expected.options), qPrintable(entries.join(u'|')));
            QVERIFY2(entries.contains(expected.exit), qPrintable(entries.join(u'|')));
            QVERIFY2(entries.contains(expected.undo), qPrintable(entries.join(u'|')));
            dialogs::TFrmSearch search;
            QCOMPARE(search.windowTitle(), expected.searchTitle);
            QStringList buttons;
            for (const QPushButton* button : search.findChildren<QPushButton*>())
                buttons << button->text();
            QVERIFY2(buttons.contains(expected.cancel), qPrintable(buttons.join(u'|')));
            QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), expected.toolkitCancel);
            QCOMPARE(store::countedText("CategoryTabs", "Category gone: %n notes in Default",
                                        "Category gone: %n note in Default", 1),
                     expected.oneGone);
            app::removeTranslations();
        }
    }
};

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
