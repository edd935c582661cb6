// The main window's behaviour with real widgets: the stay-on-top toggle and its pictures,
// snapping while the title bar is dragged, the docking strip, minimising where there is
// neither a tray nor a hot key to come back by and where the window system ignores it,
// dialogs hidden with the window, help on F1, and notes written by another process.
#include "app/DockingStrip.h"
#include "app/HiddenWindows.h"
#include "app/MiniForm.h"
#include "app/NoteGrid.h"
#include "app/UnreportedLeave.h"
#include "tests/support/TestDatabase.h"
#include "widgets/FlatTitlebar.h"

#include <QApplication>
#include <QCursor>
#include <QDesktopServices>
#include <QDialog>
#include <QElapsedTimer>
#include <QMenu>
#include <QTimer>
#include <QEnterEvent>
#include <QScreen>
#include <QTest>
#include <QToolButton>

using app::TMiniForm;

namespace {

struct Form {
    testing::TestDatabase db;
    std::unique_ptr<TMiniForm> form;

    Form() { form = std::make_unique<TMiniForm>(db.path()); }
    bool startAndShow()
    {
        if (!form->FormCreate())
            return false;
        form->show();
        return QTest::qWaitForWindowExposed(form.get());
    }
    QToolButton& lock() { return *static_cast<QToolButton*>(form->btnLock); }
    QToolButton& key() { return *static_cast<QToolButton*>(form->btnKey); }
    app::WindowBehaviour& behaviour() { return form->windowBehaviour(); }
    app::DockingStrip& strip() { return form->windowBehaviour().dockingStrip(); }

    void pointerLeaves(QPoint to)
    {
        QCursor::setPos(to);
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(form.get(), &leave);
    }
    void pointerEnters()
    {
        const QPoint inside = form->mapToGlobal(QPoint(10, 10));
        QCursor::setPos(inside);
        QEnterEvent enter(QPointF(10, 10), QPointF(10, 10), QPointF(inside));
        QApplication::sendEvent(form.get(), &enter);
    }
    // Another program takes the focus.
    void focusGoesElsewhere()
    {
        QT_WARNING_PUSH
        QT_WARNING_DISABLE_DEPRECATED
        QApplication::setActiveWindow(nullptr);
        QT_WARNING_POP
    }
    void dock()
    {
        dragTo(QPoint(100, 20));
        dragTo(QPoint(120, 5));
    }
    // Drags the title bar, grabbed at (100, 10), so the window's corner heads for `target`.
    void dragTo(QPoint target)
    {
        widgets::TFlatTitlebar* bar = form->FlatTitlebar1;
        const QPoint grab(100, 10);
        QTest::mousePress(bar, Qt::LeftButton, {}, grab);
        QTest::mouseMove(bar, grab + (target - form->pos()));
        QTest::mouseRelease(bar, Qt::LeftButton, {}, grab);
    }
};

bool listShows(const TMiniForm& form, int noteId)
{
    for (int row = 0; row < form.sgContents->rowCount(); ++row) {
        if (form.sgContents->rowTag(row) == noteId)
            return true;
    }
    return false;
}

class UrlCatcher : public QObject {
    Q_OBJECT
public slots:
    void open(const QUrl& url) { opened.append(url); }

public:
    QList<QUrl> opened;
};

} // namespace

