#include "platform/drawingsurface.h"

#include <QtTest>
#include <limits>

using PixelList = QList<QPoint>;

namespace {

constexpr int kSize = 10;
constexpr int kRed = 0x0000FF;
constexpr int kBlack = 0;
constexpr int kMax = std::numeric_limits<int>::max();
constexpr int kMin = std::numeric_limits<int>::min();

PixelList pixelsOf(const QImage &image, QRgb colour)
{
    PixelList found;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == colour)
                found << QPoint(x, y);
    return found;
}

// Every pixel a colour of its own, so that a copy shows where each came from.
void fillWithPattern(DrawingSurface &surface)
{
    for (int y = 0; y < surface.height(); ++y)
        for (int x = 0; x < surface.width(); ++x)
            surface.fillRect(x, y, x + 1, y + 1, 0x010000 * y + x + 1);
}

} // namespace

class tst_DrawingSurface : public QObject
{
    Q_OBJECT

private slots:
    void colourIsRedInTheLowestByte();
    void fillRect_data();
    void fillRect();
    void lineTo_data();
    void lineTo();
    void linesFollowEachOther();
    void copyRect_data();
    void copyRect();
};

void tst_DrawingSurface::colourIsRedInTheLowestByte()
{
    QCOMPARE(DrawingSurface::toRgb(0x0000FF), qRgb(255, 0, 0));
    QCOMPARE(DrawingSurface::toRgb(0x008000), qRgb(0, 128, 0));
    QCOMPARE(DrawingSurface::toRgb(0xFF0000), qRgb(0, 0, 255));
    QCOMPARE(DrawingSurface::toRgb(int(0xAB123456)), qRgb(0x56, 0x34, 0x12));
}

void tst_DrawingSurface::fillRect_data()
{
    QTest::addColumn<QRect>("rect");    // left, top, right, bottom as x, y, width, height
    QTest::addColumn<QRect>("covered"); // Qt's inclusive rectangle, empty for none

    auto edges = [](int l, int t, int r, int b) { return QRect(QPoint(l, t), QPoint(r, b)); };
    QTest::newRow("right column and bottom row left out") << edges(2, 3, 5, 7) << QRect(2, 3, 3, 4);
    QTest::newRow("one pixel") << edges(4, 4, 5, 5) << QRect(4, 4, 1, 1);
    QTest::newRow("no width") << edges(4, 4, 4, 8) << QRect();
    QTest::newRow("right of left: nothing") << edges(6, 2, 3, 8) << QRect();
    QTest::newRow("partly above and left") << edges(-5, -5, 2, 2) << QRect(0, 0, 2, 2);
    QTest::newRow("partly below and right") << edges(8, 9, 20, 30) << QRect(8, 9, 2, 1);
    QTest::newRow("whole int range") << edges(kMin, kMin, kMax, kMax) << QRect(0, 0, 10, 10);
    QTest::newRow("entirely outside") << edges(kMax - 5, 0, kMax, 5) << QRect();
}

void tst_DrawingSurface::fillRect()
{
    QFETCH(QRect, rect);
    QFETCH(QRect, covered);
    DrawingSurface surface(kSize, kSize);
    surface.fillRect(0, 0, kSize, kSize, kBlack);
    // QRect's own right()/bottom() are inclusive; the edges were stored as points.
    surface.fillRect(rect.topLeft().x(), rect.topLeft().y(), rect.bottomRight().x(),
                     rect.bottomRight().y(), kRed);

    const PixelList red = pixelsOf(surface.image(), qRgb(255, 0, 0));
    QCOMPARE(red.size(), covered.width() * covered.height());
    for (const QPoint &p : red)
        QVERIFY2(covered.contains(p), qPrintable(QString("%1,%2").arg(p.x()).arg(p.y())));
}

void tst_DrawingSurface::lineTo_data()
{
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QPoint>("to");
    QTest::addColumn<PixelList>("expected");

    QTest::newRow("horizontal, end left out")
        << QPoint(1, 1) << QPoint(5, 1) << PixelList{{1, 1}, {2, 1}, {3, 1}, {4, 1}};
    QTest::newRow("right to left")
        << QPoint(5, 1) << QPoint(1, 1) << PixelList{{2, 1}, {3, 1}, {4, 1}, {5, 1}};
    QTest::newRow("vertical") << QPoint(2, 0) << QPoint(2, 3) << PixelList{{2, 0}, {2, 1}, {2, 2}};
    QTest::newRow("diagonal") << QPoint(0, 0) << QPoint(3, 3) << PixelList{{0, 0}, {1, 1}, {2, 2}};
    QTest::newRow("shallow, a half step goes back to the start")
        << QPoint(0, 0) << QPoint(4, 2) << PixelList{{0, 0}, {1, 0}, {2, 1}, {3, 1}};
    QTest::newRow("steep upwards")
        << QPoint(1, 9) << QPoint(2, 5) << PixelList{{1, 7}, {1, 8}, {1, 9}, {2, 6}};
    QTest::newRow("zero length draws nothing") << QPoint(3, 3) << QPoint(3, 3) << PixelList{};
    QTest::newRow("ends at the bottom edge, from below it")
        << QPoint(4, 12) << QPoint(4, 7) << PixelList{{4, 8}, {4, 9}};
    QTest::newRow("across from far outside") << QPoint(-1000000000, 5) << QPoint(1000000000, 5)
                                             << PixelList{{0, 5}, {1, 5}, {2, 5}, {3, 5}, {4, 5},
                                                          {5, 5}, {6, 5}, {7, 5}, {8, 5}, {9, 5}};
    QTest::newRow("whole int range diagonal") << QPoint(kMin, kMin) << QPoint(kMax, kMax)
                                              << PixelList{{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 4},
                                                           {5, 5}, {6, 6}, {7, 7}, {8, 8}, {9, 9}};
    QTest::newRow("far away, never near the picture")
        << QPoint(kMax, kMin) << QPoint(kMin, kMin) << PixelList{};
}

