// The icon in a D-Bus tray, against a stand-in watcher on a private session bus: the item
// registers with a watcher that is there, that comes later, that restarts, and that owns its
// name before its object answers; it counts as shown only where the watcher knows a tray; it
// leaves the tray when no longer wanted; the tray's clicks arrive; and the exported menu holds
// the actions, whose click runs them.
#include "platform/DBusMenuExporter.h"
#include "platform/StatusNotifierItem.h"
#include "platform/StatusNotifierTypes.h"
#include "tests/support/FakeTrayWatcher.h"

#include <QAction>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusVariant>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using platform::StatusNotifierItem;
using testing::RunningTrayWatcher;

class StatusNotifierItemTest : public QObject {
    Q_OBJECT

private:
    testing::PrivateBus m_bus;

    QDBusConnection connect(const QString& purpose) { return m_bus.connect(purpose); }
    std::unique_ptr<RunningTrayWatcher> startWatcher(int objectLater = -1)
    {
        return RunningTrayWatcher::start(connect(QStringLiteral("watcher")), objectLater);
    }

    bool nameOwned(const QString& name)
    {
        return connect(QStringLiteral("look")).interface()->isServiceRegistered(name).value();
    }

    QDBusMessage callItem(const QString& service, const QString& path, const QString& interface, const QString& method,
                          const QList<QVariant>& arguments)
    {
        QDBusMessage call = QDBusMessage::createMethodCall(service, path, interface, method);
        call.setArguments(arguments);
        return connect(QStringLiteral("tray")).call(call, QDBus::BlockWithGui);
    }

    QVariant property(const StatusNotifierItem& item, const QString& name)
    {
        const QDBusMessage reply = callItem(item.serviceName(), QStringLiteral("/StatusNotifierItem"),
                                            QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"),
                                            {QStringLiteral("org.kde.StatusNotifierItem"), name});
        return reply.arguments().value(0).value<QDBusVariant>().variant();
    }

private slots:
    void initTestCase()
    {
        platform::registerStatusNotifierTypes();
        QVERIFY2(!m_bus.start().isEmpty(), "dbus-daemon could not be started");
    }

    void registersWithTheWatcherThatIsThere()
    {
        auto watcher = startWatcher();
        QVERIFY(watcher);
        StatusNotifierItem item(connect(QStringLiteral("item")));
        QVERIFY(item.serviceName().startsWith(
            QStringLiteral("org.kde.StatusNotifierItem-%1-").arg(QCoreApplication::applicationPid())));
        item.setWanted(true);
        QVERIFY(!item.isShown()); // asked for, not yet known
        QTRY_VERIFY(item.isShown());
        QCOMPARE(item.watcher(), StatusNotifierItem::Watcher::Present);
        QCOMPARE(watcher->watcher.registered, QStringList{item.serviceName()});
        QVERIFY(nameOwned(item.serviceName()));
    }

    void registersWithAWatcherThatComesLater()
    {
        StatusNotifierItem item(connect(QStringLiteral("item")));
        item.setWanted(true);
        QTRY_COMPARE(item.watcher(), StatusNotifierItem::Watcher::Absent);
        QTest::qWait(100);
        QVERIFY(!item.isShown());
        QSignalSpy changes(&item, &StatusNotifierItem::stateChanged);
        auto watcher = startWatcher();
        QVERIFY(watcher);
        QTRY_VERIFY(item.isShown());
        QVERIFY(changes.count() >= 1);
        QCOMPARE(watcher->watcher.registered, QStringList{item.serviceName()});
    }

    // The watcher restarts five times; each new one owns its name a while before its object
    // answers (the first tries fail), and the item gets in every time.
    void registersAgainWhenTheWatcherRestarts()
    {
        StatusNotifierItem item(connect(QStringLiteral("item")));
        item.setWanted(true);
        auto watcher = startWatcher();
        QVERIFY(watcher);
        QTRY_VERIFY(item.isShown());
        for (int restart = 0; restart < 5; ++restart) {
            watcher.reset();
            QTRY_COMPARE(item.watcher(), StatusNotifierItem::Watcher::Absent);
            QVERIFY(!item.isShown());
            watcher = startWatcher(150 + 100 * restart);
            QVERIFY(watcher);
            QTRY_COMPARE(item.watcher(), StatusNotifierItem::Watcher::Present);
            QTRY_VERIFY_WITH_TIMEOUT(item.isShown(), 10000);
            QCOMPARE(watcher->watcher.registered, QStringList{item.serviceName()});
        }
    }

