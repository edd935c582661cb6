// The flat memo: its three rings, the corner square, the looks and the setter rules,
// checked on rendered pixels.
#include "widgets/ColorMath.h"
#include "widgets/EmojiPresentation.h"
#include "widgets/FlatMemo.h"

#include "../support/Pixels.h"
#include "../support/WidgetEvents.h"
#include "widgets/ParagraphDirection.h"

#include <QApplication>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QVBoxLayout>

using namespace widgets;

namespace {
constexpr TColor kBorder = 0x0000C0;  // dark red
constexpr TColor kFlat = 0x00C000;    // green
constexpr TColor kFocused = 0xC00000; // blue
} // namespace

class TestFlatMemo : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void newMemoTakesParentColourAndDefaults();
    void restingMemoShowsFlatRingsAndBackground();
    void focusedMemoShowsFocusedRingsAndBackground();
    void textAreaAndScrollBarsLieInsideTheBorder();
    void cornerBetweenScrollBarsTakesTheLooksColour();
    void hoverShowsFocusedLookOnlyWhileProgramIsActive();
    void hoverLeavesMemoFlatWhileAnotherFlatMemoHasFocus();
    void settingColorFlatSwitchesParentColorOff();
    void parentColorFollowsTheParent();
    void useAdvColorsDerivesFromTheParentColour();
    void disabledMemoFallsBackToFlatLook();
    void emojiFormIsAskedOfTheEmojiFace();
    void eachParagraphStandsAtTheSideItsFirstLetterReadsFrom();

private:
    QWidget* m_window = nullptr;
    TFlatMemo* m_memo = nullptr;
    QLineEdit* m_other = nullptr;
    void showActive();
};

void TestFlatMemo::init()
{
    m_window = new QWidget;
    m_window->resize(300, 220);
    auto* layout = new QVBoxLayout(m_window);
    m_memo = new TFlatMemo(m_window);
    m_memo->setColorBorder(kBorder);
    m_memo->setColorFlat(kFlat);
    m_memo->setColorFocused(kFocused);
    m_memo->setFixedSize(160, 120);
    m_other = new QLineEdit(m_window);
    layout->addWidget(m_memo);
    layout->addWidget(m_other);
}

void TestFlatMemo::cleanup()
{
    delete m_window;
    m_window = nullptr;
    QApplication::setActiveWindow(nullptr);
}

void TestFlatMemo::showActive()
{
    m_window->show();
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    if (QApplication::activeWindow() != m_window)
        QApplication::setActiveWindow(m_window);
    m_other->setFocus();
    QApplication::processEvents();
}

void TestFlatMemo::newMemoTakesParentColourAndDefaults()
{
    QWidget parent;
    QPalette palette = parent.palette();
    palette.setColor(QPalette::Window, QColor(10, 20, 30));
    parent.setPalette(palette);
    TFlatMemo memo(&parent);
    QVERIFY(memo.parentColor());
    QCOMPARE(memo.colorFlat(), rgbColor(10, 20, 30));
    QCOMPARE(memo.colorFocused(), TColor(0xFFFFFF));
    QCOMPARE(memo.colorBorder(), TColor(0x8396A0));
    QCOMPARE(memo.size(), QSize(185, 89));
    QCOMPARE(memo.advColorFocused(), 10);
    QCOMPARE(memo.advColorBorder(), 50);
    QVERIFY(!memo.useAdvColors());

    TFlatMemo orphan;
    QCOMPARE(orphan.colorFlat(), TColor(0xE1EAEB));
}

void TestFlatMemo::restingMemoShowsFlatRingsAndBackground()
{
    const QImage image = m_memo->grab().toImage();
    const int mid = image.height() / 2;
    QCOMPARE(image.pixel(0, mid), testing::rgbOf(kBorder));
    QCOMPARE(image.pixel(1, mid), testing::rgbOf(kFlat));
    QCOMPARE(image.pixel(2, mid), testing::rgbOf(kFlat));
    QCOMPARE(image.pixel(40, 0), testing::rgbOf(kBorder));
    QCOMPARE(image.pixel(40, 2), testing::rgbOf(kFlat));
    QCOMPARE(image.pixel(image.width() - 1, image.height() - 1), testing::rgbOf(kBorder));
    QCOMPARE(image.pixel(40, image.height() - 3), testing::rgbOf(kFlat));
    QCOMPARE(image.pixel(60, 60), testing::rgbOf(kFlat)); // the text area's background
}