void tst_DrawingSurface::lineTo()
{
    QFETCH(QPoint, from);
    QFETCH(QPoint, to);
    QFETCH(PixelList, expected);
    DrawingSurface surface(kSize, kSize);
    surface.fillRect(0, 0, kSize, kSize, kBlack);
    surface.setPenColor(kRed);
    surface.moveTo(from.x(), from.y());
    surface.lineTo(to.x(), to.y());

    PixelList red = pixelsOf(surface.image(), qRgb(255, 0, 0));
    auto byRow = [](QPoint a, QPoint b) {
        return std::pair(a.x(), a.y()) < std::pair(b.x(), b.y());
    };
    std::sort(red.begin(), red.end(), byRow);
    std::sort(expected.begin(), expected.end(), byRow);
    QCOMPARE(red, expected);
}

void tst_DrawingSurface::linesFollowEachOther()
{
    // A polyline: each line starts where the last ended, so the shared corner
    // is drawn once, by the later line.
    DrawingSurface surface(kSize, kSize);
    surface.fillRect(0, 0, kSize, kSize, kBlack);
    surface.setPenColor(kRed);
    surface.moveTo(1, 1);
    surface.lineTo(4, 1);
    surface.setPenColor(0xFF0000);
    surface.lineTo(4, 3);
    QCOMPARE(pixelsOf(surface.image(), qRgb(255, 0, 0)), (PixelList{{1, 1}, {2, 1}, {3, 1}}));
    QCOMPARE(pixelsOf(surface.image(), qRgb(0, 0, 255)), (PixelList{{4, 1}, {4, 2}}));
}

void tst_DrawingSurface::copyRect_data()
{
    QTest::addColumn<QRect>("from"); // edges stored as topLeft / bottomRight points
    QTest::addColumn<QRect>("to");

    auto edges = [](int l, int t, int r, int b) { return QRect(QPoint(l, t), QPoint(r, b)); };
    QTest::newRow("scroll left by 3") << edges(3, 0, 10, 10) << edges(0, 0, 7, 10);
    QTest::newRow("scroll right by 2") << edges(0, 0, 8, 10) << edges(2, 0, 10, 10);
    QTest::newRow("scroll down by 1") << edges(0, 0, 10, 9) << edges(0, 1, 10, 10);
    QTest::newRow("scroll up by 4") << edges(0, 4, 10, 10) << edges(0, 0, 10, 6);
    QTest::newRow("diagonal overlap") << edges(1, 1, 8, 8) << edges(2, 3, 9, 10);
    QTest::newRow("source partly outside") << edges(-3, 0, 5, 10) << edges(0, 0, 8, 10);
    QTest::newRow("target partly outside") << edges(0, 0, 6, 6) << edges(7, 7, 13, 13);
    QTest::newRow("far outside") << edges(kMax - 9, 0, kMax, 9) << edges(0, 0, 9, 9);
    QTest::newRow("from the far left") << edges(kMin, 0, kMin + 9, 9) << edges(0, 0, 9, 9);
}

void tst_DrawingSurface::copyRect()
{
    QFETCH(QRect, from);
    QFETCH(QRect, to);
    DrawingSurface surface(kSize, kSize);
    fillWithPattern(surface);
    const QImage before = surface.image().copy();

    const SurfaceRect source{from.topLeft().x(), from.topLeft().y(), from.bottomRight().x(),
                             from.bottomRight().y()};
    const SurfaceRect target{to.topLeft().x(), to.topLeft().y(), to.bottomRight().x(),
                             to.bottomRight().y()};
    surface.copyRect(source, target);

    const int64_t shiftX = int64_t(target.left) - source.left;
    const int64_t shiftY = int64_t(target.top) - source.top;
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            const int64_t sx = x - shiftX;
            const int64_t sy = y - shiftY;
            const bool copied = x >= target.left && x < target.right && y >= target.top
                                && y < target.bottom && sx >= 0 && sx < kSize && sy >= 0
                                && sy < kSize;
            const QRgb expected = copied ? before.pixel(int(sx), int(sy)) : before.pixel(x, y);
            QVERIFY2(surface.image().pixel(x, y) == expected,
                     qPrintable(QString("%1,%2").arg(x).arg(y)));
        }
    }
}

QTEST_GUILESS_MAIN(tst_DrawingSurface)
#include "tst_drawingsurface.moc"
