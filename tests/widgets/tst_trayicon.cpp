// The tray icon's logic, driven through a fake notification area: the translation of the
// shell's mouse messages, clicks and double clicks, the menu, the entry's life, the tip, and
// the animation's hand-over to the user-interface thread.
#include "tests/widgets/FakeTrayShell.h"
#include "widgets/TrayIcon.h"

#include <QAction>
#include <QMenu>
#include <QTest>

using namespace widgets;
using testing::FakeTrayShell;

namespace {

TIcon solidIcon(const QColor& color)
{
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(color);
    return TIcon::fromImages({image});
}

QString letter(TrayButton button)
{
    switch (button) {
    case TrayButton::Left:
        return QStringLiteral("L");
    case TrayButton::Right:
        return QStringLiteral("R");
    case TrayButton::Middle:
        return QStringLiteral("M");
    }
    return {};
}

// A tray icon with every event written to a log, shown with an icon.
struct Tray {
    FakeTrayShell shell;
    TTrayIcon tray{shell};
    QStringList log;

    explicit Tray(bool load = true)
    {
        tray.OnMouseDown = [this](TrayButton b, unsigned s, int x, int y) {
            log << QStringLiteral("down %1 %2 @%3,%4").arg(letter(b)).arg(s).arg(x).arg(y);
        };
        tray.OnMouseUp = [this](TrayButton b, unsigned s, int, int) {
            log << QStringLiteral("up %1 %2").arg(letter(b)).arg(s);
        };
        tray.OnMouseMove = [this](unsigned s, int x, int y) {
            log << QStringLiteral("move %1 @%2,%3").arg(s).arg(x).arg(y);
        };
        tray.OnClick = [this](TrayButton b, unsigned s, int, int) {
            log << QStringLiteral("click %1 %2").arg(letter(b)).arg(s);
        };
        tray.OnDblClick = [this] { log << QStringLiteral("dblclick"); };
        tray.setHint(QStringLiteral("Quibbet Standard"));
        tray.setIcon(solidIcon(Qt::yellow));
        if (load)
            tray.afterLoad();
        shell.calls.clear();
        shell.records.clear();
    }

    void send(const QList<unsigned>& messages)
    {
        for (unsigned message : messages)
            QVERIFY(tray.handleMessage(TrayCallbackMessage, message));
    }
};

} // namespace

class TrayIconTest : public QObject {
    Q_OBJECT

private slots:
    void translatesTheShellsMouseMessages_data()
    {
        using namespace TrayMouseMessage;
        QTest::addColumn<QList<unsigned>>("messages");
        QTest::addColumn<unsigned>("keys");
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("move") << QList<unsigned>{Move} << 0u << QStringList{"move 0 @640,1000"};
        QTest::newRow("left down") << QList<unsigned>{LeftDown} << 0u << QStringList{"down L 8 @640,1000"};
        QTest::newRow("left click") << QList<unsigned>{LeftDown, LeftUp} << 0u
                                    << QStringList{"down L 8 @640,1000", "click L 8", "up L 8"};
        QTest::newRow("left up after a press elsewhere") << QList<unsigned>{LeftUp} << 0u << QStringList{"up L 8"};
        QTest::newRow("left double click")
            << QList<unsigned>{LeftDown, LeftUp, LeftDouble, LeftUp} << 0u
            << QStringList{"down L 8 @640,1000", "click L 8", "up L 8", "dblclick", "down L 64 @640,1000", "up L 8"};
        QTest::newRow("right down") << QList<unsigned>{RightDown} << 0u << QStringList{"down R 16 @640,1000"};
        QTest::newRow("right click without a menu")
            << QList<unsigned>{RightDown, RightUp} << 0u << QStringList{"down R 16 @640,1000", "click R 16", "up R 16"};
        QTest::newRow("right up after a press elsewhere") << QList<unsigned>{RightUp} << 0u << QStringList{"up R 16"};
        QTest::newRow("right double click") << QList<unsigned>{RightDouble} << 0u << QStringList{"down R 64 @640,1000"};
        QTest::newRow("middle press and release: never a click")
            << QList<unsigned>{MiddleDown, MiddleUp} << 0u << QStringList{"down M 32 @640,1000", "up M 32"};
        QTest::newRow("middle double click")
            << QList<unsigned>{MiddleDouble} << 0u << QStringList{"down M 64 @640,1000"};
        QTest::newRow("wheel: nothing") << QList<unsigned>{0x20A} << 0u << QStringList{};
        QTest::newRow("keys held join the button")
            << QList<unsigned>{LeftDown, LeftUp} << (TrayShift::Shift | TrayShift::Ctrl)
            << QStringList{"down L 13 @640,1000", "click L 13", "up L 13"};
        QTest::newRow("keys held on a double click")
            << QList<unsigned>{LeftDouble} << TrayShift::Alt << QStringList{"dblclick", "down L 66 @640,1000"};
    }