void TestFlatMemo::focusedMemoShowsFocusedRingsAndBackground()
{
    showActive();
    m_memo->setFocus();
    QTRY_VERIFY(m_memo->hasFocus());
    QVERIFY(m_memo->showsFocusedLook());
    const QImage image = m_memo->grab().toImage();
    const int mid = image.height() / 2;
    QCOMPARE(image.pixel(0, mid), testing::rgbOf(kBorder));
    QCOMPARE(image.pixel(1, mid), testing::rgbOf(kFocused));
    QCOMPARE(image.pixel(2, mid), testing::rgbOf(kFocused));
    QCOMPARE(image.pixel(60, 60), testing::rgbOf(kFocused));

    m_other->setFocus();
    QTRY_VERIFY(!m_memo->hasFocus());
    QCOMPARE(m_memo->grab().toImage().pixel(1, mid), testing::rgbOf(kFlat));
}

void TestFlatMemo::textAreaAndScrollBarsLieInsideTheBorder()
{
    m_memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    const QRect viewport = m_memo->viewport()->geometry();
    QCOMPARE(viewport.left(), 3);
    QCOMPARE(viewport.top(), 3);
    QCOMPARE(m_memo->height() - 1 - viewport.bottom(), 3);
    const QScrollBar* bar = m_memo->verticalScrollBar();
    const QRect barRect(bar->mapTo(m_memo, QPoint(0, 0)), bar->size());
    QCOMPARE(barRect.width(), 16);
    QCOMPARE(m_memo->width() - 1 - barRect.right(), 3);
    QCOMPARE(barRect.left(), viewport.right() + 1); // no gap between text and bar
}

void TestFlatMemo::cornerBetweenScrollBarsTakesTheLooksColour()
{
    m_memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    showActive();
    const QImage image = m_memo->grab().toImage();
    const int w = image.width();
    const int h = image.height();
    for (int y = h - 19; y <= h - 4; ++y)
        for (int x = w - 19; x <= w - 4; ++x)
            QCOMPARE(image.pixel(x, y), testing::rgbOf(kFlat));
    // Just outside the square: the scroll bars.
    QVERIFY(image.pixel(w - 20, h - 10) != testing::rgbOf(kFlat));
    QVERIFY(image.pixel(w - 10, h - 20) != testing::rgbOf(kFlat));
}

void TestFlatMemo::hoverShowsFocusedLookOnlyWhileProgramIsActive()
{
    // No active window: the pointer passing by changes nothing.
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    QApplication::setActiveWindow(nullptr);
    testing::pointerEnters(*m_memo);
    QVERIFY(!m_memo->isHovered());
    QVERIFY(!m_memo->showsFocusedLook());

    showActive();
    testing::pointerEnters(*m_memo);
    QVERIFY(m_memo->showsFocusedLook());
    QCOMPARE(m_memo->grab().toImage().pixel(1, 50), testing::rgbOf(kFocused));
    testing::pointerLeaves(*m_memo);
    QVERIFY(!m_memo->showsFocusedLook());
    QCOMPARE(m_memo->grab().toImage().pixel(1, 50), testing::rgbOf(kFlat));
}

void TestFlatMemo::hoverLeavesMemoFlatWhileAnotherFlatMemoHasFocus()
{
    auto* second = new TFlatMemo(m_window);
    m_window->layout()->addWidget(second);
    showActive();
    second->setFocus();
    QTRY_VERIFY(second->hasFocus());
    testing::pointerEnters(*m_memo);
    QVERIFY(m_memo->isHovered());
    QVERIFY(!m_memo->showsFocusedLook());
    QCOMPARE(m_memo->grab().toImage().pixel(1, 50), testing::rgbOf(kFlat));
}