class WindowBehaviourTest : public QObject {
    Q_OBJECT

private slots:
    void startsOnTopAndTheLockTogglesIt()
    {
        Form f;
        const qint64 lockOwn = f.lock().icon().cacheKey();
        const qint64 keyOwn = f.key().icon().cacheKey();
        QVERIFY(lockOwn != keyOwn);
        QVERIFY(f.startAndShow());
        QVERIFY(f.behaviour().isStayOnTop());
        QVERIFY(f.form->windowFlags() & Qt::WindowStaysOnTopHint);
        // On top: the lock shows the picture designed for the hidden button.
        QCOMPARE(f.lock().icon().cacheKey(), keyOwn);
        QVERIFY(f.key().isHidden());

        QTest::mouseClick(&f.lock(), Qt::LeftButton);
        QVERIFY(!f.behaviour().isStayOnTop());
        QVERIFY(!(f.form->windowFlags() & Qt::WindowStaysOnTopHint));
        QVERIFY(!(f.form->windowHandle()->flags() & Qt::WindowStaysOnTopHint));
        QCOMPARE(f.lock().icon().cacheKey(), lockOwn);
        QCOMPARE(f.key().icon().cacheKey(), keyOwn);
        QVERIFY(f.form->isVisible()); // changed in place, not hidden and shown again

        QTest::mouseClick(&f.lock(), Qt::LeftButton);
        QVERIFY(f.behaviour().isStayOnTop());
        QVERIFY(f.form->windowHandle()->flags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(f.lock().icon().cacheKey(), keyOwn);
    }

    void draggingSnapsToTheEdges()
    {
        Form f;
        QVERIFY(f.startAndShow());
        QCOMPARE(f.form->pos(), QPoint(295, 169));
        const int screenWidth = QGuiApplication::primaryScreen()->geometry().width();

        f.dragTo(QPoint(200, 150));
        QTRY_COMPARE(f.form->pos(), QPoint(200, 150));
        f.dragTo(QPoint(25, 150));
        QTRY_COMPARE(f.form->pos(), QPoint(0, 150));
        f.dragTo(QPoint(screenWidth - 287 - 30, 150));
        QTRY_COMPARE(f.form->pos(), QPoint(screenWidth - 287, 150));
        f.dragTo(QPoint(20, 10));
        QTRY_COMPARE(f.form->pos(), QPoint(20, 0));
        QVERIFY(!f.strip().DockedAtTop()); // it was lower before this move
    }

    void aWindowAtTheTopRollsUpToAStrip()
    {
        Form f;
        QVERIFY(f.startAndShow());
        QCOMPARE(f.strip().SavedHeight(), 325);
        f.dragTo(QPoint(100, 20));
        f.dragTo(QPoint(120, 5));
        QTRY_COMPARE(f.form->pos(), QPoint(120, 0));
        QVERIFY(f.strip().DockedAtTop());

        // Leaving for a spot still over the window (a control's edge) changes nothing.
        f.pointerLeaves(f.form->mapToGlobal(QPoint(50, 100)));
        QCOMPARE(f.form->height(), 325);
        f.pointerLeaves(QPoint(600, 500));
        QTRY_COMPARE(f.form->height(), app::DockingStrip::kStripHeight);
        f.pointerEnters();
        QTRY_COMPARE(f.form->height(), 325);

        // Where leaving is reported, nothing else rolls it up: neither another program taking
        // the focus nor the pointer resting over it.
        f.focusGoesElsewhere();
        QTest::qWait(app::UnreportedLeave::kStillMs + 300);
        QCOMPARE(f.form->height(), 325);
    }

    void aDockedWindowRollsUpWhereLeavingGoesUnreported()
    {
        Form f;
        QVERIFY(f.startAndShow());
        f.strip().setPointerLeavingReported(false); // XWayland
        f.dock();
        QVERIFY(f.strip().DockedAtTop());
        f.pointerEnters();
        QTRY_COMPARE(f.form->height(), 325);
        QTest::mouseMove(f.form->sgContents->viewport(), QPoint(40, 60));
        // In use, the window stays unrolled however long the pointer rests, until another
        // program takes the focus.
        QTest::qWait(app::UnreportedLeave::kStillMs + 300);
        QCOMPARE(f.form->height(), 325);
        f.focusGoesElsewhere();
        QTRY_COMPARE(f.form->height(), app::DockingStrip::kStripHeight);

        // Unrolled by the pointer alone, it stays so while the pointer moves over it, and rolls
        // up once no move has come for a moment.
        f.pointerEnters();
        QTRY_COMPARE(f.form->height(), 325);
        QElapsedTimer moving;
        moving.start();
        for (int step = 0; moving.elapsed() < 2 * app::UnreportedLeave::kStillMs; ++step) {
            QTest::mouseMove(f.form->sgContents->viewport(), QPoint(40 + step % 50, 60));
            QTest::qWait(100);
            QCOMPARE(f.form->height(), 325);
        }
        QTRY_COMPARE_WITH_TIMEOUT(f.form->height(), app::DockingStrip::kStripHeight, 5000);
        // Rolled up under the pointer, it unrolls as soon as the pointer moves.
        QTest::mouseMove(f.form->FlatTitlebar1, QPoint(60, 10));
        QTRY_COMPARE(f.form->height(), 325);
    }

    void aWindowLowerDownKeepsItsHeight()
    {
        Form f;
        QVERIFY(f.startAndShow());
        f.dragTo(QPoint(100, 200));
        f.dragTo(QPoint(110, 210));
        QTRY_COMPARE(f.form->pos(), QPoint(110, 210));
        QVERIFY(!f.strip().DockedAtTop());
        f.pointerLeaves(QPoint(700, 590));
        QCOMPARE(f.form->height(), 325);
    }

    void pullingADockedWindowDownUndocksItAtTheNextMove()
    {
        Form f;
        QVERIFY(f.startAndShow());
        f.dragTo(QPoint(100, 10));
        f.dragTo(QPoint(100, 5));
        QVERIFY(f.strip().DockedAtTop());
        f.dragTo(QPoint(100, 200));
        QVERIFY(f.strip().DockedAtTop()); // judged by the top before this move
        f.dragTo(QPoint(100, 220));
        QVERIFY(!f.strip().DockedAtTop());
        f.pointerLeaves(QPoint(700, 590));
        QCOMPARE(f.form->height(), 325);
    }

    void showingClearsTheDockedState()
    {
        Form f;
        QVERIFY(f.form->FormCreate());
        f.form->move(100, 0);
        f.strip().moveSnapped(QPoint(100, 0));
        QVERIFY(f.strip().DockedAtTop());
        f.form->show();
        QVERIFY(!f.strip().DockedAtTop());
    }

    void minimisingWithNoWayBackNeverHidesTheWindow()
    {
        // The offscreen desktop has no tray and no global keys.
        Form f;
        QVERIFY(f.startAndShow());
        QTest::mouseClick(static_cast<QToolButton*>(f.form->SpeedButton2), Qt::LeftButton);
        QTRY_VERIFY(f.form->isMinimized());
        QVERIFY(!f.form->isHidden());
        QVERIFY(f.behaviour().isApplicationMinimised());

        f.behaviour().showOrHide();
        QTRY_VERIFY(!f.form->isMinimized());
        QVERIFY(f.form->isVisible());

        // Like Weston through XWayland, the offscreen desktop leaves a window that asked to be
        // minimised on the screen. With nothing that could show it again, it stays there, and
        // is no longer taken for minimised: the next F9 or tray click hides it, not restores it.
        QTest::mouseClick(static_cast<QToolButton*>(f.form->SpeedButton2), Qt::LeftButton);
        QTRY_VERIFY(f.form->isMinimized());
        QTRY_VERIFY_WITH_TIMEOUT(!f.form->isMinimized(), 5000);
        QVERIFY(f.form->isVisible());
        QVERIFY(!f.behaviour().isApplicationMinimised());
    }

    void aMinimiseTheWindowSystemIgnoresHidesWhereToggleReaches()
    {
        Form f;
        QVERIFY(f.startAndShow());
        f.behaviour().setToggleAnswered(true);
        auto* minimise = static_cast<QToolButton*>(f.form->SpeedButton2);
        const QPoint onButton = minimise->rect().center();
        QTest::mouseMove(minimise, onButton);
        QTRY_VERIFY(minimise->underMouse());
        QTest::mouseClick(minimise, Qt::LeftButton, {}, onButton);
        QTRY_VERIFY_WITH_TIMEOUT(f.form->isHidden(), 5000);
        QVERIFY(f.behaviour().isApplicationMinimised());
        // Gone from under the pointer, the button no longer counts as hovered: it would come
        // back drawn so.
        QVERIFY(!minimise->underMouse());

        f.behaviour().showOrHide(); // --toggle
        QTRY_VERIFY(f.form->isVisible());
        QVERIFY(!f.form->isMinimized());
        QVERIFY(!minimise->underMouse());
        f.behaviour().showOrHide();
        QTRY_VERIFY_WITH_TIMEOUT(f.form->isHidden(), 5000);
    }

    void aSecondStartBringsTheWindowForwardWithoutHidingIt()
    {
        Form f;
        QVERIFY(f.startAndShow());
        f.behaviour().bringToFront();
        QVERIFY(f.form->isVisible());
        QVERIFY(!f.behaviour().isApplicationMinimised());
        f.form->showMinimized();
        QTRY_VERIFY(f.form->isMinimized());
        f.behaviour().bringToFront();
        QTRY_VERIFY(!f.form->isMinimized());
        QVERIFY(f.form->isVisible());
    }

    void aTrayClickTogglesTheWindow()
    {
        Form f;
        QVERIFY(f.startAndShow());
        QVERIFY(f.form->TrayIcon1 != nullptr);
        QCOMPARE(f.form->TrayIcon1->hint(), QStringLiteral("Quibbet Standard"));
        QCOMPARE(f.form->TrayIcon1->popupMenu(), f.form->popTray);
        const auto click = [&f] {
            f.form->TrayIcon1->handleMessage(widgets::TrayCallbackMessage, widgets::TrayMouseMessage::LeftDown);
            f.form->TrayIcon1->handleMessage(widgets::TrayCallbackMessage, widgets::TrayMouseMessage::LeftUp);
        };
        click();
        QTRY_VERIFY(f.behaviour().isApplicationMinimised());
        click();
        QTRY_VERIFY(!f.behaviour().isApplicationMinimised());
    }

    void aRestoredDockedWindowRollsUpWithThePointerElsewhere()
    {
        Form f;
        QVERIFY(f.startAndShow());
        f.dragTo(QPoint(100, 20));
        f.dragTo(QPoint(120, 5));
        QVERIFY(f.strip().DockedAtTop());
        f.pointerEnters();
        QTRY_COMPARE(f.form->height(), 325);
        // The pointer goes away while the window is minimised: no leave event comes.
        f.behaviour().showOrHide();
        QTRY_VERIFY(f.behaviour().isApplicationMinimised());
        QCursor::setPos(600, 500);
        f.behaviour().showOrHide();
        QTRY_VERIFY(!f.behaviour().isApplicationMinimised());
        QTRY_COMPARE(f.form->height(), app::DockingStrip::kStripHeight);

        // The same when the task bar restores it.
        f.pointerEnters();
        QTRY_COMPARE(f.form->height(), 325);
        f.form->showMinimized();
        QTRY_VERIFY(f.form->isMinimized());
        QCursor::setPos(600, 500);
        f.form->showNormal();
        QTRY_COMPARE(f.form->height(), app::DockingStrip::kStripHeight);

        // A menu of the window closes with the pointer elsewhere.
        f.pointerEnters();
        QTRY_COMPARE(f.form->height(), 325);
        f.form->popGrid->popup(f.form->mapToGlobal(QPoint(20, 60)));
        QTRY_VERIFY(f.form->popGrid->isVisible());
        QCursor::setPos(600, 500);
        f.form->popGrid->close();
        QTRY_COMPARE(f.form->height(), app::DockingStrip::kStripHeight);

        // With the pointer over it, it stays unrolled.
        f.pointerEnters();
        QTRY_COMPARE(f.form->height(), 325);
        f.form->popGrid->popup(f.form->mapToGlobal(QPoint(20, 60)));
        QTRY_VERIFY(f.form->popGrid->isVisible());
        QCursor::setPos(f.form->mapToGlobal(QPoint(30, 100)));
        f.form->popGrid->close();
        QTest::qWait(50);
        QCOMPARE(f.form->height(), 325);
    }

    void aDockedWindowRollsUpWhenADialogClosesWithThePointerElsewhere()
    {
        Form f;
        QVERIFY(f.startAndShow());
        f.dragTo(QPoint(100, 20));
        f.dragTo(QPoint(120, 5));
        QVERIFY(f.strip().DockedAtTop());
        for (const bool pointerOver : {false, true}) {
            f.pointerEnters();
            QTRY_COMPARE(f.form->height(), 325);
            QDialog dialog(f.form.get());
            // The pointer moves while the dialog is open: the window it blocks is told nothing.
            QTimer::singleShot(0, &dialog, [&] {
                QCursor::setPos(pointerOver ? f.form->mapToGlobal(QPoint(30, 100)) : QPoint(600, 500));
            });
            bool unrolledWhileOpen = false;
            QTimer::singleShot(100, &dialog, [&] {
                unrolledWhileOpen = f.form->height() == 325;
                dialog.accept();
            });
            dialog.exec();
            QVERIFY(unrolledWhileOpen);
            if (pointerOver) {
                QTest::qWait(50);
                QCOMPARE(f.form->height(), 325);
            } else {
                QTRY_COMPARE(f.form->height(), app::DockingStrip::kStripHeight);
            }
        }
    }

    void aHiddenDialogKeepsWaitingForItsAnswer()
    {
        QWidget main;
        main.show();
        QDialog dialog(&main);
        app::HiddenWindows hidden;
        bool stillWaitingWhileHidden = false;
        bool shownAgain = false;
        QTimer::singleShot(0, &dialog, [&] {
            hidden.hideAll(&main);
            // Had hiding ended the dialog's wait, exec() would return before this runs.
            QTimer::singleShot(50, &dialog, [&] {
                stillWaitingWhileHidden = dialog.isHidden();
                hidden.showAgain();
                shownAgain = dialog.isVisible() && QApplication::activeModalWidget() == &dialog;
                dialog.accept();
            });
        });
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
        QVERIFY(stillWaitingWhileHidden);
        QVERIFY(shownAgain);
    }

    void onlyTheDialogsThatWereShownComeBack()
    {
        QWidget main;
        main.show();
        QDialog shown(&main);
        shown.show();
        QDialog closedBefore(&main);
        auto* closedWhileHidden = new QDialog(&main);
        closedWhileHidden->show();
        app::HiddenWindows hidden;
        hidden.hideAll(&main);
        QVERIFY(main.isVisible()); // the main window is the caller's
        QVERIFY(shown.isHidden());
        QVERIFY(closedWhileHidden->isHidden());
        delete closedWhileHidden;
        hidden.showAgain();
        QVERIFY(shown.isVisible());
        QVERIFY(closedBefore.isHidden());
        QVERIFY(hidden.isEmpty());
    }

    void f1OpensTheHelp()
    {
        Form f;
        QVERIFY(f.startAndShow());
        QApplication::setActiveWindow(f.form.get());
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "open");
        QTest::keyClick(f.form->sgContents, Qt::Key_F1);
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        QCOMPARE(catcher.opened.size(), 1);
        QVERIFY(catcher.opened[0].toLocalFile().endsWith(QStringLiteral("/Quibbet Standard.chm")));
    }