    void aWatcherWithoutATrayShowsNothing()
    {
        auto watcher = startWatcher();
        QVERIFY(watcher);
        watcher->watcher.host = false;
        StatusNotifierItem item(connect(QStringLiteral("item")));
        item.setWanted(true);
        QTRY_COMPARE(watcher->watcher.registered.size(), 1);
        QTest::qWait(100);
        QVERIFY(!item.isShown());
        watcher->watcher.host = true;
        emit watcher->watcher.StatusNotifierHostRegistered();
        QTRY_VERIFY(item.isShown());
    }

    void notWantedLeavesTheTray()
    {
        auto watcher = startWatcher();
        QVERIFY(watcher);
        StatusNotifierItem item(connect(QStringLiteral("item")));
        item.setWanted(true);
        QTRY_VERIFY(item.isShown());
        item.setWanted(false);
        QVERIFY(!item.isShown());
        QTRY_VERIFY(!nameOwned(item.serviceName())); // the watcher drops items whose name goes
        item.setWanted(true);
        QTRY_VERIFY(item.isShown());
        QCOMPARE(watcher->watcher.registered.size(), 2);
    }

    void theTraysClicksArrive()
    {
        StatusNotifierItem item(connect(QStringLiteral("item")));
        item.setWanted(true);
        QTRY_VERIFY(nameOwned(item.serviceName()));
        QSignalSpy primary(&item, &StatusNotifierItem::activated);
        QSignalSpy secondary(&item, &StatusNotifierItem::secondaryActivated);
        QSignalSpy menu(&item, &StatusNotifierItem::contextMenuRequested);
        const QString path = QStringLiteral("/StatusNotifierItem");
        const QString sni = QStringLiteral("org.kde.StatusNotifierItem");
        callItem(item.serviceName(), path, sni, QStringLiteral("Activate"), {5, 6});
        callItem(item.serviceName(), path, sni, QStringLiteral("SecondaryActivate"), {7, 8});
        callItem(item.serviceName(), path, sni, QStringLiteral("ContextMenu"), {9, 10});
        QTRY_COMPARE(primary.count(), 1);
        QCOMPARE(primary.first().first().toPoint(), QPoint(5, 6));
        QTRY_COMPARE(secondary.count(), 1);
        QCOMPARE(secondary.first().first().toPoint(), QPoint(7, 8));
        QTRY_COMPARE(menu.count(), 1);
        QCOMPARE(menu.first().first().toPoint(), QPoint(9, 10));
    }

    void theIconAndTipAreProperties()
    {
        StatusNotifierItem item(connect(QStringLiteral("item")));
        QImage image(2, 1, QImage::Format_ARGB32);
        image.setPixel(0, 0, qRgba(0x11, 0x22, 0x33, 0x80));
        image.setPixel(1, 0, qRgba(0xFF, 0xEE, 0xDD, 0xFF));
        item.setIcon({image});
        item.setToolTip(QStringLiteral("Quibbet Standard"));
        item.setWanted(true);
        QTRY_VERIFY(nameOwned(item.serviceName()));

        const auto pixmaps = qdbus_cast<platform::SniPixmapList>(property(item, QStringLiteral("IconPixmap")));
        QCOMPARE(pixmaps.size(), 1);
        QCOMPARE(pixmaps.first().width, 2);
        QCOMPARE(pixmaps.first().height, 1);
        // ARGB, most significant byte first
        QCOMPARE(pixmaps.first().pixels, QByteArray::fromHex("80112233ffffeedd"));
        const auto tip = qdbus_cast<platform::SniToolTip>(property(item, QStringLiteral("ToolTip")));
        QCOMPARE(tip.title, QStringLiteral("Quibbet Standard"));
        QCOMPARE(property(item, QStringLiteral("ItemIsMenu")).toBool(), false);
        QCOMPARE(property(item, QStringLiteral("Menu")).value<QDBusObjectPath>().path(), QStringLiteral("/MenuBar"));
    }