void TestFlatMemo::settingColorFlatSwitchesParentColorOff()
{
    QWidget parent;
    TFlatMemo memo(&parent);
    QVERIFY(memo.parentColor());
    memo.setColorFlat(memo.colorFlat()); // the same value still switches it off
    QVERIFY(!memo.parentColor());
    const TColor before = memo.colorFlat();
    QPalette palette = parent.palette();
    palette.setColor(QPalette::Window, QColor(1, 2, 3));
    parent.setPalette(palette);
    QCOMPARE(memo.colorFlat(), before);
}

void TestFlatMemo::parentColorFollowsTheParent()
{
    QWidget parent;
    TFlatMemo memo(&parent);
    memo.setColorFlat(0x123456);
    memo.setParentColor(true);
    QCOMPARE(memo.colorFlat(), fromQColor(parent.palette().color(QPalette::Window)));
    QPalette palette = parent.palette();
    palette.setColor(QPalette::Window, QColor(40, 50, 60));
    parent.setPalette(palette);
    QCOMPARE(memo.colorFlat(), rgbColor(40, 50, 60));
    QCOMPARE(memo.grab().toImage().pixel(1, 40), qRgb(40, 50, 60));
}

void TestFlatMemo::useAdvColorsDerivesFromTheParentColour()
{
    QWidget parent;
    QPalette palette = parent.palette();
    palette.setColor(QPalette::Window, QColor(128, 128, 128));
    parent.setPalette(palette);
    TFlatMemo memo(&parent);
    memo.setColorFlat(0x00FF00);
    memo.setAdvColorFocused(30); // stored only while derivation is off
    QCOMPARE(memo.colorFocused(), TColor(0xFFFFFF));

    memo.setUseAdvColors(true);
    QVERIFY(memo.parentColor());
    QCOMPARE(memo.colorFlat(), rgbColor(128, 128, 128));
    QCOMPARE(memo.colorFocused(), HslToColor(0, 0, 120 + 10 + 30));
    QCOMPARE(memo.colorBorder(), HslToColor(0, 0, 120 + 10 - 50));
    QCOMPARE(memo.grab().toImage().pixel(0, 40), toQColor(HslToColor(0, 0, 80)).rgb());

    memo.setAdvColorBorder(100);
    QCOMPARE(memo.colorBorder(), HslToColor(0, 0, 30));

    // A new parent colour is taken and derived from again.
    palette.setColor(QPalette::Window, QColor(0, 0, 0));
    parent.setPalette(palette);
    QCOMPARE(memo.colorFlat(), TColor(0x000000));
    QCOMPARE(memo.colorFocused(), HslToColor(0, 0, 40));
}

void TestFlatMemo::disabledMemoFallsBackToFlatLook()
{
    showActive();
    testing::pointerEnters(*m_memo);
    QVERIFY(m_memo->showsFocusedLook());
    m_memo->setEnabled(false);
    testing::pointerLeaves(*m_memo);
    QCOMPARE(m_memo->grab().toImage().pixel(60, 60), testing::rgbOf(kFlat));
}

