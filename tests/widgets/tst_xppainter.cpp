// The XP-style painter on a dialog of plain widgets: the painted looks of buttons, buttons
// with glyphs, edits, memos and check boxes in each state, the tag rules, and switching the
// painter off and on.
#include "XPTestDialog.h"

#include "widgets/ColorMath.h"
#include "widgets/xp/CheckBoxPainter.h"
#include "widgets/xp/ControlSubClass.h"
#include "widgets/xp/XPPainter.h"

#include "../support/Pixels.h"
#include "../support/WidgetEvents.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QVBoxLayout>

using namespace widgets;
using namespace widgets::xp;

namespace {


void key(QWidget* widget, QEvent::Type type, bool autoRepeat)
{
    QKeyEvent event(type, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), autoRepeat);
    QApplication::sendEvent(widget, &event);
}

QImage shot(QWidget* widget)
{
    // A style change asks for a new layout; settle it first.
    QApplication::sendPostedEvents();
    if (QLayout* layout = widget->window()->layout())
        layout->activate();
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

TColor highlight()
{
    return fromQColor(QApplication::palette().color(QPalette::Highlight));
}
TColor parentColour(QWidget* w)
{
    return fromQColor(w->parentWidget()->palette().color(QPalette::Window));
}

} // namespace

class TestXPPainter : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void attachToUsesTheDialogsSettings();
    void buttonAtRestIsRoundedLightSurfaceInOutline();
    void hotButtonShowsOrangeRim();
    void focusedButtonShowsBlueRimOnceThePointerLeft();
    void pressedButtonShowsDownSurface();
    void spaceBarPressesOnceAndRepeatsDoNotRepaint();
    void doubleClickReachesButtonAsSecondPress();
    void glyphIsDimmedAtRestRaisedWhenHotAndGrayedWhenDisabled();
    void editShowsOneThinBorderByFocus();
    void memoGetsTheLightSurfaceAndThinBorder();
    void checkedBoxShowsGreenTick();
    void hotCheckBoxShowsInnerRimAndClickClearsHot();
    void groupBoxIsLeftAloneButItsControlsArePainted();
    void containersAreRecognisedAndInnerPartsLeftAlone();
    void tag999KeepsControlAndChildrenOut();
    void tag1234567890KeepsOwnColours();
    void negativeTagIsHookedButNotPainted();
    void switchingOffRestoresStandardLookAndOnPaintsAgain();
    void changingXPControlsRehooks();
    void trueXPStyleSwitchRestoresColours();
    void lowColourDevicesGetTheSimpleColours();

private:
    XPTestDialog* m_dialog = nullptr;
    TXPPainter* m_painter = nullptr;
    void showActive();
};

void TestXPPainter::init()
{
    m_dialog = new XPTestDialog;
    m_painter = TXPPainter::attachTo(&m_dialog->dialog);
}

void TestXPPainter::cleanup()
{
    delete m_dialog;
    m_dialog = nullptr;
}

void TestXPPainter::showActive()
{
    QDialog* dialog = &m_dialog->dialog;
    dialog->show();
    dialog->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(dialog));
    if (QApplication::activeWindow() != dialog)
        QApplication::setActiveWindow(dialog);
}

void TestXPPainter::attachToUsesTheDialogsSettings()
{
    QCOMPARE(m_painter->objectName(), QStringLiteral("XPPainter1"));
    QVERIFY(m_painter->isActive());
    const XPSettings& s = m_painter->settings();
    QCOMPARE(s.XPControls, TXPControls(kAllControls & ~xcGroupBox));
    QCOMPARE(s.XPContainers, kAllContainers);
    QCOMPARE(s.Font.pixelSize(), 11);
    QCOMPARE(s.DimLevel, 30);
    QCOMPARE(s.GrayLevel, 10);
    QCOMPARE(s.BtnRoundArc, 5);
    QCOMPARE(s.IconWidth, 24);
    // Buttons, edits, memo, check boxes and the edit in the group box; not the group box.
    QCOMPARE(m_painter->hookCount(), 8);
}