    void translatesTheShellsMouseMessages()
    {
        QFETCH(QList<unsigned>, messages);
        QFETCH(unsigned, keys);
        QFETCH(QStringList, expected);
        Tray t;
        t.shell.keys = keys;
        t.send(messages);
        QCOMPARE(t.log, expected);
    }

    void otherMessagesAreNotHandled()
    {
        Tray t;
        QVERIFY(!t.tray.handleMessage(TrayCallbackMessage + 1, TrayMouseMessage::LeftDown));
        QVERIFY(t.log.isEmpty());
    }

    void disabledIconStaysButFiresNothing()
    {
        Tray t;
        QMenu menu;
        menu.addAction(QStringLiteral("Exit"));
        t.tray.setPopupMenu(&menu);
        t.shell.takeCalls();
        t.tray.setEnabled(false);
        using namespace TrayMouseMessage;
        for (unsigned message : {LeftDown, LeftUp, LeftDouble, RightDown, RightUp, Move})
            QVERIFY(!t.tray.handleMessage(TrayCallbackMessage, message));
        QVERIFY(t.log.isEmpty());
        QVERIFY(t.tray.isAdded());
        QVERIFY(t.shell.calls.isEmpty()); // no menu, no remove
        t.tray.setEnabled(true);
        t.send({LeftDown, LeftUp});
        QVERIFY(t.log.contains(QStringLiteral("click L 8")));
    }

    void rightClickPopsTheMenuUpInsteadOfClicking()
    {
        Tray t;
        QMenu menu;
        menu.setObjectName(QStringLiteral("popTray"));
        menu.addAction(QStringLiteral("Exit"));
        t.tray.setPopupMenu(&menu);
        QCOMPARE(t.shell.takeCalls(), QStringList{"menu popTray"}); // a D-Bus tray shows its entries
        t.shell.duringPopup = [&t] { t.log << QStringLiteral("menu open"); };
        t.send({TrayMouseMessage::RightDown, TrayMouseMessage::RightUp});
        // The release is reported only after the menu has closed.
        QCOMPARE(t.log, (QStringList{"down R 16 @640,1000", "menu open", "up R 16"}));
        QCOMPARE(t.shell.calls, (QStringList{"cancel mouse mode", "foreground", "process messages",
                                             "popup popTray 640,1000", "foreground"}));
    }

    void aMenuThatDoesNotPopUpByItselfLeavesTheClick()
    {
        Tray t;
        QMenu menu;
        menu.setProperty(TTrayIcon::kAutoPopupProperty, false);
        t.tray.setPopupMenu(&menu);
        t.shell.takeCalls();
        t.send({TrayMouseMessage::RightDown, TrayMouseMessage::RightUp});
        QCOMPARE(t.log, (QStringList{"down R 16 @640,1000", "click R 16", "up R 16"}));
        QVERIFY(t.shell.calls.isEmpty());
    }

    void aFreedMenuIsForgotten()
    {
        Tray t;
        auto* menu = new QMenu;
        t.tray.setPopupMenu(menu);
        delete menu;
        QCOMPARE(t.tray.popupMenu(), nullptr);
        t.tray.setPopupMenu(nullptr);
        QCOMPARE(t.shell.takeCalls(), (QStringList{"menu ", "menu none"}));
        t.send({TrayMouseMessage::RightDown, TrayMouseMessage::RightUp});
        QVERIFY(t.log.contains(QStringLiteral("click R 16")));
    }