    void theMenuIsExportedAndItsClicksRunTheActions()
    {
        StatusNotifierItem item(connect(QStringLiteral("item")));
        QAction help(QStringLiteral("Help"));
        QAction options(QStringLiteral("&Options"));
        QAction separator;
        separator.setSeparator(true);
        QAction exit(QStringLiteral("Exit"));
        QAction off(QStringLiteral("Off"));
        off.setEnabled(false);
        item.setMenu({&help, &options, &separator, &exit, &off});
        item.setWanted(true);
        QTRY_VERIFY(nameOwned(item.serviceName()));

        const QString path = QStringLiteral("/MenuBar");
        const QString menu = QStringLiteral("com.canonical.dbusmenu");
        const QDBusMessage reply =
            callItem(item.serviceName(), path, menu, QStringLiteral("GetLayout"), {0, -1, QStringList()});
        QVERIFY2(reply.type() == QDBusMessage::ReplyMessage, qPrintable(reply.errorMessage()));
        const auto layout = qdbus_cast<platform::DBusMenuLayoutItem>(reply.arguments().at(1));
        QCOMPARE(layout.id, 0);
        QStringList entries;
        for (const auto& child : layout.children) {
            entries << QStringLiteral("%1 %2%3")
                           .arg(child.id)
                           .arg(child.properties
                                    .value(QStringLiteral("label"), child.properties.value(QStringLiteral("type")))
                                    .toString())
                           .arg(child.properties.contains(QStringLiteral("enabled")) ? QStringLiteral(" (off)")
                                                                                     : QString());
        }
        QCOMPARE(entries, (QStringList{"1 Help", "2 _Options", "3 separator", "4 Exit", "5 Off (off)"}));

        QSignalSpy exitRun(&exit, &QAction::triggered);
        QSignalSpy offRun(&off, &QAction::triggered);
        callItem(item.serviceName(), path, menu, QStringLiteral("Event"),
                 {4, QStringLiteral("clicked"), QVariant::fromValue(QDBusVariant(0)), 0u});
        QTRY_COMPARE(exitRun.count(), 1);
        callItem(item.serviceName(), path, menu, QStringLiteral("Event"),
                 {5, QStringLiteral("clicked"), QVariant::fromValue(QDBusVariant(0)), 0u});
        callItem(item.serviceName(), path, menu, QStringLiteral("Event"),
                 {4, QStringLiteral("hovered"), QVariant::fromValue(QDBusVariant(0)), 0u});
        QTest::qWait(50);
        QCOMPARE(offRun.count(), 0);
        QCOMPARE(exitRun.count(), 1);

        // A changed entry is announced with a new revision.
        const uint revision = reply.arguments().at(0).toUInt();
        QSignalSpy updates(&item.menu(), &platform::DBusMenuExporter::layoutUpdated);
        help.setText(QStringLiteral("Help!"));
        QCOMPARE(updates.count(), 1);
        QVERIFY(item.menu().revision() > revision);
    }

    void labelsMarkTheKeyLetterWithAnUnderscore()
    {
        QCOMPARE(platform::DBusMenuExporter::label(QStringLiteral("&Options")), QStringLiteral("_Options"));
        QCOMPARE(platform::DBusMenuExporter::label(QStringLiteral("Fish && chips")), QStringLiteral("Fish & chips"));
        QCOMPARE(platform::DBusMenuExporter::label(QStringLiteral("snake_case")), QStringLiteral("snake__case"));
        QCOMPARE(platform::DBusMenuExporter::label(QStringLiteral("end&")), QStringLiteral("end"));
    }

    void noBusNoWatcher()
    {
        StatusNotifierItem item(
            QDBusConnection::connectToBus(QStringLiteral("unix:path=/nonexistent/bus"), QStringLiteral("none")));
        QCOMPARE(item.watcher(), StatusNotifierItem::Watcher::Absent);
        item.setWanted(true);
        QTest::qWait(50);
        QVERIFY(!item.isShown());
    }
};

QTEST_MAIN(StatusNotifierItemTest)
#include "tst_statusnotifieritem.moc"
