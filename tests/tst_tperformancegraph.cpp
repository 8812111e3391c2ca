#include "measure/tperformancegraph.h"

#include <QSignalSpy>
#include <QtTest>
#include <limits>

using IntList = QList<int>;

namespace {

constexpr int kRed = 0x0000FF;
constexpr int kBlue = 0xFF0000;
const QRgb kRedPixel = qRgb(255, 0, 0);
const QRgb kBluePixel = qRgb(0, 0, 255);
const QRgb kGreenPixel = qRgb(0, 128, 0);
const QRgb kBlackPixel = qRgb(0, 0, 0);

void feed(TPerformanceGraph &graph, int value)
{
    graph.DataPoint(kRed, value);
    graph.Update();
}

IntList columnsOf(const QImage &image, int y, QRgb colour)
{
    IntList found;
    for (int x = 0; x < image.width(); ++x)
        if (image.pixel(x, y) == colour)
            found << x;
    return found;
}

IntList rowsOf(const QImage &image, int x, QRgb colour)
{
    IntList found;
    for (int y = 0; y < image.height(); ++y)
        if (image.pixel(x, y) == colour)
            found << y;
    return found;
}

int countOf(const QImage &image, QRgb colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        count += int(columnsOf(image, y, colour).size());
    return count;
}

IntList every(int first, int last, int step)
{
    IntList list;
    for (int v = first; v <= last; v += step)
        list << v;
    return list;
}

// Row 7 lies between the horizontal grid lines, so only vertical lines show there.
IntList verticalGridLines(const TPerformanceGraph &graph)
{
    return columnsOf(graph.picture(), 7, kGreenPixel);
}

} // namespace

class tst_TPerformanceGraph : public QObject
{
    Q_OBJECT

private slots:
    void newGraph();
    void ringFollowsWidth_data();
    void ringFollowsWidth();
    void sizedThenOtherPropertyResizesRing();
    void paintCopiesPictureAndCatchesUpSize();
    void shownGraphRepaintsQuietly();
    void firstPointRisesFromBottom();
    void updateWithoutPointsDrawsOnlyGrid();
    void scaleFollowsMaximum_data();
    void scaleFollowsMaximum();
    void unchangedMaximumNeitherNotifiesNorReplays();
    void zeroLeavesGapInLine();
    void lineContinuesFromFirstPointOfItsColour();
    void barsStackInTheirColours();
    void gridPhaseFollowsScrolling();
    void longScrollMatchesRedraw_data();
    void longScrollMatchesRedraw();
    void gridlinesOffKeepStaleOffset();
    void stepWiderThanGridDrawsEveryLine();
    void hugeStepStaysBounded();
    void seventeenthPointIsRefused();
    void reallocKeepsNewestBands();
    void clampedSetters();
    void roundUp_data();
    void roundUp();
    void badScaleDrawsNothing_data();
    void badScaleDrawsNothing();
};

void tst_TPerformanceGraph::newGraph()
{
    TPerformanceGraph graph;
    QCOMPARE(graph.size(), QSize(100, 100));
    QVERIFY(graph.testAttribute(Qt::WA_OpaquePaintEvent));
    QCOMPARE(graph.Kind(), TGraphKind::pgLine);
    QCOMPARE(graph.Scale(), 1000);
    QCOMPARE(graph.historySize(), 35);
    QCOMPARE(graph.currentY(), 0);
    QCOMPARE(graph.FirstY(), 1);
    QCOMPARE(graph.picture().size(), QSize(100, 100));
    QCOMPARE(verticalGridLines(graph), every(14, 89, 15));
    QCOMPARE(rowsOf(graph.picture(), 0, kGreenPixel), every(15, 90, 15));
    QCOMPARE(graph.gridOffset(), 4);
}

void tst_TPerformanceGraph::ringFollowsWidth_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("bands");
    QTest::addColumn<int>("ring");
    QTest::addColumn<int>("startX");

    QTest::newRow("161 wide, step 3") << QSize(161, 100) << 3 << 53 << 55 << 2;
    QTest::newRow("361 wide, step 5") << QSize(361, 257) << 5 << 72 << 74 << 1;
}

