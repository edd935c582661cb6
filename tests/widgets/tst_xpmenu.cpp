// Menus under the XP-style painter: item sizes, the icon column, the selected item's fill
// and border, check marks, separators, the default item's emboss and the shortcut column.
#include "XPTestDialog.h"

#include "widgets/ColorMath.h"
#include "widgets/xp/ControlSubClass.h"
#include "widgets/xp/MenuPainter.h"
#include "widgets/xp/XPPainter.h"

#include "../support/Pixels.h"

#include <QApplication>
#include <QMenu>
#include <QTest>
#include <cmath>

using namespace widgets;
using namespace widgets::xp;

namespace {

int countColour(const QImage& image, const QRect& area, QRgb colour)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += image.pixel(x, y) == colour;
    return count;
}

} // namespace

class TestXPMenu : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void itemsAreMeasuredFromTheMenuFont();
    void shortcutWidensTheMenuByItsColumn();
    void restingItemsShowIconColumnAndBackground();
    void selectedItemHasFillAndBorder();
    void checkedItemShowsBoxAndBlackTick();
    void separatorIsALineInItsColour();
    void defaultItemIsEmbossedAndDisabledItemGrayed();
    void iconIsDimmedAtRest();
    void tag999KeepsMenuOrItemStandard();
    void switchingOffGivesTheMenuBack();

private:
    XPTestDialog* m_dialog = nullptr;
    QMenu* m_menu = nullptr;
    QAction* m_add = nullptr;
    QAction* m_checked = nullptr;
    QAction* m_icon = nullptr;
    QAction* m_disabled = nullptr;
    QAction* m_default = nullptr;
    QAction* m_separator = nullptr;
    TXPPainter* m_painter = nullptr;
    QImage popupShot(QAction* active = nullptr);
    EffectiveColors colors() const { return PrepareColors(m_painter->settings(), QApplication::palette(), true); }
};

void TestXPMenu::initTestCase()
{
    // Crisp text, so that text colours can be counted pixel by pixel.
    QFont font = QApplication::font("QMenu");
    font.setStyleStrategy(QFont::NoAntialias);
    QApplication::setFont(font, "QMenu");
}

void TestXPMenu::init()
{
    m_dialog = new XPTestDialog;
    m_menu = new QMenu(&m_dialog->dialog);
    m_add = m_menu->addAction(QStringLiteral("Add a new note"));
    m_add->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_I));
    m_checked = m_menu->addAction(QStringLiteral("Checked"));
    m_checked->setCheckable(true);
    m_checked->setChecked(true);
    m_separator = m_menu->addSeparator();
    m_icon = m_menu->addAction(XPTestDialog::glyph(), QStringLiteral("With icon"));
    m_disabled = m_menu->addAction(QStringLiteral("Disabled"));
    m_disabled->setEnabled(false);
    m_default = m_menu->addAction(QStringLiteral("Default"));
    m_menu->setDefaultAction(m_default);
    m_painter = TXPPainter::attachTo(&m_dialog->dialog);
}

void TestXPMenu::cleanup()
{
    delete m_dialog;
    m_dialog = nullptr;
}

QImage TestXPMenu::popupShot(QAction* active)
{
    if (!m_menu->isVisible()) {
        m_menu->popup(QPoint(10, 10));
        if (!QTest::qWaitForWindowExposed(m_menu))
            return {};
    }
    m_menu->setActiveAction(active);
    QApplication::processEvents();
    return m_menu->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

void TestXPMenu::itemsAreMeasuredFromTheMenuFont()
{
    QVERIFY(m_painter->hookOf(m_menu));
    popupShot();
    const int textHeight = QFontMetrics(m_painter->effectiveFont()).height();
    QCOMPARE(m_menu->actionGeometry(m_add).height(), textHeight + int(std::nearbyint(0.75 * textHeight)));
    QCOMPARE(m_menu->actionGeometry(m_separator).height(), 4);
    // The 16-pixel icon plus 6 is lower than the text line here; the text decides.
    QCOMPARE(m_menu->actionGeometry(m_icon).height(),
             std::max(textHeight + int(std::nearbyint(0.75 * textHeight)), 22));
    QCOMPARE(m_menu->actionGeometry(m_add).left(), kMenuFrameWidth);
}

void TestXPMenu::shortcutWidensTheMenuByItsColumn()
{
    QMenu plain(&m_dialog->dialog);
    plain.addAction(QStringLiteral("Add a new note"));
    QMenu withShortcut(&m_dialog->dialog);
    withShortcut.addAction(QStringLiteral("Add a new note"))->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_I));
    m_painter->setActive(false);
    m_painter->setActive(true);
    const QFontMetrics metrics(m_painter->effectiveFont());
    const int extra = withShortcut.sizeHint().width() - plain.sizeHint().width();
    QVERIFY(extra >=
            metrics.horizontalAdvance(QStringLiteral("WWW")) + metrics.horizontalAdvance(QStringLiteral("Ctrl+I")));
    // Caption, 5 pixels and the icon column at least.
    QVERIFY(plain.sizeHint().width() >= metrics.horizontalAdvance(QStringLiteral("Add a new note")) + 5 + 24);
}

void TestXPMenu::restingItemsShowIconColumnAndBackground()
{
    const QImage image = popupShot();
    const QRect item = m_menu->actionGeometry(m_add);
    QCOMPARE(image.pixel(item.left() + 2, item.center().y()), testing::rgbOf(colors().iconColumn));
    QCOMPARE(image.pixel(item.left() + 24, item.top() + 1), testing::rgbOf(colors().menuBackground));
    QCOMPARE(image.pixel(item.right() - 1, item.top() + 1), testing::rgbOf(colors().menuBackground));
}

