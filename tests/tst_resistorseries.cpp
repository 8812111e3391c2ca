#include "measure/resistorseries.h"
#include "platform/apperror.h"

#include <QTemporaryDir>
#include <QtTest>

class tst_ResistorSeries : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void fileNames_data();
    void fileNames();
    void linesAsWritten_data();
    void linesAsWritten();
    void missingFile();
    void indexWithoutSeries();
    void shippedSeries_data();
    void shippedSeries();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_savedDir;
};

void tst_ResistorSeries::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_savedDir = QDir::currentPath();
    QDir::setCurrent(m_dir->path());
}

void tst_ResistorSeries::cleanup()
{
    QDir::setCurrent(m_savedDir);
    m_dir.reset();
}

void tst_ResistorSeries::fileNames_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("name");
    QTest::newRow("E12") << 0 << "E12.dat";
    QTest::newRow("E24") << 1 << "E24.dat";
    QTest::newRow("E48") << 2 << "E48.dat";
    QTest::newRow("no selection") << -1 << "";
    QTest::newRow("past the last series") << 3 << "";
}

void tst_ResistorSeries::fileNames()
{
    QFETCH(int, index);
    QFETCH(QString, name);
    QCOMPARE(seriesFileName(index), name);
}

void tst_ResistorSeries::linesAsWritten_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("items");
    QTest::newRow("empty last line adds no item")
        << QByteArray("1.0\r\n1.2\r\n") << QStringList{"1.0", "1.2"};
    QTest::newRow("empty middle line is an item")
        << QByteArray("1.0\r\n\r\n1.5\r\n") << QStringList{"1.0", "", "1.5"};
    QTest::newRow("LF and CR line ends")
        << QByteArray("1.0\n1.1\r1.2") << QStringList{"1.0", "1.1", "1.2"};
    QTest::newRow("blanks kept") << QByteArray(" 2,2 k\r\n") << QStringList{" 2,2 k"};
    QTest::newRow("empty file") << QByteArray() << QStringList{};
}

void tst_ResistorSeries::linesAsWritten()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, items);
    QFile file(QStringLiteral("E12.dat"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    QCOMPARE(loadSeries(0), items);
}

void tst_ResistorSeries::missingFile()
{
    try {
        loadSeries(1);
        QFAIL("a missing file was not reported");
    } catch (const AppError &error) {
        QCOMPARE(error.text(), QStringLiteral("Cannot open file E24.dat"));
    }
}

void tst_ResistorSeries::indexWithoutSeries()
{
    QCOMPARE(loadSeries(-1), QStringList{});
}

void tst_ResistorSeries::shippedSeries_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("count");
    QTest::newRow("E12") << 0 << 12;
    QTest::newRow("E24") << 1 << 24;
    QTest::newRow("E48") << 2 << 48;
}

// One decade of each series, as the user reads the values: strictly rising
// numbers from 1 to below 10, each series the right size.
void tst_ResistorSeries::shippedSeries()
{
    QFETCH(int, index);
    QFETCH(int, count);
    QDir::setCurrent(QStringLiteral(ZUNOV_DATA_DIR));
    const QStringList items = loadSeries(index);
    QCOMPARE(items.size(), count);
    double previous = 0;
    for (const QString &item : items) {
        bool ok = false;
        const double value = QLocale::c().toDouble(item, &ok);
        QVERIFY2(ok, qPrintable(item));
        QVERIFY2(value > previous, qPrintable(item));
        QVERIFY(value >= 1.0 && value < 10.0);
        previous = value;
    }
    QCOMPARE(items.first().toDouble(), 1.0);
}

QTEST_MAIN(tst_ResistorSeries)
#include "tst_resistorseries.moc"
