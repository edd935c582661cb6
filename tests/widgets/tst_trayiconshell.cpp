// The desktop's tray shell with the tray icon on it, against a stand-in D-Bus tray watcher on a
// private bus: the icon goes to the D-Bus tray and says so, the tray's clicks reach the icon's
// events, the icon's menu is the one the tray shows, and the icon's refresh (a remove and an
// add) does not take it out of the tray.
#include "platform/DBusMenuExporter.h"
#include "platform/StatusNotifierItem.h"
#include "tests/support/FakeTrayWatcher.h"
#include "widgets/TrayIcon.h"
#include "widgets/TrayIconShell.h"

#include <QAction>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

using namespace widgets;
using testing::RunningTrayWatcher;

namespace {

TIcon solidIcon()
{
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::yellow);
    return TIcon::fromImages({image});
}

} // namespace

class TrayIconShellTest : public QObject {
    Q_OBJECT

private:
    testing::PrivateBus m_bus;

    // The shell and the icon on it, wired as the main window wires them.
    struct Tray {
        QtTrayShell shell;
        TTrayIcon icon{shell};
        QMenu menu;
        QStringList clicks;
        int trayChanges = 0;

        explicit Tray(QDBusConnection bus) : shell(std::move(bus))
        {
            shell.setMessageHandler(
                [this](unsigned message, unsigned mouse) { return icon.handleMessage(message, mouse); });
            shell.setTrayChangeHandler([this] {
                ++trayChanges;
                if (!icon.isAdded())
                    icon.refreshIcon();
            });
            menu.setProperty(TTrayIcon::kAutoPopupProperty, false); // a right click is a click here
            menu.addAction(QStringLiteral("Help"));
            menu.addAction(QStringLiteral("Options"));
            menu.addSeparator();
            menu.addAction(QStringLiteral("Exit"));
            icon.setPopupMenu(&menu);
            icon.OnClick = [this](TrayButton button, unsigned, int x, int y) {
                clicks << QStringLiteral("%1 %2,%3").arg(button == TrayButton::Left ? "left" : "right").arg(x).arg(y);
            };
            icon.setHint(QStringLiteral("Quibbet Standard"));
            icon.setIcon(solidIcon());
            icon.afterLoad();
        }
        const QString& service() const { return shell.statusNotifierItem().serviceName(); }
    };

    QDBusMessage call(const QString& service, const QString& path, const QString& interface, const QString& method,
                      const QList<QVariant>& arguments)
    {
        QDBusMessage message = QDBusMessage::createMethodCall(service, path, interface, method);
        message.setArguments(arguments);
        return m_bus.connect(QStringLiteral("tray")).call(message, QDBus::BlockWithGui);
    }

private slots:
    void initTestCase() { QVERIFY2(!m_bus.start().isEmpty(), "dbus-daemon could not be started"); }

    void theIconGoesToTheDBusTrayAndTakesItsClicks()
    {
        auto watcher = RunningTrayWatcher::start(m_bus.connect(QStringLiteral("watcher")));
        QVERIFY(watcher);
        Tray t(m_bus.connect(QStringLiteral("program")));
        QTRY_VERIFY(t.shell.isShown());
        QVERIFY(t.trayChanges >= 1);
        QVERIFY(t.icon.isAdded());
        QCOMPARE(watcher->watcher.registered, QStringList{t.service()});

        const QString path = QStringLiteral("/StatusNotifierItem");
        const QString sni = QStringLiteral("org.kde.StatusNotifierItem");
        call(t.service(), path, sni, QStringLiteral("Activate"), {30, 40});
        QTRY_COMPARE(t.clicks, QStringList{"left 30,40"});
        call(t.service(), path, sni, QStringLiteral("SecondaryActivate"), {30, 40}); // the middle button: no click
        call(t.service(), path, sni, QStringLiteral("ContextMenu"), {50, 60});
        QTRY_COMPARE(t.clicks, (QStringList{"left 30,40", "right 50,60"}));
    }

    void theTrayShowsTheIconsMenu()
    {
        Tray t(m_bus.connect(QStringLiteral("program")));
        QTRY_VERIFY(m_bus.connect(QStringLiteral("look")).interface()->isServiceRegistered(t.service()).value());
        auto labels = [&t] {
            QStringList labels;
            for (const auto& entry : t.shell.statusNotifierItem().menu().layout(0, -1, {}).children)
                labels << entry.properties.value(QStringLiteral("label"), QStringLiteral("-")).toString();
            return labels;
        };
        QCOMPARE(labels(), (QStringList{"Help", "Options", "-", "Exit"}));
        t.menu.addAction(QStringLiteral("Later"));
        QTRY_COMPARE(labels(), (QStringList{"Help", "Options", "-", "Exit", "Later"}));

        QSignalSpy exits(t.menu.actions().at(3), &QAction::triggered);
        QVERIFY(t.shell.statusNotifierItem().menu().handleEvent(4, QStringLiteral("clicked")));
        QTRY_COMPARE(exits.count(), 1);
    }

    void aRefreshKeepsTheIconInTheTray()
    {
        auto watcher = RunningTrayWatcher::start(m_bus.connect(QStringLiteral("watcher")));
        QVERIFY(watcher);
        Tray t(m_bus.connect(QStringLiteral("program")));
        QTRY_VERIFY(t.shell.isShown());
        t.icon.addIcon(); // removes the entry, then adds it
        QTest::qWait(100);
        QVERIFY(t.shell.isShown());
        QCOMPARE(watcher->watcher.registered.size(), 1); // never taken out and registered again

        t.icon.setActive(false);
        QTRY_VERIFY(!t.shell.isShown());
        QTRY_VERIFY(!m_bus.connect(QStringLiteral("look")).interface()->isServiceRegistered(t.service()).value());
    }

    void withoutAnyTrayTheIconIsNotShown()
    {
        Tray t(m_bus.connect(QStringLiteral("program")));
        QTRY_COMPARE(t.shell.statusNotifierItem().watcher(), platform::StatusNotifierItem::Watcher::Absent);
        QTest::qWait(50);
        QVERIFY(!t.shell.isShown());
        QVERIFY(!t.icon.isAdded());
    }
};

QTEST_MAIN(TrayIconShellTest)
#include "tst_trayiconshell.moc"
