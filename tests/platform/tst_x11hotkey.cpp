// F9 grabbed on a real X server: presses reach the program, another key or modifier does
// not, and a key that another program holds is reported as not registered without leaving
// any of our own grabs behind.
#include "platform/X11HotKey.h"

#include <QGuiApplication>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>
#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

using platform::X11HotKey;

namespace {

// Another program on the same display.
class OtherClient {
public:
    OtherClient() : m_connection(xcb_connect(nullptr, nullptr))
    {
        m_root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
        xcb_key_symbols_t* symbols = xcb_key_symbols_alloc(m_connection);
        xcb_keycode_t* codes = xcb_key_symbols_get_keycode(symbols, 0xffc6); // F9
        m_f9 = codes ? codes[0] : 0;
        free(codes);
        xcb_key_symbols_free(symbols);
    }
    ~OtherClient() { xcb_disconnect(m_connection); }

    // Whether a grab of F9 with exactly these modifiers succeeds.
    bool grabF9(uint16_t modifiers)
    {
        xcb_void_cookie_t cookie =
            xcb_grab_key_checked(m_connection, 0, m_root, modifiers, m_f9, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
        xcb_generic_error_t* error = xcb_request_check(m_connection, cookie);
        free(error);
        return error == nullptr;
    }
    void ungrabF9(uint16_t modifiers)
    {
        xcb_ungrab_key(m_connection, m_f9, m_root, modifiers);
        xcb_flush(m_connection);
    }

private:
    xcb_connection_t* m_connection;
    xcb_window_t m_root = 0;
    xcb_keycode_t m_f9 = 0;
};

void press(const QString& keys)
{
    QCOMPARE(QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("key"), keys}), 0);
}

} // namespace

class X11HotKeyTest : public QObject {
    Q_OBJECT

private slots:
    void f9ReachesTheProgram()
    {
        auto key = X11HotKey::forApplication();
        QVERIFY(key);
        QSignalSpy presses(key.get(), &X11HotKey::activated);
        QVERIFY(key->registerF9());
        QVERIFY(key->isWorking());
        press(QStringLiteral("F9"));
        QTRY_COMPARE(presses.count(), 1);
        QCOMPARE(presses.first().first().toInt(), 0x78);

        press(QStringLiteral("shift+F9"));
        press(QStringLiteral("F8"));
        QTest::qWait(200);
        QCOMPARE(presses.count(), 1);

        key->unregister();
        QVERIFY(!key->isWorking());
        OtherClient other;
        QVERIFY(other.grabF9(0)); // released for others
    }

    void aKeyHeldElsewhereIsNotRegistered()
    {
        OtherClient holder;
        // Held with Caps Lock only: our plain grab would succeed, the Caps Lock one fails.
        QVERIFY(holder.grabF9(XCB_MOD_MASK_LOCK));
        auto key = X11HotKey::forApplication();
        QVERIFY(!key->registerF9());
        QVERIFY(!key->isWorking());
        // Nothing of ours stays behind: a third program can take plain F9.
        {
            OtherClient third;
            QVERIFY(third.grabF9(0));
        }
        holder.ungrabF9(XCB_MOD_MASK_LOCK);
        QTest::qWait(50);
        QVERIFY(key->registerF9());
        QSignalSpy presses(key.get(), &X11HotKey::activated);
        press(QStringLiteral("F9"));
        QTRY_COMPARE(presses.count(), 1);
    }
};

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication application(argc, argv);
    X11HotKeyTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_x11hotkey.moc"