void TestXPPainter::buttonAtRestIsRoundedLightSurfaceInOutline()
{
    QPushButton* button = m_dialog->plain;
    const XPSettings& s = m_painter->settings();
    const QImage image = shot(button);
    const int mid = image.height() / 2;
    QCOMPARE(image.pixel(0, mid), testing::rgbOf(s.BtnOutLineBorderColor));
    QCOMPARE(image.pixel(image.width() / 2, 0), testing::rgbOf(s.BtnOutLineBorderColor));
    QCOMPARE(image.pixel(3, mid), testing::rgbOf(s.BtnSurfaceNormalColor));
    QCOMPARE(image.pixel(1, mid), testing::rgbOf(s.BtnSurfaceNormalColor)); // no rim at rest
    QCOMPARE(image.pixel(s.BtnRoundArc + 1, image.height() - 2), testing::rgbOf(s.BtnSurfaceBottomLineColor));
    QCOMPARE(image.pixel(0, 0), testing::rgbOf(parentColour(button))); // the rounded corner
}

void TestXPPainter::hotButtonShowsOrangeRim()
{
    QPushButton* button = m_dialog->plain;
    const XPSettings& s = m_painter->settings();
    testing::pointerEnters(*button, QPointF(2, 2));
    QVERIFY(m_painter->hookOf(button)->hot());
    const QImage image = shot(button);
    const int mid = image.height() / 2;
    QCOMPARE(image.pixel(0, mid), testing::rgbOf(s.BtnOutLineBorderColor));
    QCOMPARE(image.pixel(1, mid), testing::rgbOf(AddToChannels(s.BtnInnerBorderMoveColor, 0, 2, 2)));
    QCOMPARE(image.pixel(image.width() / 2, image.height() - 2), testing::rgbOf(s.BtnInnerBorderMoveColor));
    QCOMPARE(image.pixel(image.width() / 2, image.height() - 3),
             testing::rgbOf(AddToChannels(s.BtnInnerBorderMoveColor, 0, 2, 2)));
    QCOMPARE(image.pixel(3, mid), testing::rgbOf(s.BtnSurfaceNormalColor));
    testing::pointerLeaves(*button);
    QCOMPARE(shot(button).pixel(1, mid), testing::rgbOf(s.BtnSurfaceNormalColor));
}

void TestXPPainter::focusedButtonShowsBlueRimOnceThePointerLeft()
{
    showActive();
    QPushButton* button = m_dialog->plain;
    const XPSettings& s = m_painter->settings();
    button->setFocus();
    QTRY_VERIFY(button->hasFocus());
    // Focus received counts as hot until the pointer leaves.
    QVERIFY(m_painter->hookOf(button)->hot());
    testing::pointerLeaves(*button);
    const QImage image = shot(button);
    const int mid = image.height() / 2;
    QCOMPARE(image.pixel(1, mid), testing::rgbOf(AddToChannels(s.BtnInnerBorderFocusColor, 2, 2, 2)));
    QCOMPARE(image.pixel(image.width() / 2, image.height() - 2), testing::rgbOf(s.BtnInnerBorderFocusColor));
}

void TestXPPainter::pressedButtonShowsDownSurface()
{
    QPushButton* button = m_dialog->plain;
    const XPSettings& s = m_painter->settings();
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(10, 10));
    QVERIFY(m_painter->hookOf(button)->mouseDown());
    QImage image = shot(button);
    const int mid = image.height() / 2;
    QCOMPARE(image.pixel(3, mid), testing::rgbOf(s.BtnSurfaceDownColor));
    QCOMPARE(image.pixel(1, mid), testing::rgbOf(s.BtnSurfaceDownColor)); // the rim gives way
    QCOMPARE(image.pixel(0, mid), testing::rgbOf(s.BtnOutLineBorderColor));
    QCOMPARE(image.pixel(s.BtnRoundArc + 1, image.height() - 2), testing::rgbOf(s.BtnSurfaceDownBottomLineColor));
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(10, 10));
    QVERIFY(!m_painter->hookOf(button)->mouseDown());
    QCOMPARE(shot(button).pixel(3, mid), testing::rgbOf(s.BtnSurfaceNormalColor));
}

