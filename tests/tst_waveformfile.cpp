#include "generator/waveformfile.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray numbers(int from, int to, bool hexadecimal = false)
{
    QByteArray text;
    for (int i = from; i <= to; ++i) {
        text += hexadecimal ? "0x" + QByteArray::number(i, 16).toUpper().rightJustified(2, '0')
                            : QByteArray::number(i);
        text += ' ';
    }
    return text;
}

WaveformTable filled(uint8_t value)
{
    WaveformTable table;
    table.fill(value);
    return table;
}

WaveformTable ramp()
{
    WaveformTable table;
    for (int i = 0; i < WaveformSamples; ++i)
        table[i] = uint8_t(i);
    return table;
}

// The ramp up to `last`, then `last` repeated.
WaveformTable rampThenHold(int last)
{
    WaveformTable table = ramp();
    for (int i = last; i < WaveformSamples; ++i)
        table[i] = uint8_t(last);
    return table;
}

} // namespace

class tst_WaveformFile : public QObject
{
    Q_OBJECT

private slots:
    void reading_data();
    void reading();
    void hugeFileReadsToTheEnd();
    void fileThatCannotBeOpened();
};

void tst_WaveformFile::reading_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<WaveformTable>("expected");

    // Every row starts from a table of 7s, to show what is left untouched.
    QTest::newRow("header and a ramp") << "0 " + numbers(0, 254) << ramp();
    QTest::newRow("the ramp in hexadecimal") << "0\n" + numbers(0, 254, true) << ramp();
    QTest::newRow("octal with a leading zero") << QByteArray("0 010") << filled(8);
    QTest::newRow("low 8 bits of a large number") << QByteArray("0 300") << filled(44);
    QTest::newRow("minus one is 255") << QByteArray("0 -1") << filled(255);
    QTest::newRow("ten samples, the rest take the tenth")
        << "5 " + numbers(0, 9) << rampThenHold(9);
    QTest::newRow("header alone fills with the header") << QByteArray("9") << filled(9);
    QTest::newRow("the last block wins")
        << "0 " + numbers(0, 254) + "1 " + QByteArray("3 3 3") << filled(3);
    QTest::newRow("CR only between numbers")
        << "0\r" + numbers(0, 254).replace(' ', '\r') << ramp();
    QTest::newRow("empty file leaves the table") << QByteArray() << filled(7);
    QTest::newRow("only white space leaves the table") << QByteArray(" \r\n\t ") << filled(7);
    QTest::newRow("a word ends the reading, held like an end of file")
        << "0 " + numbers(0, 4) + "five 200" << rampThenHold(4);
    QTest::newRow("a number with trailing letters is not a number")
        << QByteArray("0 1 2x 3") << filled(1);
    QTest::newRow("eight is no octal digit") << QByteArray("0 1 08") << filled(1);
    QTest::newRow("too large for any integer ends the reading")
        << QByteArray("0 4 99999999999999999999999 5") << filled(4);
    QTest::newRow("largest 64-bit number keeps its low byte")
        << QByteArray("0 18446744073709551615") << filled(255);
    QTest::newRow("binary bytes are not numbers") << QByteArray("\x00\x01\xff\xfe", 4) << filled(7);
}

void tst_WaveformFile::reading()
{
    QFETCH(QByteArray, text);
    QFETCH(WaveformTable, expected);
    WaveformTable table = filled(7);
    readWaveform(text, table);
    QCOMPARE(table, expected);
}

void tst_WaveformFile::hugeFileReadsToTheEnd()
{
    // About 10 MB of whole blocks; the last one is a ramp.
    QByteArray block = "0 " + QByteArray(255, ' ').replace(' ', "200 ") + '\n';
    QByteArray text;
    while (text.size() < 10'000'000)
        text += block;
    text += "0 " + numbers(0, 254);
    WaveformTable table = filled(7);
    readWaveform(text, table);
    QCOMPARE(table, ramp());
}

void tst_WaveformFile::fileThatCannotBeOpened()
{
    QTemporaryDir dir;
    WaveformTable table = filled(7);
    QVERIFY(!readWaveformFile(dir.filePath(QStringLiteral("missing.gen")), table));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("pila.gen")));
    QVERIFY(!readWaveformFile(dir.filePath(QStringLiteral("pila.gen")), table));
    QCOMPARE(table, filled(7));
}

QTEST_APPLESS_MAIN(tst_WaveformFile)
#include "tst_waveformfile.moc"