    void doubleClickRunsTheMenusDefaultItem()
    {
        Tray t;
        QMenu menu;
        QAction* help = menu.addAction(QStringLiteral("Help"));
        QAction* options = menu.addAction(QStringLiteral("Options"));
        int helpRuns = 0, optionRuns = 0;
        QObject::connect(help, &QAction::triggered, [&helpRuns] { ++helpRuns; });
        QObject::connect(options, &QAction::triggered, [&optionRuns] { ++optionRuns; });
        t.tray.setPopupMenu(&menu);

        t.send({TrayMouseMessage::LeftDouble});
        QCOMPARE(t.log.first(), QStringLiteral("dblclick")); // no default item yet

        menu.setDefaultAction(options);
        t.log.clear();
        t.send({TrayMouseMessage::LeftDouble});
        QCOMPARE(optionRuns, 1);
        QVERIFY(!t.log.contains(QStringLiteral("dblclick")));

        options->setEnabled(false); // a disabled default item is passed over
        t.log.clear();
        t.send({TrayMouseMessage::LeftDouble});
        QCOMPARE(optionRuns, 1);
        QCOMPARE(helpRuns, 0);
        QCOMPARE(t.log.first(), QStringLiteral("dblclick"));
    }

    void anErrorInAHandlerIsShownAndTheIconGoesOn()
    {
        Tray t;
        t.tray.OnClick = [](TrayButton, unsigned, int, int) { throw std::runtime_error("disk full"); };
        t.send({TrayMouseMessage::LeftDown, TrayMouseMessage::LeftUp});
        QCOMPARE(t.shell.errors, QStringList{"disk full"});
        // The clicked set was updated before the error: the next press clicks again.
        t.send({TrayMouseMessage::LeftDown, TrayMouseMessage::LeftUp});
        QCOMPARE(t.shell.errors.size(), 2);
    }

    void theTipIsTheShortHintCutTo63Characters()
    {
        Tray t;
        t.tray.setHint(QStringLiteral("Quibbet Standard|Notes kept short"));
        QCOMPARE(t.shell.calls, QStringList{"modify"});
        QCOMPARE(t.shell.records.last().tip, QStringLiteral("Quibbet Standard"));

        const QString longHint = QString(100, QLatin1Char('x'));
        t.tray.setHint(longHint);
        QCOMPARE(t.shell.records.last().tip, longHint.left(63));
        t.tray.setHint(longHint + QStringLiteral("|rest"));
        QCOMPARE(t.shell.records.last().tip, longHint.left(63));

        t.shell.calls.clear();
        t.tray.setHint(longHint + QStringLiteral("|rest")); // unchanged: nothing sent
        QVERIFY(t.shell.calls.isEmpty());
    }

    void theRecordNamesTheEntryAndItsIcon()
    {
        Tray t;
        t.tray.refreshIcon();
        const TrayNotifyData& record = t.shell.records.last();
        QCOMPARE(record.size, 88u);
        QCOMPARE(record.id, 0u);
        QCOMPARE(record.flags, 7u);
        QCOMPARE(record.callbackMessage, 45140u);
        QCOMPARE(record.icon, &t.tray.icon());
    }

    void theEntryAppearsOnlyOnceLoaded()
    {
        Tray t(false);
        QVERIFY(!t.shell.calls.contains(QStringLiteral("add")));
        t.tray.afterLoad();
        QVERIFY(t.tray.isAdded());
        QCOMPARE(t.shell.calls, (QStringList{"remove", "add"}));
    }

    void anEmptyTipIsSentAgainAfterTheAdd()
    {
        FakeTrayShell shell;
        TTrayIcon tray(shell);
        tray.setIcon(solidIcon(Qt::yellow));
        tray.afterLoad();
        QCOMPARE(shell.calls, (QStringList{"remove", "add", "modify"}));
    }

    void aFailedAddIsRetriedByLaterRefreshes()
    {
        Tray t(false);
        t.shell.acceptAdds = false;
        t.tray.afterLoad();
        QVERIFY(!t.tray.isAdded());
        t.tray.setHint(QStringLiteral("still no tray"));
        QVERIFY(!t.tray.isAdded());
        QCOMPARE(t.shell.calls.count(QStringLiteral("add")), 2);

        t.shell.acceptAdds = true; // the tray host has come up
        t.tray.refreshIcon();
        QVERIFY(t.tray.isAdded());
        t.shell.calls.clear();
        t.tray.refreshIcon(); // added now: modified in place
        QCOMPARE(t.shell.calls, QStringList{"modify"});
    }

