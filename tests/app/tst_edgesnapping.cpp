// Edge snapping: where a proposed position ends up near each edge and corner of a 1024-pixel
// screen for the 287-pixel window, and whether the window then counts as docked at the top.
#include "app/EdgeSnapping.h"

#include <QTest>

namespace {
constexpr int kScreen = 1024;
constexpr int kWindow = 287;
constexpr int kRightFlush = kScreen - kWindow; // 737
} // namespace

class EdgeSnappingTest : public QObject {
    Q_OBJECT

private slots:
    void snapsNearEdges_data()
    {
        QTest::addColumn<QPoint>("proposed");
        QTest::addColumn<int>("topBefore");
        QTest::addColumn<QPoint>("expected");
        QTest::addColumn<bool>("docked");

        QTest::newRow("middle: untouched") << QPoint(400, 300) << 300 << QPoint(400, 300) << false;
        // The top band: y goes to 0 and x is kept, even beyond a side.
        QTest::newRow("top band, y 39") << QPoint(400, 39) << 300 << QPoint(400, 0) << false;
        QTest::newRow("top band, y 0") << QPoint(400, 0) << 300 << QPoint(400, 0) << false;
        QTest::newRow("above the screen") << QPoint(400, -50) << 300 << QPoint(400, 0) << false;
        QTest::newRow("just below the band, y 40") << QPoint(400, 40) << 300 << QPoint(400, 40) << false;
        QTest::newRow("top-left corner: no side snap") << QPoint(10, 10) << 300 << QPoint(10, 0) << false;
        QTest::newRow("top-left, beyond the side") << QPoint(-100, 10) << 300 << QPoint(-100, 0) << false;
        QTest::newRow("top-right, beyond the side") << QPoint(900, 20) << 300 << QPoint(900, 0) << false;
        // Left edge, below the band.
        QTest::newRow("left, x 39") << QPoint(39, 200) << 200 << QPoint(0, 200) << false;
        QTest::newRow("left, x 40") << QPoint(40, 200) << 200 << QPoint(40, 200) << false;
        QTest::newRow("left, beyond the edge") << QPoint(-120, 200) << 200 << QPoint(0, 200) << false;
        QTest::newRow("bottom-left corner") << QPoint(12, 700) << 700 << QPoint(0, 700) << false;
        // Right edge: within 40 of flush snaps flush; beyond it is pulled back.
        QTest::newRow("right, 40 short of flush")
            << QPoint(kRightFlush - 40, 200) << 200 << QPoint(kRightFlush - 40, 200) << false;
        QTest::newRow("right, 39 short of flush")
            << QPoint(kRightFlush - 39, 200) << 200 << QPoint(kRightFlush, 200) << false;
        QTest::newRow("right, beyond the edge") << QPoint(1000, 200) << 200 << QPoint(kRightFlush, 200) << false;
        QTest::newRow("bottom-right corner")
            << QPoint(kRightFlush - 5, 740) << 740 << QPoint(kRightFlush, 740) << false;
        // Nothing snaps at the bottom, not even off the screen.
        QTest::newRow("bottom, off the screen") << QPoint(400, 1000) << 700 << QPoint(400, 1000) << false;
        // Docked follows the top before the move, not after it.
        QTest::newRow("at the top, moved along it") << QPoint(300, 5) << 0 << QPoint(300, 0) << true;
        QTest::newRow("was at the top, pulled down") << QPoint(300, 200) << 0 << QPoint(300, 200) << true;
        QTest::newRow("was at 39, stays lower") << QPoint(300, 120) << 39 << QPoint(300, 120) << true;
        QTest::newRow("was at 40") << QPoint(300, 10) << 40 << QPoint(300, 0) << false;
        QTest::newRow("was at the top, dropped at the left") << QPoint(20, 100) << 0 << QPoint(0, 100) << true;
    }

    void snapsNearEdges()
    {
        QFETCH(QPoint, proposed);
        QFETCH(int, topBefore);
        QFETCH(QPoint, expected);
        QFETCH(bool, docked);
        const app::SnappedPosition result = app::snapToEdges(proposed, topBefore, kScreen, kWindow);
        QCOMPARE(result.position, expected);
        QCOMPARE(result.dockedAtTop, docked);
    }

    void aScreenNarrowerThanTheBandSnapsToTheRight()
    {
        // With no room between the bands, the right edge wins, as it is checked last.
        const app::SnappedPosition result = app::snapToEdges(QPoint(10, 100), 100, 300, 287);
        QCOMPARE(result.position, QPoint(13, 100));
    }
};

QTEST_GUILESS_MAIN(EdgeSnappingTest)
#include "tst_edgesnapping.moc"