void tst_TPerformanceGraph::ringFollowsWidth()
{
    QFETCH(QSize, size);
    QFETCH(int, step);
    QFETCH(int, bands);
    QFETCH(int, ring);
    QFETCH(int, startX);

    TPerformanceGraph graph;
    graph.resize(size);
    graph.SetStepSize(step);
    graph.SetGraphKind(TGraphKind::pgBar);
    QCOMPARE(graph.GetBandCount(), bands);
    QCOMPARE(graph.historySize(), ring);

    // Full bars in every band; scrolling shows part of one more band at the
    // left edge than a full redraw does.
    for (int i = 0; i < ring + 2; ++i)
        feed(graph, 100);
    graph.Replay();
    const IntList bottom = columnsOf(graph.picture(), size.height() - 1, kRedPixel);
    QCOMPARE(bottom, every(startX, size.width() - 1, 1));
}

void tst_TPerformanceGraph::sizedThenOtherPropertyResizesRing()
{
    TPerformanceGraph graph;
    graph.resize(161, 100);
    graph.SetGradient(255);
    QCOMPARE(graph.historySize(), 55);
    QCOMPARE(graph.picture().size(), QSize(161, 100));
}

void tst_TPerformanceGraph::paintCopiesPictureAndCatchesUpSize()
{
    TPerformanceGraph graph;
    graph.resize(161, 100);
    const QImage shown = graph.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(graph.historySize(), 55);
    QCOMPARE(graph.picture().size(), QSize(161, 100));
    QCOMPARE(shown, graph.picture());

    // A hidden graph is never painted; an Update catches the size up itself.
    graph.resize(361, 257);
    feed(graph, 50);
    QCOMPARE(graph.picture().size(), QSize(361, 257));
    QCOMPARE(graph.historySize(), 361 / 3 + 2);
}

void tst_TPerformanceGraph::shownGraphRepaintsQuietly()
{
    // Replay repaints at once, also when a paint runs it; that must not nest.
    QTest::failOnWarning(QRegularExpression(".*"));
    TPerformanceGraph graph;
    graph.show();
    QVERIFY(QTest::qWaitForWindowExposed(&graph));
    feed(graph, 40);
    feed(graph, 60);
    graph.resize(161, 100);
    QTRY_COMPARE(graph.picture().size(), QSize(161, 100));
    QCOMPARE(graph.historySize(), 55);
    feed(graph, 80);
    QCOMPARE(graph.grab().toImage().convertToFormat(QImage::Format_RGB32), graph.picture());
}

void tst_TPerformanceGraph::firstPointRisesFromBottom()
{
    TPerformanceGraph graph;
    graph.SetGradient(255);
    QSignalSpy spy(&graph, &TPerformanceGraph::OnScaleChange);
    QVERIFY(spy.isValid());

    feed(graph, 100);
    QCOMPARE(graph.Scale(), 255);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).value<TPerformanceGraph *>(), &graph);

    // From (97, 100), just below the picture, towards (100, 61), not reached.
    const QImage &picture = graph.picture();
    QCOMPARE(picture.pixel(97, 99), kRedPixel);
    QVERIFY(columnsOf(picture, 61, kRedPixel).isEmpty());
    for (int y = 0; y < 100; ++y)
        for (int x : columnsOf(picture, y, kRedPixel))
            QVERIFY2(x >= 97 && y >= 62, qPrintable(QString("%1,%2").arg(x).arg(y)));
    for (int y = 70; y < 100; ++y)
        QVERIFY2(!columnsOf(picture, y, kRedPixel).isEmpty(), qPrintable(QString::number(y)));
}

void tst_TPerformanceGraph::updateWithoutPointsDrawsOnlyGrid()
{
    TPerformanceGraph graph;
    QSignalSpy spy(&graph, &TPerformanceGraph::OnScaleChange);
    graph.Update();
    QCOMPARE(graph.Scale(), 0);
    QCOMPARE(spy.count(), 1);
    const QImage &picture = graph.picture();
    QCOMPARE(countOf(picture, kBlackPixel) + countOf(picture, kGreenPixel), 100 * 100);
    QCOMPARE(rowsOf(picture, 0, kGreenPixel), every(15, 90, 15));
}

