#include "analysis/readinghistory.h"

#include <QtTest>
#include <cmath>
#include <map>
#include <random>
#include <vector>

namespace {

using Times = QList<qint64>;
using Values = QList<double>;

const qint64 SessionStartMs = 1'700'000'000'123;

Frame frameOf(double value)
{
    return {uint8_t(value), 0xA5, 0x5A, 0x01};
}

qint64 secondOf(qint64 timeMs)
{
    return timeMs / 1000 * 1000;
}

// Something held at a time, with its extremes: a block or a point.
struct Held
{
    qint64 timeMs;
    double minimum;
    double maximum;
};

// What a store is meant to hold after the readings, worked out afresh:
// every reading of a second before the one in which (last − window) falls
// goes into its second's block, and only the newest blocks up to the
// capacity stay.
struct Expected
{
    std::vector<Held> blocks;
    std::vector<Held> points;
};

Expected expectedHolding(const Times &times, const Values &values, qint64 windowMs, size_t capacity)
{
    const qint64 keepFromMs = secondOf(times.last() - windowMs);
    std::map<qint64, Held> seconds;
    Expected expected;
    for (qsizetype i = 0; i < times.size(); ++i) {
        if (times[i] >= keepFromMs) {
            expected.points.push_back({times[i], values[i], values[i]});
            continue;
        }
        const qint64 second = secondOf(times[i]);
        Held &block = seconds.try_emplace(second, Held{second, values[i], values[i]}).first->second;
        block.minimum = std::min(block.minimum, values[i]);
        block.maximum = std::max(block.maximum, values[i]);
    }
    for (const auto &[second, block] : seconds)
        expected.blocks.push_back(block);
    if (expected.blocks.size() > capacity)
        expected.blocks.erase(expected.blocks.begin(), expected.blocks.end() - qsizetype(capacity));
    return expected;
}

} // namespace

class tst_History : public QObject
{
    Q_OBJECT

private slots:
    void decimationIsExact_data();
    void decimationIsExact();
    void recentHourStaysWhileOldBlocksGo();
    void timesSetBackAndNonNumbers_data();
    void timesSetBackAndNonNumbers();
    void clearStartsAfresh();
};