    void anEmptyIconIsNeverShown()
    {
        FakeTrayShell shell;
        TTrayIcon tray(shell);
        tray.afterLoad();
        QVERIFY(!shell.calls.contains(QStringLiteral("add")));
        tray.setIcon(solidIcon(Qt::yellow));
        QVERIFY(tray.isAdded());
        shell.calls.clear();
        tray.icon().clear();
        QVERIFY(!tray.isAdded());
        QCOMPARE(shell.calls, QStringList{"remove"});
    }

    void activeSwitchesTheEntry()
    {
        Tray t;
        t.tray.setActive(false);
        QVERIFY(!t.tray.isAdded());
        t.tray.setHint(QStringLiteral("changed while off")); // not active: no add
        QVERIFY(!t.tray.isAdded());
        t.tray.setActive(true);
        QVERIFY(t.tray.isAdded());
        QCOMPARE(t.shell.calls, (QStringList{"remove", "remove", "add"}));
    }

    void aPendingClickIsForgottenWhenTheEntryGoes()
    {
        Tray t;
        t.send({TrayMouseMessage::LeftDown});
        t.tray.setActive(false);
        t.tray.setActive(true);
        t.send({TrayMouseMessage::LeftUp});
        QVERIFY(!t.log.contains(QStringLiteral("click L 8")));
    }

    void destructionRemovesTheEntry()
    {
        FakeTrayShell shell;
        {
            TTrayIcon tray(shell);
            tray.setIcon(solidIcon(Qt::yellow));
            tray.afterLoad();
            shell.calls.clear();
        }
        QCOMPARE(shell.calls, QStringList{"remove"});
    }

    void animationStepsThroughTheIconsOnTheUiThread()
    {
        Tray t;
        t.tray.icons().add(solidIcon(Qt::red));
        t.tray.icons().add(solidIcon(Qt::green));
        t.tray.icons().add(solidIcon(Qt::blue));
        t.tray.setInterval(5);
        t.tray.setAnimated(true);
        QVERIFY(t.tray.animated());
        QCOMPARE(t.tray.frameIndex(), 0);
        QCOMPARE(t.tray.currentIcon(), t.tray.icons().icon(0));

        QTRY_VERIFY(t.shell.queuedSteps() >= 4);
        // Nothing changes until the user-interface thread runs the steps.
        QCOMPARE(t.tray.frameIndex(), 0);
        t.shell.records.clear();
        const int steps = t.shell.runQueuedSteps();
        QCOMPARE(t.tray.frameIndex(), steps % 3);
        QCOMPARE(t.shell.records.size(), steps);
        QCOMPARE(t.shell.records.last().icon, t.tray.icons().icon(steps % 3));

        // Removing the entry pauses the worker; adding it again resumes it.
        t.tray.setActive(false);
        QTest::qWait(20);
        t.shell.runQueuedSteps();
        QTest::qWait(40);
        QCOMPARE(t.shell.queuedSteps(), 0);
        t.tray.setActive(true);
        QTRY_VERIFY(t.shell.queuedSteps() >= 1);

        // Switched off, steps already on their way do nothing.
        t.tray.setAnimated(false);
        QCOMPARE(t.tray.frameIndex(), 0);
        QCOMPARE(t.tray.currentIcon(), &t.tray.icon());
        QTest::qWait(30);
        t.shell.runQueuedSteps();
        QCOMPARE(t.tray.frameIndex(), 0);
        QTest::qWait(30);
        QCOMPARE(t.shell.queuedSteps(), 0);
    }

    void animationNeedsIcons()
    {
        Tray t;
        t.tray.setAnimated(true);
        QVERIFY(!t.tray.animated());

        t.tray.icons().add(solidIcon(Qt::red));
        t.tray.setInterval(5);
        t.tray.setAnimated(true);
        QVERIFY(t.tray.animated());
        t.tray.icons().clear(); // emptied while animating: switched off
        QVERIFY(!t.tray.animated());
        QCOMPARE(t.tray.currentIcon(), &t.tray.icon());
        QTest::qWait(30);
        t.shell.runQueuedSteps();
        QCOMPARE(t.tray.frameIndex(), 0);
    }
};

QTEST_MAIN(TrayIconTest)
#include "tst_trayicon.moc"