void TestFlatMemo::emojiFormIsAskedOfTheEmojiFace()
{
    using S = TextStretch;
    const QString heart = QStringLiteral("\u2764\uFE0F");
    // Emoji by default or asked for with U+FE0F, each with the rest of its picture; plain
    // text, a heart without the selector and a face asked for as text stay as they are.
    QCOMPARE(emojiPresentationStretches(QStringLiteral("plain \u2764 \u263A text \U0001F600\uFE0E")), QList<S>{});
    QCOMPARE(emojiPresentationStretches(QStringLiteral("I ") + heart + QStringLiteral(" it")), (QList<S>{{2, 2}}));
    QCOMPARE(emojiPresentationStretches(heart + heart), (QList<S>{{0, 4}}));
    QCOMPARE(emojiPresentationStretches(QStringLiteral("1\uFE0F\u20E3!")), (QList<S>{{0, 3}}));
    QCOMPARE(emojiPresentationStretches(QStringLiteral("ok \U0001F600 \u231A")), (QList<S>{{3, 2}, {6, 1}}));
    // A thumb with a skin tone, a flag of two regional letters.
    QCOMPARE(emojiPresentationStretches(QStringLiteral("\U0001F44D\U0001F3FD \U0001F1EF\U0001F1F5")),
             (QList<S>{{0, 4}, {5, 4}}));
    // The rainbow flag: a white flag outside the first plane, the selector, a joiner and a rainbow.
    QCOMPARE(emojiPresentationStretches(QStringLiteral("a\U0001F3F3\uFE0F\u200D\U0001F308b")), (QList<S>{{1, 6}}));
    QCOMPARE(emojiPresentationStretches(heart + QStringLiteral("\u200D\U0001F525")), (QList<S>{{0, 5}}));

    // The memo takes the face for what is typed, and the text stays unchanged.
    showActive();
    m_memo->setPlainText(QStringLiteral("x"));
    m_memo->setFocus();
    m_memo->moveCursor(QTextCursor::End);
    QTest::keyClicks(m_memo, QStringLiteral("  "));
    QKeyEvent typed(QEvent::KeyPress, 0, Qt::NoModifier, heart); // what an emoji picker sends
    QApplication::sendEvent(m_memo, &typed);
    QCOMPARE(m_memo->toPlainText(), QStringLiteral("x  ") + heart);
    QVERIFY(m_memo->document()->isModified());
    m_memo->setPlainText(heart);
    QVERIFY(!m_memo->document()->isModified());
    if (!QFontDatabase::families().contains(QStringLiteral("Noto Color Emoji")))
        QSKIP("no colour emoji face (Debian package fonts-noto-color-emoji) to draw the heart with");
    QFont font = m_memo->font();
    font.setPointSize(20);
    m_memo->setFont(font);
    QVERIFY2(testing::clearRedPixels(m_memo->viewport()->grab().toImage()) > 20, "the heart is not drawn in colour");
}

void TestFlatMemo::eachParagraphStandsAtTheSideItsFirstLetterReadsFrom()
{
    QCOMPARE(paragraphDirection(QStringLiteral("12:30 \u2068abc\u2069 مرحبا"), Qt::LeftToRight), Qt::RightToLeft);
    QCOMPARE(paragraphDirection(QStringLiteral("- 12 -"), Qt::RightToLeft), Qt::RightToLeft);

    m_memo->setColorFlat(0xFFFFFF); // black ink on white
    m_memo->setColorFocused(0xFFFFFF);
    m_memo->setPlainText(QStringLiteral("hello\nمرحبا"));
    showActive();
    const int width = m_memo->viewport()->width();
    const auto lineInk = [this, width](int paragraph) {
        const QRect line = m_memo->cursorRect(QTextCursor(m_memo->document()->findBlockByNumber(paragraph)));
        return testing::inkBox(m_memo->viewport()->grab().toImage(), QRect(0, line.top(), width, line.height()));
    };
    QVERIFY2(lineInk(0).left() < 8 && lineInk(0).right() < width / 2, "the Latin paragraph is not at the left");
    QVERIFY2(lineInk(1).left() > width / 2 && lineInk(1).right() >= width - 8,
             "the Arabic paragraph is not at the right");
    // Typing lays the paragraph out again: it stays at its side.
    m_memo->setFocus();
    m_memo->moveCursor(QTextCursor::End);
    QKeyEvent typed(QEvent::KeyPress, 0, Qt::NoModifier, QStringLiteral("م"));
    QApplication::sendEvent(m_memo, &typed);
    QVERIFY2(lineInk(1).right() >= width - 8, "the Arabic paragraph left its side as it was typed in");
    m_memo->moveCursor(QTextCursor::StartOfBlock, QTextCursor::KeepAnchor);
    QTest::keyClicks(m_memo, QStringLiteral("now Latin"));
    QVERIFY2(lineInk(1).left() < 8, "the paragraph now in Latin is not at the left");
}

QTEST_MAIN(TestFlatMemo)
#include "tst_flatmemo.moc"