void tst_History::decimationIsExact_data()
{
    // Offsets from the first point held reading by reading, which starts a
    // second; about 90 s of blocks (the oldest beyond the capacity) lie
    // before it, 30 s of points after.
    QTest::addColumn<qint64>("fromOffsetMs");
    QTest::addColumn<qint64>("toOffsetMs");
    QTest::addColumn<int>("columns");
    QTest::newRow("whole session") << qint64(-200'000) << qint64(100'000) << 1500;
    QTest::newRow("straddling the boundary") << qint64(-5'500) << qint64(4'321) << 997;
    QTest::newRow("from a block to the first point") << qint64(-5'000) << qint64(0) << 100;
    QTest::newRow("blocks only") << qint64(-60'000) << qint64(-20'000) << 300;
    QTest::newRow("points only") << qint64(0) << qint64(25'000) << 1000;
    QTest::newRow("more columns than readings") << qint64(-2'000) << qint64(2'000) << 4000;
    QTest::newRow("one column") << qint64(-200'000) << qint64(100'000) << 1;
    QTest::newRow("before the session") << qint64(-900'000) << qint64(-800'000) << 50;
}

void tst_History::decimationIsExact()
{
    QFETCH(qint64, fromOffsetMs);
    QFETCH(qint64, toOffsetMs);
    QFETCH(int, columns);
    const qint64 windowMs = 30'000;
    const qsizetype capacity = 60;

    // Uneven steps with a pause now and then, and a reading at the start of
    // every second, so that ranges can end exactly on a block or a point.
    // Values in few steps, so that ties occur.
    std::mt19937_64 generator(20260114);
    std::uniform_int_distribution<qint64> step(1, 40);
    std::uniform_int_distribution<int> level(-50, 50);
    Times times;
    Values values;
    QuantityHistory history(windowMs, capacity);
    for (qint64 timeMs = SessionStartMs; timeMs < SessionStartMs + 120'000;) {
        const qint64 pause = step(generator) == 1 ? 100 : 1;
        timeMs = std::min(timeMs + step(generator) * pause, secondOf(timeMs) + 1000);
        times << timeMs;
        values << level(generator) * 0.25;
        history.add(values.last(), frameOf(values.last()), timeMs);
    }

    const Expected expected = expectedHolding(times, values, windowMs, size_t(capacity));
    const qint64 boundaryMs = expected.points.front().timeMs;
    QCOMPARE(boundaryMs, secondOf(boundaryMs));
    const qint64 fromMs = boundaryMs + fromOffsetMs;
    const qint64 toMs = boundaryMs + toOffsetMs;
    auto bruteForce = std::vector<ValueRange>(size_t(columns));
    const auto fold = [&](const std::vector<Held> &held) {
        qsizetype inRange = 0;
        for (const Held &item : held) {
            if (item.timeMs < fromMs || item.timeMs > toMs)
                continue;
            ++inRange;
            ValueRange &column =
                bruteForce[size_t((item.timeMs - fromMs) * columns / (toMs - fromMs + 1))];
            column.minimum = column.empty ? item.minimum : std::min(column.minimum, item.minimum);
            column.maximum = column.empty ? item.maximum : std::max(column.maximum, item.maximum);
            column.empty = false;
        }
        return inRange;
    };
    const qsizetype blocksInRange = fold(expected.blocks);
    const qsizetype pointsInRange = fold(expected.points);

    const std::vector<ValueRange> decimated = history.decimate(fromMs, toMs, columns);
    QCOMPARE(decimated.size(), size_t(columns));
    for (int i = 0; i < columns; ++i) {
        const ValueRange &column = decimated[size_t(i)];
        const ValueRange &wanted = bruteForce[size_t(i)];
        QVERIFY2(column.empty == wanted.empty, qPrintable(QStringLiteral("column %1").arg(i)));
        if (!wanted.empty) {
            QCOMPARE(column.minimum, wanted.minimum);
            QCOMPARE(column.maximum, wanted.maximum);
        }
    }
    const IndexRange blocks = history.blocksBetween(fromMs, toMs);
    const IndexRange points = history.pointsBetween(fromMs, toMs);
    QCOMPARE(blocks.end - blocks.begin, blocksInRange);
    QCOMPARE(points.end - points.begin, pointsInRange);
}

void tst_History::recentHourStaysWhileOldBlocksGo()
{
    // Two hours at 100 ms into room for ten minutes of blocks.
    const qsizetype capacity = 600;
    QuantityHistory history(DefaultFullResolutionMs, capacity);
    const qint64 count = 2 * 36'000;
    for (qint64 i = 0; i < count; ++i)
        history.add(double(i), frameOf(double(i)), SessionStartMs + 100 * i);

    const HistoryPoint oldest = history.point(0);
    QVERIFY(oldest.timeMs <= history.lastTimeMs() - DefaultFullResolutionMs);
    QCOMPARE(history.pointCount(), qsizetype(count - qint64(oldest.value)));
    QCOMPARE(history.blockCount(), capacity);
    // The blocks are the newest seconds before the points, none missing.
    const SecondBlock newestBlock = history.block(capacity - 1);
    QCOMPARE(newestBlock.startMs, secondOf(oldest.timeMs) - 1000);
    QCOMPARE(history.block(0).startMs, newestBlock.startMs - 1000 * (capacity - 1));
    QCOMPARE(history.firstTimeMs(), history.block(0).startMs);
    // Each value is its reading's number; the readings come at .023, .123,
    // ... .923 of a second.
    const double first = double((newestBlock.startMs + 23 - SessionStartMs) / 100);
    QCOMPARE(newestBlock.count, 10);
    QCOMPARE(newestBlock.minimum, first);
    QCOMPARE(newestBlock.maximum, first + 9);
    QCOMPARE(newestBlock.mean, first + 4.5);
}

void tst_History::timesSetBackAndNonNumbers_data()
{
    QTest::addColumn<qint64>("windowMs");
    QTest::addColumn<Times>("times");
    QTest::addColumn<Values>("values");
    QTest::addColumn<Times>("keptTimes");
    QTest::addColumn<Values>("keptValues");
    QTest::addColumn<Times>("blockStarts");
    const qint64 hour = DefaultFullResolutionMs;
    QTest::newRow("set back a little")
        << hour << Times{5000, 6000, 5500, 7000} << Values{1, 2, 3, 4}
        << Times{5000, 6000, 6000, 7000} << Values{1, 2, 3, 4} << Times{};
    QTest::newRow("set back into the blocks")
        << qint64(1000) << Times{0, 1500, 3000, 4200, 1000, 4600} << Values{1, 2, 3, 4, 5, 6}
        << Times{3000, 4200, 4200, 4600} << Values{3, 4, 5, 6} << Times{0, 1000};
    QTest::newRow("not numbers") << hour << Times{1000, 2000, 3000, 4000, 5000}
                                 << Values{1, std::nan(""), 3, -INFINITY, INFINITY}
                                 << Times{1000, 3000} << Values{1, 3} << Times{};
}

void tst_History::timesSetBackAndNonNumbers()
{
    QFETCH(qint64, windowMs);
    QFETCH(Times, times);
    QFETCH(Values, values);
    QFETCH(Times, keptTimes);
    QFETCH(Values, keptValues);
    QFETCH(Times, blockStarts);
    QuantityHistory history(windowMs);
    for (qsizetype i = 0; i < times.size(); ++i)
        history.add(values[i], frameOf(values[i]), times[i]);

    QCOMPARE(history.pointCount(), keptTimes.size());
    for (qsizetype i = 0; i < keptTimes.size(); ++i) {
        const HistoryPoint point = history.point(i);
        QCOMPARE(point.timeMs, keptTimes[i]);
        QCOMPARE(point.value, keptValues[i]);
        QCOMPARE(point.raw, frameOf(keptValues[i]));
    }
    QCOMPARE(history.blockCount(), blockStarts.size());
    for (qsizetype i = 0; i < blockStarts.size(); ++i)
        QCOMPARE(history.block(i).startMs, blockStarts[i]);
}

void tst_History::clearStartsAfresh()
{
    ReadingHistory history;
    history.add({Quantity::U1, 1.5, QStringLiteral("1.5 V")}, frameOf(1), 50'000);
    history.add({Quantity::Resistance, 4700, QStringLiteral("4.70 kohm")}, frameOf(2), 50'000);
    QCOMPARE(history.of(Quantity::U1).pointCount(), qsizetype(1));
    QCOMPARE(history.of(Quantity::Resistance).range(0, 100'000).maximum, 4700.0);
    QVERIFY(history.of(Quantity::Current).isEmpty());

    history.clear();
    QVERIFY(history.of(Quantity::Resistance).isEmpty());
    QVERIFY(history.of(Quantity::U1).range(0, 100'000).empty);
    // An earlier time after clear() is not taken for a clock set back.
    history.add({Quantity::U1, 7, QStringLiteral("7.0 V")}, frameOf(7), 10'000);
    QCOMPARE(history.of(Quantity::U1).firstTimeMs(), qint64(10'000));
    QCOMPARE(history.of(Quantity::U1).lastTimeMs(), qint64(10'000));
}

QTEST_APPLESS_MAIN(tst_History)
#include "tst_history.moc"
