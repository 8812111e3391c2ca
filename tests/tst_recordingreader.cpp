#include "record/csvrows.h"
#include "record/recordingreader.h"

#include <QTimeZone>
#include <QtTest>
#include <bit>

namespace {

const QByteArray GoodRow = "2024-05-01T12:00:00.000+02:00,U1,1.5,V,1.5 V,99 15 0 0";

// The header, a good row, the row under test and another good row.
QByteArray between(const QByteArray &row, const QByteArray &lineEnd = "\r\n")
{
    return csvHeader().trimmed() + lineEnd + GoodRow + lineEnd + row + lineEnd + GoodRow + lineEnd;
}

} // namespace

class tst_RecordingReader : public QObject
{
    Q_OBJECT

private slots:
    void readsBackWhatWasWritten_data();
    void readsBackWhatWasWritten();
    void skipsMalformedRows_data();
    void skipsMalformedRows();
    void lastRowCutOff_data();
    void lastRowCutOff();
    void otherLineEndsAndByteOrderMark_data();
    void otherLineEndsAndByteOrderMark();
    void notARecording_data();
    void notARecording();
    void linkRowsAreEvents();
    void quotesLeftOpenOnEveryLineTakeLinearTime();
};

void tst_RecordingReader::readsBackWhatWasWritten_data()
{
    QTest::addColumn<QDateTime>("time");
    const QDate date(2024, 11, 3);
    const QTime time(23, 59, 58, 7);
    QTest::newRow("UTC") << QDateTime(date, time, QTimeZone::utc());
    QTest::newRow("+01:00") << QDateTime(date, time, QTimeZone(3600));
    QTest::newRow("-03:30") << QDateTime(date, time, QTimeZone(-12600));
    QTest::newRow("local") << QDateTime(date, time);
}

void tst_RecordingReader::readsBackWhatWasWritten()
{
    QFETCH(QDateTime, time);
    const std::vector<Reading> readings{
        {Quantity::U1, 0.1, QStringLiteral("0,1 V")},
        {Quantity::U2, 1.0 / 3, QStringLiteral("say \"three\", twice \"\"")},
        {Quantity::Resistance, 4.7e6, QStringLiteral("4.70 Mohm")},
        {Quantity::Frequency, 16777215, QStringLiteral("two\r\nlines")},
        {Quantity::Current, 1e-9, QString()},
    };
    const Frame raw{255, 0, 7, 128};
    const QByteArray rows = csvRows(readings, raw, time);
    // A bad row after them still gets its own line number.
    const RecordingContents contents = readRecording(csvHeader() + rows + rows + "bad\r\n");

    QCOMPARE(contents.problems.size(), size_t(1));
    QCOMPARE(contents.problems[0].line, qsizetype(2 + 2 * (readings.size() + 1)));
    QCOMPARE(contents.rows.size(), 2 * readings.size());
    for (size_t i = 0; i < contents.rows.size(); ++i) {
        const RecordedRow &row = contents.rows[i];
        const Reading &written = readings[i % readings.size()];
        QCOMPARE(row.timeMs, time.toMSecsSinceEpoch());
        QCOMPARE(row.reading.quantity, written.quantity);
        QCOMPARE(std::bit_cast<quint64>(row.reading.value), std::bit_cast<quint64>(written.value));
        QCOMPARE(row.reading.text, written.text);
        QCOMPARE(row.raw, raw);
    }
}

void tst_RecordingReader::skipsMalformedRows_data()
{
    QTest::addColumn<QByteArray>("row");
    QTest::addColumn<QString>("reason");
    const QString fieldCount = QStringLiteral("chybný počet polí");
    const QString time = QStringLiteral("chybný čas");
    const QString value = QStringLiteral("chybná hodnota");
    const QString unit = QStringLiteral("chybná jednotka");
    const QString raw = QStringLiteral("chybné surové bajty");
    const QByteArray t = "2024-05-01T12:00:00.000+02:00";
    QTest::newRow("five fields") << t + ",U1,1.5,V,1.5 V" << fieldCount;
    QTest::newRow("seven fields") << t + ",U1,1.5,V,1.5 V,99 15 0 0," << fieldCount;
    QTest::newRow("no offset") << QByteArray("2024-05-01T12:00:00.000,U1,1.5,V,1.5 V,99 15 0 0")
                               << time;
    QTest::newRow("30 February") << QByteArray("2024-02-30T12:00:00.000+02:00,U1,1.5,V,,99 15 0 0")
                                 << time;
    QTest::newRow("unknown quantity")
        << t + ",U3,1.5,V,1.5 V,99 15 0 0" << QStringLiteral("neznámá veličina");
    QTest::newRow("decimal comma") << t + ",U1,\"1,5\",V,1.5 V,99 15 0 0" << value;
    QTest::newRow("infinite value") << t + ",U1,inf,V,inf,99 15 0 0" << value;
    QTest::newRow("unit of another quantity") << t + ",U1,1.5,Ohm,1.5 V,99 15 0 0" << unit;
    QTest::newRow("three raw bytes") << t + ",U1,1.5,V,1.5 V,99 15 0" << raw;
    QTest::newRow("raw byte 256") << t + ",U1,1.5,V,1.5 V,99 15 0 256" << raw;
    QTest::newRow("link value 2") << t + ",link,2,,ONLINE," << value;
    QTest::newRow("link with a unit") << t + ",link,1,V,ONLINE," << unit;
    // A row that a crash cut inside its quotes and the next run continued.
    QTest::newRow("quote left open")
        << t + ",U1,1.5,V,\"1,5" << QStringLiteral("neukončené uvozovky");
}