    void notesWrittenByAnotherProcessAppearWhenTheWindowComesBack()
    {
        Form f;
        QVERIFY(f.startAndShow());
        f.db.addNote(7, QStringLiteral("0"), QStringLiteral("09:15 Mon, 07Dec2026"), QStringLiteral("from a script"));
        QVERIFY(!listShows(*f.form, 7)); // not looked for while nothing happens
        f.form->hide();
        f.form->show();
        QTRY_VERIFY(listShows(*f.form, 7));

        // In edit mode the list is left alone: a rebuild would take the draft out of the memo
        // or make it an edit of another note. The change is taken up once the list is back.
        f.form->noteEditing().imgEditModeClick();
        f.form->noteEditing().imgNewClick();
        QTest::keyClicks(f.form->memoContent, QStringLiteral("draft"));
        f.db.addNote(8, QStringLiteral("0"), QStringLiteral("09:16 Mon, 07Dec2026"), QStringLiteral("another"));
        f.form->hide();
        f.form->show();
        QCOMPARE(f.form->state().ApplyMode, QStringLiteral("I"));
        QCOMPARE(f.form->memoContent->toPlainText(), QStringLiteral("draft"));
        QVERIFY(!listShows(*f.form, 8));
        f.form->noteEditing().imgBrowseModeClick();
        f.form->hide();
        f.form->show();
        QTRY_VERIFY(listShows(*f.form, 8));
    }
};

QTEST_MAIN(WindowBehaviourTest)
#include "tst_windowbehaviour.moc"
