// The tab set: when it asks before a change, what a refusal does, and where the selection
// goes when captions come and go.
#include "widgets/TabSet.h"

#include <QMenu>
#include <QTest>

using widgets::TabSet;

class TestTabSet : public QObject {
    Q_OBJECT

private slots:
    // Either button asks before another tab is selected; a refusal keeps the selection and,
    // for the right button, shows no menu that would act on another tab than the one clicked.
    void asksBeforeEitherButtonSelectsAndObeysARefusal()
    {
        TabSet tabs;
        tabs.resize(285, 17);
        tabs.setTabs({"Default", "Work", "*New"}, 0);
        QMenu menu;
        tabs.setPopupMenu(&menu);
        QList<std::pair<int, int>> asked; // (index asked for, index selected meanwhile)
        bool allow = false;
        tabs.setChangeHandler([&](int index) {
            asked.append({index, tabs.tabIndex()});
            return allow;
        });
        QTest::mouseClick(&tabs, Qt::LeftButton, {}, tabs.tabRect(1).center());
        QCOMPARE(tabs.tabIndex(), 0);
        QTest::mouseClick(&tabs, Qt::RightButton, {}, tabs.tabRect(1).center());
        QVERIFY(!menu.isVisible());
        allow = true;
        QTest::mouseClick(&tabs, Qt::RightButton, {}, tabs.tabRect(2).center());
        QCOMPARE(tabs.tabIndex(), 2);
        QVERIFY(menu.isVisible());
        menu.hide();
        tabs.setTabIndex(0);
        tabs.setTabIndex(1);
        tabs.setTabIndex(1); // already selected
        tabs.setTabIndex(7); // no such tab
        QCOMPARE(tabs.tabIndex(), 1);
        QCOMPARE(asked, (QList<std::pair<int, int>>{{1, 0}, {1, 0}, {2, 0}, {0, 2}, {1, 0}}));
    }

    void captionsChangeWithoutAskingAndMoveTheIndex()
    {
        TabSet tabs;
        tabs.setTabs({"Default", "A", "B", "*New"}, 1);
        tabs.setChangeHandler([](int) -> bool { qFatal("captions must not ask"); });
        tabs.insertTab(2, QStringLiteral("after"));
        QCOMPARE(tabs.tabIndex(), 1);
        tabs.insertTab(1, QStringLiteral("at"));
        QCOMPARE(tabs.caption(tabs.tabIndex()), QStringLiteral("A"));
        tabs.removeTab(2); // the selected one: the next tab moves into its place
        QCOMPARE(tabs.caption(tabs.tabIndex()), QStringLiteral("after"));
        tabs.removeTab(0); // before it: the index stays, so another tab is selected
        QCOMPARE(tabs.caption(tabs.tabIndex()), QStringLiteral("B"));
        tabs.removeTab(2);
        tabs.removeTab(2); // past the end: the new last tab
        QCOMPARE(tabs.tabIndex(), 1);
    }

    void aHandlerThatInsertsBeforeTheTargetGetsTheIndexItAllowed()
    {
        TabSet tabs; // as choosing "*New" adds a category before it and selects it meanwhile
        tabs.setTabs({"Default", "*New"}, 0);
        tabs.setChangeHandler([&](int index) {
            if (tabs.caption(index) == QLatin1String("*New")) {
                tabs.insertTab(1, QStringLiteral("Home"));
                tabs.setTabIndex(1);
            }
            return true;
        });
        tabs.setTabIndex(1);
        QCOMPARE(tabs.caption(tabs.tabIndex()), QStringLiteral("Home"));
    }

    // In a language that reads from the right the tabs start at the right and the arrows
    // stand at the left; clicks and the arrow keys follow what is shown.
    void tabsBeyondTheWidthAreReachedThroughTheArrows()
    {
        for (const Qt::LayoutDirection direction : {Qt::LeftToRight, Qt::RightToLeft}) {
            const bool mirrored = direction == Qt::RightToLeft;
            TabSet tabs;
            tabs.setLayoutDirection(direction);
            QStringList captions;
            for (int i = 0; i < 14; ++i)
                captions << QStringLiteral("Category %1").arg(i);
            tabs.setTabs(captions, 0);
            tabs.resize(285, 17);
            const auto clearOfArrows = [&](const QRect& tab) {
                const QRect arrows = tabs.scrollArrowRect(false) | tabs.scrollArrowRect(true);
                return mirrored ? tab.left() > arrows.right() : tab.right() < arrows.left();
            };
            const int last = tabs.count() - 1;
            QVERIFY(tabs.hasScrollArrows());
            QVERIFY(mirrored == (tabs.tabRect(0).center().x() > tabs.width() / 2));
            QVERIFY(!tabs.tabRect(last).isValid() || !clearOfArrows(tabs.tabRect(last)));
            for (int i = 0; i < tabs.count(); ++i)
                QTest::mouseClick(&tabs, Qt::LeftButton, {}, tabs.scrollArrowRect(true).center());
            QVERIFY(clearOfArrows(tabs.tabRect(last)));
            QTest::mouseClick(&tabs, Qt::LeftButton, {}, tabs.tabRect(last).center());
            QCOMPARE(tabs.tabIndex(), last);
            QTest::keyClick(&tabs, mirrored ? Qt::Key_Right : Qt::Key_Left);
            QCOMPARE(tabs.tabIndex(), last - 1);
            tabs.setTabIndex(0); // chosen by the program: scrolled into view
            QCOMPARE(tabs.firstVisibleTab(), 0);

            // Scrolled to the end, the tabs that made the row overflow go: the first comes back.
            tabs.setTabIndex(last);
            QVERIFY(tabs.firstVisibleTab() > 0);
            while (tabs.hasScrollArrows())
                tabs.removeTab(1);
            QCOMPARE(tabs.firstVisibleTab(), 0);
        }
    }

    void keysAskTheHandlerAndObeyARefusal()
    {
        TabSet tabs;
        tabs.resize(120, 17); // too narrow for all: a key brings the chosen tab into view
        tabs.setTabs({"Default", "Work", "Home", "*New"}, 0);
        QList<int> asked;
        bool allow = true;
        tabs.setChangeHandler([&](int index) {
            asked << index;
            return allow;
        });

        QTest::keyClick(&tabs, Qt::Key_Left); // nothing before the first tab: nobody is asked
        QTest::keyClick(&tabs, Qt::Key_Right);
        QTest::keyClick(&tabs, Qt::Key_End);
        QCOMPARE(tabs.tabIndex(), 3);
        QVERIFY(tabs.tabRect(3).isValid());
        QTest::keyClick(&tabs, Qt::Key_Right); // nothing after the last
        QCOMPARE(asked, (QList<int>{1, 3}));

        allow = false;
        QTest::keyClick(&tabs, Qt::Key_Home);
        QTest::keyClick(&tabs, Qt::Key_Left);
        QCOMPARE(asked, (QList<int>{1, 3, 0, 2}));
        QCOMPARE(tabs.tabIndex(), 3);
    }
};

QTEST_MAIN(TestTabSet)
#include "tst_tabset.moc"
