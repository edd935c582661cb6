// Icons and the icon list: icon files in and out, the list's operations and change
// notices, and its stored form read and written back byte for byte.
#include "widgets/TrayIconList.h"

#include <QBuffer>
#include <QTest>
#include <QtEndian>

using widgets::IconError;
using widgets::TIcon;
using widgets::TIconList;

namespace {

QImage solid(const QColor& color, int side)
{
    QImage image(side, side, QImage::Format_ARGB32);
    image.fill(color);
    return image;
}

TIcon iconOf(const QColor& color)
{
    return TIcon::fromImages({solid(color, 16)});
}

QByteArray le32(qint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    return QByteArray(bytes, 4);
}

QByteArray written(const TIconList& list)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    list.writeData(buffer);
    return buffer.data();
}

void read(TIconList& list, QByteArray data)
{
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    list.readData(buffer);
}

} // namespace

class TrayIconListTest : public QObject {
    Q_OBJECT

private slots:
    void iconFilesRoundTrip()
    {
        const TIcon icon = TIcon::fromImages({solid(Qt::yellow, 16), solid(Qt::red, 32), solid(Qt::blue, 256)});
        QVERIFY(!icon.isEmpty());
        const QList<QImage> images = icon.images();
        QCOMPARE(images.size(), 3);
        QCOMPARE(images.at(1).size(), QSize(32, 32));
        QCOMPARE(images.at(1).pixelColor(5, 5), QColor(Qt::red));
        QCOMPARE(images.at(2).size(), QSize(256, 256));
        QVERIFY(!icon.toQIcon().isNull());
    }

    void dataThatIsNoIconIsRefused_data()
    {
        const QByteArray good = TIcon::encode({solid(Qt::yellow, 16)});
        QTest::addColumn<QByteArray>("data");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("text") << QByteArray("not an icon at all");
        QTest::newRow("cursor type") << QByteArray(good).replace(2, 1, "\x02");
        QTest::newRow("no images") << QByteArray(good).replace(4, 2, QByteArray(2, '\0'));
        QTest::newRow("cut short") << good.left(good.size() - 10);
        QTest::newRow("image beyond the end") << good.left(22);
    }

    void dataThatIsNoIconIsRefused()
    {
        QFETCH(QByteArray, data);
        TIcon icon = iconOf(Qt::green);
        const QByteArray before = icon.data();
        QVERIFY_THROWS_EXCEPTION(IconError, icon.loadFromData(data));
        QCOMPARE(icon.data(), before);
    }

    void theStoredFormIsWrittenBackByteForByte()
    {
        const QByteArray first = TIcon::encode({solid(Qt::yellow, 16), solid(Qt::yellow, 32)});
        const QByteArray second = TIcon::encode({solid(Qt::red, 48)});
        const QByteArray stored =
            le32(3) + le32(qint32(first.size())) + first + le32(0) + le32(qint32(second.size())) + second;
        TIconList list;
        read(list, stored);
        QCOMPARE(list.count(), 3);
        QCOMPARE(list.icon(0)->data(), first);
        QCOMPARE(list.icon(1), nullptr);
        QCOMPARE(list.icon(2)->data(), second);
        QCOMPARE(written(list), stored);
    }

    void emptyEntriesAreWrittenWithSizeZero()
    {
        // A negative size reads as an empty entry; it goes back out as 0.
        TIconList list;
        read(list, le32(2) + le32(-1) + le32(0));
        QCOMPARE(list.count(), 2);
        TIcon cleared;
        list.setIcon(1, cleared); // an icon object without an image
        QVERIFY(list.icon(1) != nullptr);
        QCOMPARE(written(list), le32(2) + le32(0) + le32(0));
        QVERIFY(list.hasData());
        TIconList none;
        QVERIFY(!none.hasData());
        QCOMPARE(written(none), le32(0));
    }

    void aBadStoredEntryFailsTheRead()
    {
        TIconList list;
        list.add(iconOf(Qt::green));
        int changes = 0;
        list.onChange = [&changes] { ++changes; };
        QVERIFY_THROWS_EXCEPTION(IconError, read(list, le32(1) + le32(5) + QByteArray("junk!")));
        QVERIFY_THROWS_EXCEPTION(IconError, read(list, le32(2) + le32(0)));
        QVERIFY_THROWS_EXCEPTION(IconError, read(list, le32(1) + le32(400) + QByteArray(10, 'x')));
        // The update that cleared the list ended with the failure: changes are reported again.
        const int before = changes;
        list.add(iconOf(Qt::red));
        QCOMPARE(changes, before + 1);
    }

    void operationsKeepOrderAndReportChanges()
    {
        TIconList list;
        int changes = 0;
        list.onChange = [&changes] { ++changes; };
        const TIcon red = iconOf(Qt::red), green = iconOf(Qt::green), blue = iconOf(Qt::blue);
        QCOMPARE(list.add(red), 0);
        QCOMPARE(list.add(green), 1);
        list.insert(0, blue); // blue, red, green
        QCOMPARE(changes, 3);
        QCOMPARE(list.icon(0)->data(), blue.data());
        list.exchange(0, 2); // green, red, blue
        QCOMPARE(list.icon(0)->data(), green.data());
        list.move(0, 2); // red, blue, green
        QCOMPARE(list.icon(2)->data(), green.data());
        QCOMPARE(list.indexOf(list.icon(1)), 1);
        QCOMPARE(list.indexOf(&red), -1); // the list holds copies, not the given object
        list.deleteAt(1);
        QCOMPARE(list.count(), 2);
        QCOMPARE(changes, 6);

        // A change to an icon in the list is a change of the list.
        list.icon(0)->loadFromData(blue.data());
        QCOMPARE(changes, 7);

        // Grouped changes report once.
        list.beginUpdate();
        list.add(red);
        list.add(red);
        list.deleteAt(0);
        QCOMPARE(changes, 7);
        list.endUpdate();
        QCOMPARE(changes, 8);

        // Writing one past the end appends.
        list.setIcon(list.count(), blue);
        QCOMPARE(list.count(), 4);
        QCOMPARE(changes, 9);
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, list.icon(4));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, list.setIcon(6, blue));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, list.icon(-1));
    }

    void copyingReplacesTheList()
    {
        const QByteArray red = TIcon::encode({solid(Qt::red, 16)});
        TIconList source;
        read(source, le32(2) + le32(qint32(red.size())) + red + le32(0)); // an icon and an empty entry
        TIconList list;
        list.add(iconOf(Qt::green));
        int changes = 0;
        list.onChange = [&changes] { ++changes; };
        list.copyFrom(&source);
        QCOMPARE(changes, 1);
        QCOMPARE(list.count(), 2);
        QCOMPARE(list.icon(1), nullptr);
        QCOMPARE(written(list), written(source));
        list.copyFrom(iconOf(Qt::yellow));
        QCOMPARE(list.count(), 1);
        list.copyFrom(nullptr);
        QCOMPARE(list.count(), 0);
    }
};

QTEST_MAIN(TrayIconListTest)
#include "tst_trayiconlist.moc"