void TestXPMenu::selectedItemHasFillAndBorder()
{
    const QImage image = popupShot(m_add);
    const QRect item = m_menu->actionGeometry(m_add);
    const QRgb border = testing::rgbOf(colors().selectionBorder);
    const QRgb fill = testing::rgbOf(colors().selectionFill);
    QCOMPARE(image.pixel(item.left(), item.center().y()), border);
    QCOMPARE(image.pixel(item.right(), item.center().y()), border);
    QCOMPARE(image.pixel(item.center().x(), item.top() + 1), border); // the fill leaves out the top row
    QCOMPARE(image.pixel(item.center().x(), item.bottom()), border);
    QCOMPARE(image.pixel(item.left() + 2, item.center().y()), fill); // over the icon column too
    QCOMPARE(image.pixel(item.right() - 2, item.top() + 2), fill);
    // Another item stays at rest.
    const QRect other = m_menu->actionGeometry(m_default);
    QCOMPARE(image.pixel(other.right() - 2, other.top() + 2), testing::rgbOf(colors().menuBackground));
}

void TestXPMenu::checkedItemShowsBoxAndBlackTick()
{
    const QImage image = popupShot();
    const QRect item = m_menu->actionGeometry(m_checked);
    const MenuItemLayout layout = menuItemLayout(item, 24, QSize(), false);
    const QRect box = layout.iconBox;
    QCOMPARE(image.pixel(box.left(), box.center().y()), testing::rgbOf(colors().checked));
    QCOMPARE(image.pixel(box.left() + 1, box.top() + 1), testing::rgbOf(colors().checkFillUnselected));
    QVERIFY(countColour(image, box, qRgb(0, 0, 0)) >= 10);
    // The unchecked item's column has no box.
    const QRect plain = menuItemLayout(m_menu->actionGeometry(m_add), 24, QSize(), false).iconBox;
    QCOMPARE(countColour(image, plain, testing::rgbOf(colors().checked)), 0);
}

void TestXPMenu::separatorIsALineInItsColour()
{
    const QImage image = popupShot();
    const QRect item = m_menu->actionGeometry(m_separator);
    const int y = item.top() + item.height() / 2;
    QCOMPARE(image.pixel(item.left() + 24 + 7, y), testing::rgbOf(colors().separator));
    QCOMPARE(image.pixel(item.right(), y), testing::rgbOf(colors().separator));
    QCOMPARE(image.pixel(item.left() + 24 + 6, y), testing::rgbOf(colors().menuBackground));
    QCOMPARE(image.pixel(item.left() + 24 + 7, y - 1), testing::rgbOf(colors().menuBackground));
}

void TestXPMenu::defaultItemIsEmbossedAndDisabledItemGrayed()
{
    const QImage image = popupShot();
    const QRgb emboss = testing::rgbOf(DarkenColor(colors().menuBackground, 60));
    QVERIFY(countColour(image, m_menu->actionGeometry(m_default), emboss) > 0);
    QCOMPARE(countColour(image, m_menu->actionGeometry(m_add), emboss), 0);
    const QRect disabled = m_menu->actionGeometry(m_disabled);
    QVERIFY(countColour(image, disabled, testing::rgbOf(colors().disabledText)) > 10);
    QCOMPARE(countColour(image, disabled, testing::rgbOf(colors().fontColor)), 0);
    // The shortcut sits 10 pixels in from the far side, lighter than the caption.
    const QRect add = m_menu->actionGeometry(m_add);
    const QRgb shortcut = testing::rgbOf(DarkenColor(colors().fontColor, -40));
    QVERIFY(countColour(image, QRect(add.right() - 60, add.top(), 51, add.height()), shortcut) > 5);
    QCOMPARE(countColour(image, QRect(add.right() - 9, add.top(), 9, add.height()), shortcut), 0);
}

void TestXPMenu::iconIsDimmedAtRest()
{
    const QImage image = popupShot();
    const QRect item = m_menu->actionGeometry(m_icon);
    QVERIFY(countColour(image, item, qRgb(76, 174, 76)) >= 100);
    const QImage selected = popupShot(m_icon);
    QVERIFY(countColour(selected, item, XPTestDialog::glyphColor().rgb()) >= 100);
}

void TestXPMenu::tag999KeepsMenuOrItemStandard()
{
    QMenu kept(&m_dialog->dialog);
    kept.setProperty("tag", 999);
    kept.addAction(QStringLiteral("Kept"));
    m_add->setProperty("tag", 999);
    m_painter->setActive(false);
    m_painter->setActive(true);
    QVERIFY(!m_painter->hookOf(&kept));
    QVERIFY(m_painter->hookOf(m_menu));
    const QImage image = popupShot();
    const QRect add = m_menu->actionGeometry(m_add);
    QCOMPARE(countColour(image, add.adjusted(0, 0, -add.width() + 20, 0), testing::rgbOf(colors().iconColumn)), 0);
    const QRect other = m_menu->actionGeometry(m_default);
    QCOMPARE(image.pixel(other.left() + 2, other.center().y()), testing::rgbOf(colors().iconColumn));
}

void TestXPMenu::switchingOffGivesTheMenuBack()
{
    m_painter->setActive(false);
    QCOMPARE(m_menu->style(), QApplication::style());
    const QImage image = popupShot();
    const QRect item = m_menu->actionGeometry(m_add);
    QVERIFY(image.pixel(item.left() + 2, item.center().y()) != testing::rgbOf(colors().iconColumn));
}

QTEST_MAIN(TestXPMenu)
#include "tst_xpmenu.moc"
