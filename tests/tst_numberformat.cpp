#include "measure/numberformat.h"

#include <QLocale>
#include <QtTest>

class tst_NumberFormat : public QObject
{
    Q_OBJECT

private slots:
    void patterns_data();
    void patterns();
    void systemSeparator_data();
    void systemSeparator();
};

void tst_NumberFormat::patterns_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("integer padded") << "000" << 7.0 << "007";
    QTest::newRow("integer full") << "000" << 255.0 << "255";
    QTest::newRow("integer wider than pattern") << "000" << 1234.0 << "1234";
    QTest::newRow("tenths below one") << "00.0" << 0.5 << "00.5";
    QTest::newRow("tenths from a byte") << "00.0" << 123 * 0.1 << "12.3";
    QTest::newRow("tenths of 45") << "00.0" << 45 * 0.1 << "04.5";
    QTest::newRow("hundredths") << "0.00" << 1.5 << "1.50";
    QTest::newRow("hundredths from a byte") << "0.00" << 150 * 0.01 << "1.50";
    QTest::newRow("further points add nothing") << "00.000.000" << 1234.0 << "1234.000000";
    QTest::newRow("frequency of 200") << "00.000.000" << 200.0 << "200.000000";
    QTest::newRow("eight digits of zero") << "00000000" << 0.0 << "00000000";
    QTest::newRow("half rounds up") << "000" << 2.5 << "003";
    QTest::newRow("negative half rounds away") << "000" << -2.5 << "-003";
    QTest::newRow("decimal half, binary below it") << "0.0" << 0.05 << "0.1";
    QTest::newRow("1.005 is a half on its decimal value") << "0.00" << 1.005 << "1.01";
    QTest::newRow("carry into a new digit") << "00.0" << 99.96 << "100.0";
    QTest::newRow("rounds to zero, no minus") << "0.00" << -0.004 << "0.00";
    QTest::newRow("negative zero, no minus") << "000" << -0.0 << "000";
    QTest::newRow("negative value keeps sign") << "00.0" << -1.25 << "-01.3";
    QTest::newRow("large value") << "00000000" << 16777215.0 << "16777215";
}

void tst_NumberFormat::patterns()
{
    QFETCH(QString, pattern);
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(formatNumber(pattern, value, QLatin1Char('.')), expected);
}

void tst_NumberFormat::systemSeparator_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("tenths") << "00.0" << 0.5 << "00.5";
    QTest::newRow("frequency") << "00.000.000" << 1234.0 << "1234.000000";
    QTest::newRow("integer has no separator") << "000" << 7.0 << "007";
}

// Registered twice in CMake: under the C locale and under a Czech one, where
// the separator must be a comma.
void tst_NumberFormat::systemSeparator()
{
    QFETCH(QString, pattern);
    QFETCH(double, value);
    QFETCH(QString, expected);

    const QString separator = QLocale::system().decimalPoint();
    if (qEnvironmentVariable("LC_ALL").startsWith(QLatin1String("cs")))
        QCOMPARE(separator, QStringLiteral(","));
    else
        QCOMPARE(separator, QStringLiteral("."));
    QCOMPARE(formatNumber(pattern, value), QString(expected).replace(QLatin1Char('.'), separator));
}

QTEST_APPLESS_MAIN(tst_NumberFormat)
#include "tst_numberformat.moc"