void TestXPPainter::spaceBarPressesOnceAndRepeatsDoNotRepaint()
{
    showActive();
    QPushButton* button = m_dialog->plain;
    QSignalSpy clicked(button, &QPushButton::clicked);
    button->setFocus();
    QTRY_VERIFY(button->hasFocus());
    const TControlSubClass* hook = m_painter->hookOf(button);
    key(button, QEvent::KeyPress, false);
    QVERIFY(hook->spaceDown());
    QCOMPARE(shot(button).pixel(3, button->height() / 2), testing::rgbOf(m_painter->settings().BtnSurfaceDownColor));
    const int repaints = hook->stateRepaints();
    for (int i = 0; i < 5; ++i) {
        key(button, QEvent::KeyRelease, true);
        key(button, QEvent::KeyPress, true);
    }
    QCOMPARE(hook->stateRepaints(), repaints);
    QVERIFY(hook->spaceDown());
    key(button, QEvent::KeyRelease, false);
    QVERIFY(!hook->spaceDown());
    QCOMPARE(clicked.count(), 1);
}

void TestXPPainter::doubleClickReachesButtonAsSecondPress()
{
    for (QAbstractButton* button :
         {static_cast<QAbstractButton*>(m_dialog->plain), static_cast<QAbstractButton*>(m_dialog->check)}) {
        QSignalSpy pressed(button, &QAbstractButton::pressed);
        QSignalSpy clicked(button, &QAbstractButton::clicked);
        const QPoint at(5, button->height() / 2);
        QTest::mousePress(button, Qt::LeftButton, {}, at);
        QTest::mouseRelease(button, Qt::LeftButton, {}, at);
        QMouseEvent twice(QEvent::MouseButtonDblClick, at, button->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(button, &twice);
        QVERIFY(m_painter->hookOf(button)->mouseDown());
        QTest::mouseRelease(button, Qt::LeftButton, {}, at);
        QCOMPARE(pressed.count(), 2);
        QCOMPARE(clicked.count(), 2);
    }
}

void TestXPPainter::glyphIsDimmedAtRestRaisedWhenHotAndGrayedWhenDisabled()
{
    QPushButton* button = m_dialog->cancel;
    const QRgb dimmed = qRgb(76, 174, 76); // (0, 140, 0) lightened by 30, ties to even
    const QRect rest = testing::boxOfColour(shot(button), dimmed);
    QCOMPARE(rest.size(), QSize(12, 12));

    testing::pointerEnters(*button, QPointF(2, 2));
    const QImage hot = shot(button);
    const QRect raised = testing::boxOfColour(hot, XPTestDialog::glyphColor().rgb());
    QCOMPARE(raised.size(), QSize(12, 12));
    QCOMPARE(raised.topLeft(), rest.topLeft() - QPoint(1, 1));
    const TColor shadow = DarkenColor(LightenColor(highlight(), 68), 50);
    QCOMPARE(hot.pixel(raised.right() + 3, raised.bottom() + 3), testing::rgbOf(shadow));
    testing::pointerLeaves(*button);

    button->setEnabled(false);
    const QRgb grayed = qRgb(136, 136, 136); // gray 46 + 10, then lightened by 40
    QCOMPARE(testing::boxOfColour(shot(button), grayed).size(), QSize(12, 12));
}

void TestXPPainter::editShowsOneThinBorderByFocus()
{
    showActive();
    QLineEdit* edit = m_dialog->edit;
    m_dialog->plain->setFocus();
    QTRY_VERIFY(!edit->hasFocus());
    const QImage rest = shot(edit);
    const int mid = rest.height() / 2;
    QCOMPARE(rest.pixel(0, mid), testing::rgbOf(DarkenColor(parentColour(edit), 60)));
    QCOMPARE(rest.pixel(1, mid), testing::rgbOf(m_painter->settings().BtnSurfaceNormalColor));
    QCOMPARE(rest.pixel(edit->width() - 1, mid), testing::rgbOf(DarkenColor(parentColour(edit), 60)));

    edit->setFocus();
    QTRY_VERIFY(edit->hasFocus());
    const QImage focused = shot(edit);
    QCOMPARE(focused.pixel(0, mid), testing::rgbOf(LightenColor(highlight(), 60)));
    QCOMPARE(focused.pixel(edit->width() / 2, 0), testing::rgbOf(LightenColor(highlight(), 60)));
    QCOMPARE(focused.pixel(1, mid), testing::rgbOf(m_painter->settings().BtnSurfaceNormalColor));
}

void TestXPPainter::memoGetsTheLightSurfaceAndThinBorder()
{
    QPlainTextEdit* memo = m_dialog->memo;
    const QImage image = shot(memo);
    const int mid = image.height() / 2;
    QCOMPARE(image.pixel(0, mid), testing::rgbOf(DarkenColor(parentColour(memo), 60)));
    QCOMPARE(image.pixel(1, mid), testing::rgbOf(m_painter->settings().BtnSurfaceNormalColor));
    QCOMPARE(image.pixel(image.width() - 10, mid), testing::rgbOf(m_painter->settings().BtnSurfaceNormalColor));
    testing::pointerEnters(*memo, QPointF(2, 2));
    QCOMPARE(shot(memo).pixel(0, mid), testing::rgbOf(LightenColor(highlight(), 60)));
}

void TestXPPainter::checkedBoxShowsGreenTick()
{
    QCheckBox* check = m_dialog->check;
    const XPSettings& s = m_painter->settings();
    const QRect box = checkBoxBox(check->rect(), true, false).adjusted(2, 2, -2, -2);
    const QPoint tickLow(box.left() + 1 + 4, box.top() + box.height() - 3); // the tick's lowest point
    QCOMPARE(shot(check).pixel(tickLow), testing::rgbOf(s.BtnSurfaceNormalColor));
    check->setChecked(true);
    const QImage image = shot(check);
    QCOMPARE(image.pixel(tickLow), testing::rgbOf(s.RdoChkControlChkColor));
    QCOMPARE(image.pixel(box.left(), box.center().y()), testing::rgbOf(s.BtnOutLineBorderColor));
    QCOMPARE(image.pixel(box.left() + 1, box.top() + 1), testing::rgbOf(s.BtnSurfaceNormalColor));
    check->setEnabled(false);
    QCOMPARE(shot(check).pixel(box.left(), box.center().y()), testing::rgbOf(s.ControlDisabledBorderColor));
}

void TestXPPainter::hotCheckBoxShowsInnerRimAndClickClearsHot()
{
    QCheckBox* check = m_dialog->check;
    const XPSettings& s = m_painter->settings();
    const QRect box = checkBoxBox(check->rect(), true, false).adjusted(2, 2, -2, -2);
    testing::pointerEnters(*check, QPointF(2, 2));
    QCOMPARE(shot(check).pixel(box.left() + 1, box.center().y()), testing::rgbOf(s.BtnInnerBorderMoveColor));
    QTest::mouseClick(check, Qt::LeftButton, {}, box.center());
    QVERIFY(check->isChecked());
    QVERIFY(!m_painter->hookOf(check)->hot()); // setting the check takes the hot look away
    QCOMPARE(shot(check).pixel(box.left() + 1, box.center().y()), testing::rgbOf(s.BtnSurfaceNormalColor));
}

void TestXPPainter::groupBoxIsLeftAloneButItsControlsArePainted()
{
    QVERIFY(!m_painter->hookOf(m_dialog->group));
    QCOMPARE(m_dialog->group->style(), QApplication::style());
    QVERIFY(m_painter->hookOf(m_dialog->groupEdit));
    QCOMPARE(shot(m_dialog->groupEdit).pixel(1, m_dialog->groupEdit->height() / 2),
             testing::rgbOf(m_painter->settings().BtnSurfaceNormalColor));
}

void TestXPPainter::containersAreRecognisedAndInnerPartsLeftAlone()
{
    QDialog dialog;
    auto* layout = new QVBoxLayout(&dialog);
    auto* tabs = new QTabWidget(&dialog);
    auto* page = new QWidget;
    auto* pageEdit = new QLineEdit(page);
    tabs->addTab(page, QStringLiteral("Page"));
    auto* panel = new QWidget(&dialog);
    auto* panelCheck = new QCheckBox(QStringLiteral("On a panel"), panel);
    auto* spin = new QSpinBox(&dialog);
    auto* combo = new QComboBox(&dialog);
    combo->setEditable(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    auto* line = new QFrame(&dialog);
    line->setFrameShape(QFrame::HLine);
    auto* box = new QFrame(&dialog);
    box->setFrameShape(QFrame::Box);
    for (QWidget* w : {static_cast<QWidget*>(tabs), panel, static_cast<QWidget*>(spin), static_cast<QWidget*>(combo),
                       static_cast<QWidget*>(buttons)})
        layout->addWidget(w);

    TXPPainter* painter = TXPPainter::attachTo(&dialog);
    QVERIFY(painter->hookOf(pageEdit));
    QVERIFY(painter->hookOf(panelCheck));
    QVERIFY(painter->hookOf(buttons->button(QDialogButtonBox::Ok)));
    QVERIFY(painter->hookOf(buttons->button(QDialogButtonBox::Cancel)));
    QVERIFY(painter->hookOf(combo));
    // The edits inside a spin box and a combo box are theirs, not the dialog's.
    QVERIFY(!painter->hookOf(spin->findChild<QLineEdit*>()));
    QVERIFY(!painter->hookOf(combo->lineEdit()));
    QVERIFY(!painter->hookOf(spin));
    QVERIFY(painter->hookOf(box));   // a framed box is a panel
    QVERIFY(!painter->hookOf(line)); // a line is a bevel

    painter->setXPContainers(kAllContainers & ~(xccTabSheet | xccPanel));
    QVERIFY(!painter->hookOf(pageEdit));
    QVERIFY(!painter->hookOf(panelCheck));
    QVERIFY(!painter->hookOf(buttons->button(QDialogButtonBox::Ok)));
    QVERIFY(painter->hookOf(combo)); // on the form itself
}

void TestXPPainter::tag999KeepsControlAndChildrenOut()
{
    XPTestDialog dialog;
    dialog.plain->setProperty("tag", 999);
    dialog.group->setProperty("tag", 999);
    TXPPainter* painter = TXPPainter::attachTo(&dialog.dialog);
    QVERIFY(!painter->hookOf(dialog.plain));
    QVERIFY(!painter->hookOf(dialog.groupEdit));
    QVERIFY(painter->hookOf(dialog.ok));
    QCOMPARE(dialog.plain->style(), QApplication::style());
    QVERIFY(shot(dialog.plain).pixel(0, dialog.plain->height() / 2) !=
            testing::rgbOf(painter->settings().BtnOutLineBorderColor));
}

void TestXPPainter::tag1234567890KeepsOwnColours()
{
    XPTestDialog dialog;
    dialog.edit->setProperty("tag", kTagKeepOwnColors);
    dialog.plain->setProperty("tag", kTagKeepOwnColors);
    QPalette palette = dialog.edit->palette();
    palette.setColor(QPalette::Base, QColor(250, 240, 200));
    dialog.edit->setPalette(palette);
    TXPPainter* painter = TXPPainter::attachTo(&dialog.dialog);
    QVERIFY(painter->hookOf(dialog.edit));
    const QImage edit = shot(dialog.edit);
    QCOMPARE(edit.pixel(1, edit.height() / 2), qRgb(250, 240, 200));
    QCOMPARE(edit.pixel(0, edit.height() / 2), testing::rgbOf(DarkenColor(parentColour(dialog.edit), 60)));
    // The button is painted, in the classic style: the icon-column surface, no dark outline.
    const QImage button = shot(dialog.plain);
    QCOMPARE(button.pixel(3, button.height() / 2), testing::rgbOf(painter->PrepareColors(QPainter(), dialog.plain).iconColumn));
    QVERIFY(button.pixel(0, button.height() / 2) != testing::rgbOf(painter->settings().BtnOutLineBorderColor));
}

void TestXPPainter::negativeTagIsHookedButNotPainted()
{
    XPTestDialog dialog;
    const QImage standard = shot(dialog.plain);
    dialog.plain->setProperty("tag", -1);
    TXPPainter* painter = TXPPainter::attachTo(&dialog.dialog);
    QVERIFY(painter->hookOf(dialog.plain));
    QCOMPARE(shot(dialog.plain), standard);
}

void TestXPPainter::switchingOffRestoresStandardLookAndOnPaintsAgain()
{
    XPTestDialog dialog;
    const QImage standardButton = shot(dialog.plain);
    const QImage standardEdit = shot(dialog.edit);
    auto* painter = TXPPainter::attachTo(&dialog.dialog);
    QVERIFY(shot(dialog.plain) != standardButton);
    QVERIFY(shot(dialog.edit) != standardEdit);

    painter->setActive(false);
    QCOMPARE(painter->hookCount(), 0);
    QCOMPARE(dialog.plain->style(), QApplication::style());
    QCOMPARE(shot(dialog.plain), standardButton);
    QCOMPARE(shot(dialog.edit), standardEdit);
    testing::pointerEnters(*dialog.plain, QPointF(2, 2)); // no hook listens any more: no orange rim
    QVERIFY(shot(dialog.plain).pixel(1, dialog.plain->height() / 2) !=
            testing::rgbOf(AddToChannels(painter->settings().BtnInnerBorderMoveColor, 0, 2, 2)));
    testing::pointerLeaves(*dialog.plain);

    painter->setActive(true);
    QCOMPARE(painter->hookCount(), 8);
    QCOMPARE(shot(dialog.plain).pixel(0, dialog.plain->height() / 2), testing::rgbOf(painter->settings().BtnOutLineBorderColor));
    QCOMPARE(shot(dialog.edit).pixel(1, dialog.edit->height() / 2), testing::rgbOf(painter->settings().BtnSurfaceNormalColor));
}

void TestXPPainter::changingXPControlsRehooks()
{
    m_painter->setXPControls(kAllControls & ~(xcGroupBox | xcEdit));
    QVERIFY(!m_painter->hookOf(m_dialog->edit));
    QVERIFY(m_painter->hookOf(m_dialog->memo));
    m_painter->setXPContainers(kAllContainers & ~xccGroupBox);
    QVERIFY(!m_painter->hookOf(m_dialog->groupEdit));
    m_painter->setXPControls(kAllControls);
    m_painter->setXPContainers(kAllContainers);
    QVERIFY(m_painter->hookOf(m_dialog->edit));
    QVERIFY(m_painter->hookOf(m_dialog->group));
    QVERIFY(m_painter->hookOf(m_dialog->groupEdit));
}

void TestXPPainter::trueXPStyleSwitchRestoresColours()
{
    XPSettings& s = m_painter->settings();
    s.BtnOutLineBorderColor = 0x123456;
    s.BtnRoundArc = 9;
    m_painter->setControlUseTrueXPStyle(false);
    QCOMPARE(s.BtnOutLineBorderColor, TColor(0x123456)); // off changes no colour
    m_painter->setControlUseTrueXPStyle(true);
    QCOMPARE(s.BtnOutLineBorderColor, TColor(0x733C00));
    QCOMPARE(s.BtnRoundArc, 5);
    QCOMPARE(s.ComboDroppedDownColor, TColor(0xF7A28C));
}

void TestXPPainter::lowColourDevicesGetTheSimpleColours()
{
    XPSettings s;
    QPalette palette;
    palette.setColor(QPalette::Button, QColor(200, 200, 200));
    palette.setColor(QPalette::Highlight, QColor(0, 0, 128));
    const EffectiveColors high = PrepareColors(s, palette, true);
    QCOMPARE(high.menuBackground, LightenColor(rgbColor(200, 200, 200), 86));
    QCOMPARE(high.selectionFill, LightenColor(rgbColor(0, 0, 128), 68));
    QCOMPARE(high.popupFrameOuter, DarkenColor(rgbColor(200, 200, 200), 90));
    const EffectiveColors low = PrepareColors(s, palette, false);
    QCOMPARE(low.menuBackground, TColor(0xFFFFFF));
    QCOMPARE(low.iconColumn, rgbColor(200, 200, 200));
    QCOMPARE(low.selectionFill, TColor(0xFFFFFF));
    QCOMPARE(low.selectionBorder, rgbColor(0, 0, 128));

    s.UseSystemColors = false;
    s.SelectColor = 0x0000FF;
    QCOMPARE(PrepareColors(s, palette, true).checkFillSelected, LightenColor(0x0000FF, 50));
    QCOMPARE(PrepareColors(s, palette, false).checkFillSelected, TColor(0xC0C0C0));
    QCOMPARE(PrepareColors(s, palette, false).selectionFill, TColor(0x0000FF));
}

QTEST_MAIN(TestXPPainter)
#include "tst_xppainter.moc"