void tst_TPerformanceGraph::scaleFollowsMaximum_data()
{
    QTest::addColumn<int>("gradient");
    QTest::addColumn<IntList>("values");
    QTest::addColumn<int>("scale");
    QTest::addColumn<int>("notifications");

    const IntList zeros33(33, 0);
    QTest::newRow("gradient 0 is the exact maximum") << 0 << IntList{37} << 37 << 1;
    QTest::newRow("gradient 0 follows a new maximum") << 0 << IntList{37, 40} << 40 << 2;
    QTest::newRow("rounded up to the gradient") << 255 << IntList{100} << 255 << 1;
    QTest::newRow("same rounded maximum") << 255 << IntList{100, 200, 1} << 255 << 1;
    QTest::newRow("maximum crosses a step") << 100 << IntList{50, 150} << 200 << 2;
    QTest::newRow("maximum still in the ring") << 100 << IntList{150} + zeros33 << 200 << 1;
    QTest::newRow("maximum leaves the ring")
        << 100 << IntList{150} + zeros33 + IntList{0} << 0 << 2;
}

void tst_TPerformanceGraph::scaleFollowsMaximum()
{
    QFETCH(int, gradient);
    QFETCH(IntList, values);
    QFETCH(int, scale);
    QFETCH(int, notifications);

    TPerformanceGraph graph;
    graph.SetGradient(gradient);
    QSignalSpy spy(&graph, &TPerformanceGraph::OnScaleChange);
    for (int value : values)
        feed(graph, value);
    QCOMPARE(graph.Scale(), scale);
    QCOMPARE(spy.count(), notifications);
}

void tst_TPerformanceGraph::unchangedMaximumNeitherNotifiesNorReplays()
{
    TPerformanceGraph graph;
    graph.SetGradient(255);
    QSignalSpy spy(&graph, &TPerformanceGraph::OnScaleChange);
    feed(graph, 100);
    feed(graph, 100);
    QCOMPARE(spy.count(), 1);
    // Drawn in place, the first segment's upper end was cut off at the right
    // edge and scrolled as it was; a full redraw would have drawn it into
    // column 97, where only the second, level segment is.
    QCOMPARE(rowsOf(graph.picture(), 97, kRedPixel), IntList{61});
    QCOMPARE(columnsOf(graph.picture(), 61, kRedPixel), (IntList{97, 98, 99}));
}

void tst_TPerformanceGraph::zeroLeavesGapInLine()
{
    TPerformanceGraph graph;
    feed(graph, 50);
    feed(graph, 0);
    feed(graph, 80);
    QCOMPARE(graph.Scale(), 100);
    const QImage &picture = graph.picture();
    for (int x = 94; x <= 96; ++x)
        QVERIFY2(rowsOf(picture, x, kRedPixel).isEmpty(), qPrintable(QString::number(x)));
    QVERIFY(!rowsOf(picture, 91, kRedPixel).isEmpty());
    // The 80 starts from the bottom again, since the band before it holds 0.
    QCOMPARE(picture.pixel(97, 99), kRedPixel);
    for (int x = 97; x <= 99; ++x)
        QVERIFY(rowsOf(picture, x, kRedPixel).first() > 20);
}

void tst_TPerformanceGraph::lineContinuesFromFirstPointOfItsColour()
{
    TPerformanceGraph graph;
    graph.DataPoint(kRed, 20);
    graph.DataPoint(kRed, 80);
    graph.Update();
    feed(graph, 50);
    QCOMPARE(graph.Scale(), 100);
    // The newest segment climbs from the first red point before it (20, at
    // y = 80) towards 50; the second red point (80) does not count.
    const IntList rows = rowsOf(graph.picture(), 97, kRedPixel);
    QVERIFY(!rows.isEmpty());
    QCOMPARE(rows.last(), 80);
    QVERIFY(rows.first() > 50);
}

void tst_TPerformanceGraph::barsStackInTheirColours()
{
    TPerformanceGraph graph;
    graph.SetGraphKind(TGraphKind::pgBar);
    graph.DataPoint(kRed, 30);
    graph.DataPoint(kBlue, 70);
    graph.Update();
    QCOMPARE(graph.Scale(), 100);
    for (int x = 97; x <= 99; ++x) {
        // Each bar covers one row more than its height; the second starts on
        // the first's top row.
        QCOMPARE(rowsOf(graph.picture(), x, kRedPixel), every(70, 99, 1));
        QCOMPARE(rowsOf(graph.picture(), x, kBluePixel), every(29, 69, 1));
    }
    QCOMPARE(rowsOf(graph.picture(), 96, kRedPixel), IntList{});
}

