#include "analysis/statistics.h"

#include <QtTest>
#include <cmath>
#include <random>
#include <vector>

namespace {

using Values = std::vector<double>;

double twoPassMean(const Values &values)
{
    double sum = 0;
    for (double value : values)
        sum += value;
    return sum / double(values.size());
}

double twoPassDeviation(const Values &values)
{
    if (values.size() < 2)
        return 0;
    const double mean = twoPassMean(values);
    double squares = 0;
    for (double value : values)
        squares += (value - mean) * (value - mean);
    return std::sqrt(squares / double(values.size() - 1));
}

Values randomValues(size_t count, double centre, double spread)
{
    std::mt19937_64 generator(20261209);
    std::normal_distribution<double> distribution(centre, spread);
    Values values(count);
    for (double &value : values)
        value = distribution(generator);
    return values;
}

void compareRelatively(double actual, double expected)
{
    const double scale = std::max(std::abs(expected), 1e-300);
    QVERIFY2(
        std::abs(actual - expected) / scale <= 1e-9,
        qPrintable(
            QStringLiteral("%1 against %2").arg(actual, 0, 'g', 17).arg(expected, 0, 'g', 17)));
}

} // namespace

class tst_Statistics : public QObject
{
    Q_OBJECT

private slots:
    void agreesWithTwoPasses_data();
    void agreesWithTwoPasses();
    void extremesAndTheirTimes();
    void quantitiesAreKeptApartAndReset();
};

void tst_Statistics::agreesWithTwoPasses_data()
{
    QTest::addColumn<Values>("values");
    QTest::newRow("one value") << Values{4.7};
    QTest::newRow("the same value") << Values(1000, 12.5);
    QTest::newRow("small series") << Values{1, 2, 3, 4, 100};
    // Summed squares lose these differences: 1e5 squared leaves only about
    // three digits for the spread of 0.001.
    QTest::newRow("large mean, small spread") << randomValues(10000, 100000, 0.001);
    QTest::newRow("negative and positive") << randomValues(10000, 0, 5);
    QTest::newRow("a million readings") << randomValues(1000000, 3.3, 0.2);
}

void tst_Statistics::agreesWithTwoPasses()
{
    QFETCH(Values, values);
    RunningStatistics statistics;
    for (double value : values)
        statistics.add(value, 0);
    QCOMPARE(statistics.count(), int64_t(values.size()));
    compareRelatively(statistics.mean(), twoPassMean(values));
    if (values.size() < 2 || twoPassDeviation(values) == 0)
        QCOMPARE(statistics.standardDeviation(), 0.0);
    else
        compareRelatively(statistics.standardDeviation(), twoPassDeviation(values));
    QCOMPARE(statistics.minimum(), *std::min_element(values.begin(), values.end()));
    QCOMPARE(statistics.maximum(), *std::max_element(values.begin(), values.end()));
}

void tst_Statistics::extremesAndTheirTimes()
{
    // The first time an extreme came is kept; a value that is no number
    // counts for nothing.
    RunningStatistics statistics;
    const Values values{5, 2, 9, 2, 9, std::nan(""), INFINITY, 7};
    for (size_t i = 0; i < values.size(); ++i)
        statistics.add(values[i], qint64(1000 * i));
    QCOMPARE(statistics.count(), int64_t(6));
    QCOMPARE(statistics.minimum(), 2.0);
    QCOMPARE(statistics.minimumTimeMs(), qint64(1000));
    QCOMPARE(statistics.maximum(), 9.0);
    QCOMPARE(statistics.maximumTimeMs(), qint64(2000));
    QCOMPARE(statistics.mean(), 34.0 / 6);
}

void tst_Statistics::quantitiesAreKeptApartAndReset()
{
    ReadingStatistics statistics;
    statistics.add({Quantity::U1, 1.5, QStringLiteral("1.5 V")}, 10);
    statistics.add({Quantity::Resistance, 4700, QStringLiteral("4.70 kohm")}, 20);
    statistics.add({Quantity::U1, 2.5, QStringLiteral("2.5 V")}, 30);
    QCOMPARE(statistics.of(Quantity::U1).count(), int64_t(2));
    QCOMPARE(statistics.of(Quantity::U1).mean(), 2.0);
    QCOMPARE(statistics.of(Quantity::Resistance).maximum(), 4700.0);
    QCOMPARE(statistics.of(Quantity::Current).count(), int64_t(0));

    statistics.reset();
    statistics.add({Quantity::U1, 7, QStringLiteral("7.0 V")}, 40);
    QCOMPARE(statistics.of(Quantity::U1).count(), int64_t(1));
    QCOMPARE(statistics.of(Quantity::U1).minimumTimeMs(), qint64(40));
    QCOMPARE(statistics.of(Quantity::Resistance).count(), int64_t(0));
}

QTEST_APPLESS_MAIN(tst_Statistics)
#include "tst_statistics.moc"
