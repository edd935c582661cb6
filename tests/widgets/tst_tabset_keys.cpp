// The tab set from the keyboard: the arrow keys and Home and End ask the change handler,
// just as a click does, and a refusal keeps the selected tab.
#include "widgets/TabSet.h"

#include <QTest>

class TabSetKeysTest : public QObject {
    Q_OBJECT

private slots:
    void keysAskTheHandlerAndObeyARefusal()
    {
        widgets::TabSet tabs;
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
        QTest::keyClick(&tabs, Qt::Key_Right); // nothing after the last
        QCOMPARE(asked, (QList<int>{1, 3}));

        allow = false;
        QTest::keyClick(&tabs, Qt::Key_Home);
        QTest::keyClick(&tabs, Qt::Key_Left);
        QCOMPARE(asked, (QList<int>{1, 3, 0, 2}));
        QCOMPARE(tabs.tabIndex(), 3);
    }
};

QTEST_MAIN(TabSetKeysTest)
#include "tst_tabset_keys.moc"