void tst_TPerformanceGraph::gridPhaseFollowsScrolling()
{
    TPerformanceGraph graph;
    QCOMPARE(verticalGridLines(graph), every(14, 89, 15));
    QCOMPARE(graph.gridOffset(), 4);

    graph.Update();
    QCOMPARE(verticalGridLines(graph), every(11, 86, 15));
    QCOMPARE(graph.gridOffset(), 1);

    graph.Update(); // the scale stays 0: scrolled, not redrawn
    QCOMPARE(verticalGridLines(graph), every(8, 98, 15));
    QCOMPARE(graph.gridOffset(), 13);

    const QImage scrolled = graph.picture().copy();
    graph.Replay();
    QCOMPARE(graph.picture(), scrolled);
    QCOMPARE(graph.gridOffset(), 13);
}

void tst_TPerformanceGraph::longScrollMatchesRedraw_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("updates");

    // The picture is a window sliding along a backing image twice as wide;
    // the rows land before, on and after the update that copies it back.
    QTest::newRow("window at the end of the backing") << 100 << 5 << 21;
    QTest::newRow("window just moved back") << 100 << 5 << 22;
    QTest::newRow("after many moves") << 100 << 5 << 97;
    QTest::newRow("step 3") << 99 << 3 << 101;
    QTest::newRow("step as wide as the picture") << 100 << 100 << 7;
}

void tst_TPerformanceGraph::longScrollMatchesRedraw()
{
    QFETCH(int, width);
    QFETCH(int, step);
    QFETCH(int, updates);

    // Bars fill exactly their band, and the width is a whole number of bands,
    // so what scrolling has built up must equal a redraw from the ring.
    TPerformanceGraph graph;
    graph.resize(width, 60);
    graph.SetStepSize(step);
    graph.SetGraphKind(TGraphKind::pgBar);
    graph.SetGradient(255);
    QSignalSpy spy(&graph, &TPerformanceGraph::OnScaleChange);
    for (int i = 0; i < updates; ++i)
        feed(graph, 1 + i * 37 % 255);
    QCOMPARE(spy.count(), 1);

    const QImage scrolled = graph.picture();
    QCOMPARE(scrolled.size(), QSize(width, 60));
    QCOMPARE(graph.grab().toImage().convertToFormat(QImage::Format_RGB32), scrolled);
    graph.Replay();
    QCOMPARE(graph.picture(), scrolled);
}

void tst_TPerformanceGraph::gridlinesOffKeepStaleOffset()
{
    TPerformanceGraph graph;
    graph.SetGridlines(false);
    graph.Update();
    graph.Update();
    QCOMPARE(countOf(graph.picture(), kBlackPixel), 100 * 100);
    QCOMPARE(graph.gridOffset(), 4);

    graph.SetGridlines(true);
    QCOMPARE(verticalGridLines(graph), every(14, 89, 15));
    QCOMPARE(graph.gridOffset(), 4);
}

void tst_TPerformanceGraph::stepWiderThanGridDrawsEveryLine()
{
    TPerformanceGraph graph;
    graph.SetStepSize(40);
    graph.Update(); // scale 1000 -> 0, redrawn
    QCOMPARE(verticalGridLines(graph), every(4, 94, 15));
    graph.Update(); // scrolled by 40: three lines come into the new strip
    QCOMPARE(verticalGridLines(graph), every(9, 99, 15));
    QCOMPARE(graph.gridOffset(), 14);
    const QImage scrolled = graph.picture().copy();
    graph.Replay();
    QCOMPARE(graph.picture(), scrolled);
}

void tst_TPerformanceGraph::hugeStepStaysBounded()
{
    TPerformanceGraph graph;
    graph.SetGridSize(2);
    graph.SetStepSize(std::numeric_limits<int>::max());
    QCOMPARE(graph.historySize(), 2);
    feed(graph, 100);
    feed(graph, 100);
    QCOMPARE(graph.Scale(), 100);
    // The whole picture is one new strip: every second column is a grid line.
    QCOMPARE(verticalGridLines(graph), every(0, 98, 2));
}

void tst_TPerformanceGraph::seventeenthPointIsRefused()
{
    TPerformanceGraph graph;
    graph.SetGraphKind(TGraphKind::pgBar);
    graph.SetGradient(0);
    for (int i = 1; i <= 16; ++i)
        graph.DataPoint(0x010101 * i, 10 * i);
    try {
        graph.DataPoint(kRed, 170);
        QFAIL("no range error");
    } catch (const std::out_of_range &error) {
        QCOMPARE(QString(error.what()), QString());
    }
    QCOMPARE(graph.band(graph.currentY()).Count, 16);

    graph.Update();
    QCOMPARE(graph.Scale(), 160);
    for (int i = 1; i <= 16; ++i)
        QVERIFY2(!rowsOf(graph.picture(), 98, DrawingSurface::toRgb(0x010101 * i)).isEmpty(),
                 qPrintable(QString::number(i)));
}

