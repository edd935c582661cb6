// The tab set: when it asks before a change, what a refusal does, and where the selection
// goes when captions come and go.
#include "widgets/TabSet.h"

#include <QMenu>
#include <QTest>

using widgets::TabSet;

class TestTabSet : public QObject {
    Q_OBJECT

private slots:
    void asksBeforeChangingAndObeysARefusal()
    {
        TabSet tabs;
        tabs.setTabs({"Default", "Work", "*New"}, 0);
        QList<std::pair<int, int>> asked; // (new index, selected while asked)
        bool allow = false;
        tabs.setChangeHandler([&](int index) {
            asked.append({index, tabs.tabIndex()});
            return allow;
        });
        tabs.setTabIndex(1);
        QCOMPARE(tabs.tabIndex(), 0);
        allow = true;
        tabs.setTabIndex(1);
        QCOMPARE(tabs.tabIndex(), 1);
        tabs.setTabIndex(1); // already selected: not asked
        tabs.setTabIndex(7); // no such tab: not asked
        QCOMPARE(asked, (QList<std::pair<int, int>>{{1, 0}, {1, 0}}));
    }

    void onlyTheLeftButtonSelects()
    {
        TabSet tabs;
        tabs.resize(285, 17);
        tabs.setTabs({"Default", "Work", "*New"}, 0);
        QMenu menu;
        menu.addAction(QStringLiteral("Rename"));
        tabs.setPopupMenu(&menu);
        int asked = 0;
        tabs.setChangeHandler([&](int) { return ++asked, true; });
        QTest::mouseClick(&tabs, Qt::RightButton, {}, tabs.tabRect(1).center());
        QCOMPARE(tabs.tabIndex(), 0);
        QVERIFY(menu.isVisible());
        menu.hide();
        QTest::mouseClick(&tabs, Qt::LeftButton, {}, tabs.tabRect(1).center());
        QCOMPARE(tabs.tabIndex(), 1);
        QCOMPARE(asked, 1);
    }

    void captionChangesKeepTheSameTabSelectedWithoutAsking()
    {
        TabSet tabs;
        tabs.setTabs({"Default", "Work", "*New"}, 1);
        tabs.setChangeHandler([](int) -> bool { qFatal("captions must not ask"); });
        tabs.insertTab(2, QStringLiteral("Home")); // after the selected tab
        QCOMPARE(tabs.tabIndex(), 1);
        tabs.insertTab(1, QStringLiteral("Early")); // at the selected index
        QCOMPARE(tabs.tabIndex(), 2);
        QCOMPARE(tabs.caption(2), QStringLiteral("Work"));
        tabs.insertTab(0, QStringLiteral("First"));
        QCOMPARE(tabs.caption(tabs.tabIndex()), QStringLiteral("Work"));
        tabs.setCaption(3, QStringLiteral("Jobs"));
        QCOMPARE(tabs.tabIndex(), 3);
    }

    void removingKeepsTheIndexSoTheNextTabMovesIn()
    {
        TabSet tabs;
        tabs.setTabs({"Default", "A", "B", "*New"}, 1);
        tabs.removeTab(1);
        QCOMPARE(tabs.tabIndex(), 1);
        QCOMPARE(tabs.caption(1), QStringLiteral("B"));
        tabs.removeTab(0); // before the selected one: the index stays, another tab is selected
        QCOMPARE(tabs.tabIndex(), 1);
        QCOMPARE(tabs.caption(1), QStringLiteral("*New"));
        tabs.removeTab(1); // past the end: the new last tab
        QCOMPARE(tabs.tabIndex(), 0);
        tabs.removeTab(0);
        QCOMPARE(tabs.tabIndex(), -1);
    }

    void aHandlerThatInsertsBeforeTheTargetGetsTheIndexItAllowed()
    {
        // Choosing "*New" adds a category just before it and selects it from inside the
        // handler; the outer change then selects the index "*New" stood at: the new tab.
        TabSet tabs;
        tabs.setTabs({"Default", "*New"}, 0);
        tabs.setChangeHandler([&](int index) {
            if (tabs.caption(index) == QLatin1String("*New")) {
                tabs.insertTab(tabs.count() - 1, QStringLiteral("Home"));
                tabs.setTabIndex(tabs.count() - 2);
            }
            return true;
        });
        tabs.setTabIndex(1);
        QCOMPARE(tabs.tabs(), (QStringList{"Default", "Home", "*New"}));
        QCOMPARE(tabs.tabIndex(), 1);
    }

    void tabsBeyondTheWidthAreReachedThroughTheArrows()
    {
        TabSet tabs;
        QStringList captions{"Default"};
        for (int i = 1; i <= 12; ++i)
            captions << QStringLiteral("Category %1").arg(i);
        captions << QStringLiteral("*New");
        tabs.setTabs(captions, 0);
        tabs.resize(285, 17);
        tabs.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tabs));
        QVERIFY(tabs.hasScrollArrows());
        const int last = tabs.count() - 1;
        QVERIFY(!tabs.tabRect(last).isValid() || tabs.tabRect(last).right() >= tabs.scrollArrowRect(false).left());

        for (int clicks = 0; clicks < tabs.count(); ++clicks)
            QTest::mouseClick(&tabs, Qt::LeftButton, {}, tabs.scrollArrowRect(true).center());
        QVERIFY(tabs.firstVisibleTab() > 0);
        const QRect lastRect = tabs.tabRect(last);
        QVERIFY(lastRect.right() < tabs.scrollArrowRect(false).left());
        QTest::mouseClick(&tabs, Qt::LeftButton, {}, lastRect.center());
        QCOMPARE(tabs.tabIndex(), last);

        // Choosing a hidden tab from the program brings it into view.
        tabs.setTabIndex(0);
        QCOMPARE(tabs.firstVisibleTab(), 0);
        QCOMPARE(tabs.tabAt(tabs.tabRect(0).center()), 0);
    }
};

QTEST_MAIN(TestTabSet)
#include "tst_tabset.moc"