void tst_RecordingReader::skipsMalformedRows()
{
    QFETCH(QByteArray, row);
    QFETCH(QString, reason);
    const RecordingContents contents = readRecording(between(row));
    QCOMPARE(contents.rows.size(), size_t(2));
    QCOMPARE(contents.problems.size(), size_t(1));
    QCOMPARE(contents.problems[0].line, qsizetype(3));
    QCOMPARE(contents.problems[0].reason, reason);
}

void tst_RecordingReader::lastRowCutOff_data()
{
    QTest::addColumn<QByteArray>("tail");
    QTest::addColumn<QString>("reason");
    const QString incomplete = QStringLiteral("neúplný řádek");
    QTest::newRow("in the time") << QByteArray("2024-05-01T12:0") << incomplete;
    QTest::newRow("in the quotes") << QByteArray("2024-05-01T12:00:00.000+02:00,U1,1.5,V,\"1,")
                                   << QStringLiteral("neukončené uvozovky");
    // "99 15 0 0" may have been "99 15 0 0x" for all anyone can tell.
    QTest::newRow("before the line end") << GoodRow << incomplete;
    QTest::newRow("between CR and LF") << GoodRow + "\r" << QString();
}

void tst_RecordingReader::lastRowCutOff()
{
    QFETCH(QByteArray, tail);
    QFETCH(QString, reason);
    const RecordingContents contents = readRecording(csvHeader() + GoodRow + "\r\n" + tail);
    QCOMPARE(contents.rows.size(), size_t(reason.isEmpty() ? 2 : 1));
    QCOMPARE(contents.problems.size(), size_t(reason.isEmpty() ? 0 : 1));
    if (!reason.isEmpty()) {
        QCOMPARE(contents.problems[0].line, qsizetype(3));
        QCOMPARE(contents.problems[0].reason, reason);
    }
}

void tst_RecordingReader::otherLineEndsAndByteOrderMark_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray bad = "2024-05-01T12:00:00.000+02:00,U1";
    QTest::newRow("LF") << between(bad, "\n");
    QTest::newRow("byte-order mark") << "\xEF\xBB\xBF" + between(bad);
    QTest::newRow("byte-order mark, LF") << "\xEF\xBB\xBF" + between(bad, "\n");
}

void tst_RecordingReader::otherLineEndsAndByteOrderMark()
{
    QFETCH(QByteArray, bytes);
    const RecordingContents contents = readRecording(bytes);
    QCOMPARE(contents.rows.size(), size_t(2));
    QCOMPARE(contents.rows[1].reading.text, QStringLiteral("1.5 V"));
    QCOMPARE(contents.problems.size(), size_t(1));
    QCOMPARE(contents.problems[0].line, qsizetype(3));
}

void tst_RecordingReader::notARecording_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("rows without the header") << GoodRow + "\r\n" + GoodRow + "\r\n";
    QTest::newRow("another column") << "time,quantity,value,unit,display,raw,note\r\n" + GoodRow;
    QTest::newRow("semicolons") << "time;quantity;value;unit;display;raw\r\n" + GoodRow;
}

void tst_RecordingReader::notARecording()
{
    QFETCH(QByteArray, bytes);
    const RecordingContents contents = readRecording(bytes + "\r\n");
    QVERIFY(contents.rows.empty());
    QCOMPARE(contents.problems.size(), size_t(1));
    QCOMPARE(contents.problems[0].line, qsizetype(1));
    QCOMPARE(contents.problems[0].reason,
             QStringLiteral("soubor není záznam ZUNOV (chybí hlavička)"));
}

void tst_RecordingReader::linkRowsAreEvents()
{
    const RecordingContents contents =
        readRecording(between("2024-05-01T12:00:01.000+02:00,link,0,,OFFLINE,")
                      + "2024-05-01T12:00:02.500+02:00,link,1,,ONLINE,\r\n");
    QVERIFY(contents.problems.empty());
    QCOMPARE(contents.rows.size(), size_t(2));
    QCOMPARE(contents.linkEvents.size(), size_t(2));
    const qint64 noon =
        QDateTime(QDate(2024, 5, 1), QTime(10, 0), QTimeZone::utc()).toMSecsSinceEpoch();
    QCOMPARE(contents.linkEvents[0].timeMs, noon + 1000);
    QVERIFY(!contents.linkEvents[0].online);
    QCOMPARE(contents.linkEvents[1].timeMs, noon + 2500);
    QVERIFY(contents.linkEvents[1].online);
}

void tst_RecordingReader::quotesLeftOpenOnEveryLineTakeLinearTime()
{
    // Each line closes the quote the line before left open and opens
    // another, so a quoted field would run from any line to the end.
    constexpr int Lines = 100000;
    const RecordingContents contents =
        readRecording(csvHeader() + QByteArray("x\",\"\n").repeated(Lines));
    QCOMPARE(contents.problemCount, size_t(Lines));
    QCOMPARE(contents.problems.size(), ProblemsKept);
    QCOMPARE(contents.problems.back().line, qsizetype(ProblemsKept) + 1);
}

QTEST_APPLESS_MAIN(tst_RecordingReader)
#include "tst_recordingreader.moc"
