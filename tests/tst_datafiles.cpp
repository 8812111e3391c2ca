#include "generator/waveformfile.h"
#include "platform/textfile.h"

#include <QtTest>
#include <algorithm>
#include <optional>
#include <set>

// The files shipped in data/ for the program's working directory: the
// waveform previews and the help text.
class tst_DataFiles : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void waveformsUseTheFullRange_data();
    void waveformsUseTheFullRange();
    void sine();
    void halfSine();
    void square();
    void sawtooth();
    void triangle();
    void helpText_data();
    void helpText();

private:
    // The file's table; nothing when it is missing or not one block.
    static std::optional<WaveformTable> waveform(const char *name);
    QString m_savedDir;
};

void tst_DataFiles::initTestCase()
{
    m_savedDir = QDir::currentPath();
    QVERIFY(QDir::setCurrent(QStringLiteral(ZUNOV_DATA_DIR)));
}

void tst_DataFiles::cleanupTestCase()
{
    QDir::setCurrent(m_savedDir);
}

std::optional<WaveformTable> tst_DataFiles::waveform(const char *name)
{
    QFile file{QString::fromLatin1(name)};
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    // Exactly one block: the header number and one period. A longer file
    // would show only its last block.
    if (bytes.simplified().split(' ').size() != WaveformSamples + 1)
        return std::nullopt;
    // A sample that stays at a value it could never take shows that the
    // file ran short.
    WaveformTable table;
    table.fill(0x5a);
    readWaveform(bytes, table);
    return table;
}

void tst_DataFiles::waveformsUseTheFullRange_data()
{
    QTest::addColumn<QString>("name");
    for (const char *name : {"sinu.gen", "sin2.gen", "obde.gen", "pila.gen", "troj.gen"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void tst_DataFiles::waveformsUseTheFullRange()
{
    QFETCH(QString, name);
    const auto loaded = waveform(qPrintable(name));
    QVERIFY(loaded);
    const WaveformTable &table = *loaded;
    QCOMPARE(*std::min_element(table.begin(), table.end()), uint8_t(0));
    QCOMPARE(*std::max_element(table.begin(), table.end()), uint8_t(255));
}

void tst_DataFiles::sine()
{
    const auto loaded = waveform("sinu.gen");
    QVERIFY(loaded);
    const WaveformTable &table = *loaded;
    // Starts at the middle level, top a quarter of the way, bottom at three
    // quarters, and the second half mirrors the first.
    QVERIFY(qAbs(table[0] - 128) <= 1);
    QCOMPARE(table[WaveformSamples / 4], uint8_t(255));
    QCOMPARE(table[WaveformSamples * 3 / 4], uint8_t(0));
    for (int i = 1; i < WaveformSamples; ++i)
        QVERIFY(qAbs(table[i] + table[WaveformSamples - i] - 255) <= 1);
}

void tst_DataFiles::halfSine()
{
    const auto loaded = waveform("sin2.gen");
    QVERIFY(loaded);
    const WaveformTable &table = *loaded;
    const int half = WaveformSamples / 2;
    for (int i = 1; i < half; ++i)
        QVERIFY2(table[i] > 0, qPrintable(QString::number(i)));
    for (int i = half + 1; i < WaveformSamples; ++i)
        QCOMPARE(table[i], uint8_t(0));
    QCOMPARE(table[WaveformSamples / 4], uint8_t(255));
}

void tst_DataFiles::square()
{
    const auto loaded = waveform("obde.gen");
    QVERIFY(loaded);
    const WaveformTable &table = *loaded;
    QCOMPARE(std::set<uint8_t>(table.begin(), table.end()), (std::set<uint8_t>{0, 255}));
    const auto high = std::count(table.begin(), table.end(), 255);
    QVERIFY(qAbs(high - WaveformSamples / 2) <= 1);
    // One high stretch followed by one low stretch.
    QVERIFY(std::is_sorted(table.rbegin(), table.rend()));
}

void tst_DataFiles::sawtooth()
{
    const auto loaded = waveform("pila.gen");
    QVERIFY(loaded);
    const WaveformTable &table = *loaded;
    int rising = 0;
    for (int i = 1; i < WaveformSamples; ++i)
        rising += table[i] > table[i - 1];
    QVERIFY(rising >= WaveformSamples - 5);
}

void tst_DataFiles::triangle()
{
    const auto loaded = waveform("troj.gen");
    QVERIFY(loaded);
    const WaveformTable &table = *loaded;
    const auto peak = std::max_element(table.begin(), table.end()) - table.begin();
    QVERIFY(qAbs(peak - WaveformSamples / 2) <= 2);
    for (int i = 1; i <= peak; ++i)
        QVERIFY(table[i] > table[i - 1]);
    for (int i = int(peak) + 1; i < WaveformSamples; ++i)
        QVERIFY(table[i] < table[i - 1]);
}

void tst_DataFiles::helpText_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("topics");
    QTest::newRow("Czech")
        << "HELP.dat"
        << QStringList{"Připojit",         "Nastavení", "COM1",      "ln -s /dev/ttyUSB0 COM1",
                       "/dev/ttyS",        "Graf",      "E12",       "Odeslat data / START",
                       "zunov-sim --help", "spuštění",  "Zařízení:", "zunov --list-ports"};
    QTest::newRow("English") << "HELP_en.dat"
                             << QStringList{"Connect",
                                            "Settings",
                                            "COM1",
                                            "ln -s /dev/ttyUSB0 COM1",
                                            "/dev/ttyS",
                                            "E12",
                                            "Send data / START",
                                            "zunov-sim --help",
                                            "zunov --list-ports"};
}

void tst_DataFiles::helpText()
{
    QFETCH(QString, file);
    QFETCH(QStringList, topics);
    const QStringList lines = readTextLines(file, HelpFileLimit);
    QVERIFY(lines.size() > 40);
    const QString text = lines.join(QLatin1Char('\n'));
    // Decoded as UTF-8: the Czech letters come out right, nothing is replaced.
    QVERIFY(!text.contains(QChar::ReplacementCharacter));
    for (const QString &topic : topics)
        QVERIFY2(text.contains(topic), qPrintable(topic));
    for (const QString &line : lines)
        QVERIFY2(line.size() <= 80, qPrintable(line));
}

QTEST_MAIN(tst_DataFiles)
#include "tst_datafiles.moc"