void tst_TPerformanceGraph::reallocKeepsNewestBands()
{
    TPerformanceGraph graph;
    for (int value = 1; value <= 40; ++value)
        feed(graph, value);
    graph.SetStepSize(5); // 100 / 5 + 2 = 22 bands
    QCOMPARE(graph.historySize(), 22);
    QCOMPARE(graph.FirstY(), 0);
    QCOMPARE(graph.currentY(), 21);
    for (int y = 0; y < 21; ++y)
        QCOMPARE(graph.band(y).Values[0], 20 + y);
    QCOMPARE(graph.band(21).Count, 0);

    graph.SetStepSize(1); // grows: the kept bands fill the first slots
    QCOMPARE(graph.historySize(), 102);
    QCOMPARE(graph.currentY(), 21);
    QCOMPARE(graph.band(20).Values[0], 40);
    feed(graph, 41);
    QCOMPARE(graph.FirstY(), 23);
    QCOMPARE(graph.band(21).Values[0], 41);
}

void tst_TPerformanceGraph::clampedSetters()
{
    TPerformanceGraph graph;
    graph.SetGridSize(1);
    QCOMPARE(graph.GridSize(), 2);
    graph.SetStepSize(-4);
    QCOMPARE(graph.StepSize(), 1);
    QCOMPARE(graph.historySize(), 102);
}

void tst_TPerformanceGraph::roundUp_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("expected");

    QTest::newRow("1 to a full step") << 1 << 255 << 255;
    QTest::newRow("exact step") << 255 << 255 << 255;
    QTest::newRow("just over a step") << 256 << 255 << 510;
    QTest::newRow("zero stays") << 0 << 255 << 0;
    QTest::newRow("250 by 100") << 250 << 100 << 300;
    QTest::newRow("step 0 keeps the value") << 37 << 0 << 37;
    QTest::newRow("negative step rounds down") << 100 << -255 << -255;
    QTest::newRow("near the int limit saturates")
        << std::numeric_limits<int>::max() << 255 << std::numeric_limits<int>::max();
    QTest::newRow("int minimum by -1")
        << std::numeric_limits<int>::min() << -1 << std::numeric_limits<int>::min();
}

void tst_TPerformanceGraph::roundUp()
{
    QFETCH(int, value);
    QFETCH(int, step);
    QFETCH(int, expected);
    QCOMPARE(TPerformanceGraph::RoundUp(value, step), expected);
}

void tst_TPerformanceGraph::badScaleDrawsNothing_data()
{
    QTest::addColumn<int>("gradient");
    QTest::addColumn<int>("value");
    QTest::addColumn<bool>("overrideScale");
    QTest::addColumn<int>("scale");
    QTest::addColumn<bool>("drawn");

    constexpr int kHuge = std::numeric_limits<int>::max();
    QTest::newRow("negative value") << 100 << -50 << false << 0 << false;
    QTest::newRow("negative gradient") << -255 << 100 << false << -255 << false;
    QTest::newRow("scale set to 0") << 0 << 100 << true << 0 << false;
    QTest::newRow("scale set below 0") << 0 << 100 << true << -5 << false;
    QTest::newRow("huge value on scale 1") << 0 << kHuge << true << 1 << true;
}

void tst_TPerformanceGraph::badScaleDrawsNothing()
{
    QFETCH(int, gradient);
    QFETCH(int, value);
    QFETCH(bool, overrideScale);
    QFETCH(int, scale);
    QFETCH(bool, drawn);

    for (TGraphKind kind : {TGraphKind::pgLine, TGraphKind::pgBar}) {
        TPerformanceGraph graph;
        graph.SetGraphKind(kind);
        graph.SetGradient(gradient);
        feed(graph, value);
        feed(graph, value);
        if (overrideScale)
            graph.SetScale(scale);
        QCOMPARE(graph.Scale(), scale);
        QCOMPARE(countOf(graph.picture(), kRedPixel) > 0, drawn);
    }
}

QTEST_MAIN(tst_TPerformanceGraph)
#include "tst_tperformancegraph.moc"
