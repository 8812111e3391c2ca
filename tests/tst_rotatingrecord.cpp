#include "record/csvrows.h"
#include "record/recordingnames.h"
#include "record/recordingrotation.h"
#include "record/rotatingrecord.h"
#include "record/rowfields.h"
#include "support/pythoncsv.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimeZone>
#include <QtTest>
#include <csignal>
#include <sys/resource.h>

namespace {

using Rows = QList<QStringList>;
using Times = QList<QDateTime>;

const QStringList Header{"time", "quantity", "value", "unit", "display", "raw"};

QDateTime at(const QString &text)
{
    return QDateTime::fromString(text, Qt::ISODate);
}

RunSettings settingsWith(const RecordingRotation &rotation)
{
    return {QStringLiteral("zunov 9.9"),
            QStringLiteral("/dev/ttyUSB0"),
            QStringLiteral("COM1"),
            1,
            100,
            GeneratorSetting{30, 12},
            rotation};
}

// A row the size of a real one; its number in the value column.
QByteArray row(int number)
{
    return QStringLiteral("2026-12-08T10:00:00.000+01:00,U1,%1,V,%1 V,98 0 7 0\r\n")
        .arg(number, 6, 10, QLatin1Char('0'))
        .toUtf8();
}

QJsonObject lastRun(const QString &csvPath)
{
    QFile file(sidecarPathOf(csvPath));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(file.readAll())
        .object()
        .value(QStringLiteral("runs"))
        .toArray()
        .last()
        .toObject();
}

QStringList csvFilesIn(const QString &folder)
{
    return QDir(folder).entryList({QStringLiteral("*.csv")}, QDir::Files, QDir::Name);
}

} // namespace

// The file layer of a recording: the names and moments of rotation, the
// rows spread over the files, and the sidecars that describe them.
class tst_RotatingRecord : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void parsesRotation_data();
    void parsesRotation();
    void namesFiles_data();
    void namesFiles();
    void skipsTakenNames();
    void rotationMoments_data();
    void rotationMoments();
    void spreadsRowsOverFiles_data();
    void spreadsRowsOverFiles();
    void neverWritesToAnExistingFile();
    void describesTheRun();
    void continuedFileKeepsEarlierRuns_data();
    void continuedFileKeepsEarlierRuns();
    void failureNamesTheFile_data();
    void failureNamesTheFile();
};

void tst_RotatingRecord::initTestCase()
{
    if (QStandardPaths::findExecutable(QStringLiteral("python3")).isEmpty())
        QSKIP(
            "python3 reads the recordings here as a spreadsheet would; scripts/setup installs it");
}

void tst_RotatingRecord::parsesRotation_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("kind"); // -1: refused
    QTest::addColumn<qint64>("bytes");

    QTest::newRow("daily") << "daily" << int(RotationKind::Daily) << qint64(0);
    QTest::newRow("bytes") << "5000" << int(RotationKind::Size) << qint64(5000);
    QTest::newRow("kilobytes") << "20K" << int(RotationKind::Size) << qint64(20 * 1024);
    QTest::newRow("megabytes in lower case")
        << "100m" << int(RotationKind::Size) << qint64(100) * 1024 * 1024;
    QTest::newRow("gigabytes") << "2G" << int(RotationKind::Size) << (qint64(2) << 30);
    QTest::newRow("the largest") << "1024G" << int(RotationKind::Size) << (qint64(1) << 40);
    QTest::newRow("beyond the largest") << "1025G" << -1 << qint64(0);
    QTest::newRow("a number that overflows") << "9999999999999G" << -1 << qint64(0);
    QTest::newRow("zero") << "0" << -1 << qint64(0);
    QTest::newRow("zero with a suffix") << "0K" << -1 << qint64(0);
    QTest::newRow("negative") << "-5" << -1 << qint64(0);
    QTest::newRow("fraction") << "1.5M" << -1 << qint64(0);
    QTest::newRow("MB") << "100MB" << -1 << qint64(0);
    QTest::newRow("unknown suffix") << "10T" << -1 << qint64(0);
    QTest::newRow("a space") << " 20K" << -1 << qint64(0);
    QTest::newRow("empty") << "" << -1 << qint64(0);
    QTest::newRow("Daily capitalised") << "Daily" << -1 << qint64(0);
}

void tst_RotatingRecord::parsesRotation()
{
    QFETCH(QString, text);
    QFETCH(int, kind);
    QFETCH(qint64, bytes);

    const std::optional<RecordingRotation> rotation = parseRotation(text);
    QCOMPARE(rotation.has_value(), kind >= 0);
    if (!rotation)
        return;
    QCOMPARE(int(rotation->kind), kind);
    QCOMPARE(rotation->maxBytes, bytes);
    QCOMPARE(parseRotation(rotationText(*rotation)), rotation);
}

void tst_RotatingRecord::namesFiles_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("sequence");
    QTest::addColumn<QString>("expected");

    const int size = int(RotationKind::Size);
    const int daily = int(RotationKind::Daily);
    QTest::newRow("first by size") << "/d/zaznam.csv" << size << 1 << "/d/zaznam-0001.csv";
    QTest::newRow("second by size") << "/d/zaznam.csv" << size << 2 << "/d/zaznam-0002.csv";
    QTest::newRow("past 9999") << "/d/zaznam.csv" << size << 12345 << "/d/zaznam-12345.csv";
    QTest::newRow("daily") << "/d/zaznam.csv" << daily << 1 << "/d/zaznam-2026-12-08.csv";
    QTest::newRow("second of a day")
        << "/d/zaznam.csv" << daily << 2 << "/d/zaznam-2026-12-08-0002.csv";
    QTest::newRow("no extension") << "/d/zaznam" << size << 3 << "/d/zaznam-0003";
    QTest::newRow("a dot in the folder only") << "/d.v2/zaznam" << size << 1 << "/d.v2/zaznam-0001";
    QTest::newRow("two dots") << "/d/data.tar.csv" << daily << 1 << "/d/data.tar-2026-12-08.csv";
    QTest::newRow("a name that is its extension") << "/d/.csv" << size << 1 << "/d/.csv-0001";
    QTest::newRow("relative") << "zaznam.csv" << size << 1 << "zaznam-0001.csv";
}

void tst_RotatingRecord::namesFiles()
{
    QFETCH(QString, chosen);
    QFETCH(int, kind);
    QFETCH(int, sequence);
    QFETCH(QString, expected);

    QCOMPARE(rotatedFileName(chosen, RotationKind(kind), QDate(2026, 12, 8), sequence), expected);
}

void tst_RotatingRecord::skipsTakenNames()
{
    // A file, or only a sidecar left of one, takes its name.
    const QStringList taken{"/d/z-0001.csv", "/d/z-0002.csv.json", "/d/z-0004.csv"};
    const auto exists = [&taken](const QString &path) { return taken.contains(path); };
    const FreeFileName first = freeRotatedFileName("/d/z.csv", RotationKind::Size, {}, 1, exists);
    QCOMPARE(first.path, QStringLiteral("/d/z-0003.csv"));
    QCOMPARE(first.sequence, 3);
    QCOMPARE(freeRotatedFileName("/d/z.csv", RotationKind::Size, {}, 4, exists).path,
             QStringLiteral("/d/z-0005.csv"));
    const FreeFileName none = freeRotatedFileName("/d/z.csv", RotationKind::Size, {}, 1,
                                                  [](const QString &) { return true; });
    QVERIFY(none.path.isEmpty());
}

void tst_RotatingRecord::rotationMoments_data()
{
    QTest::addColumn<QString>("rotation");
    QTest::addColumn<qint64>("fileBytes");
    QTest::addColumn<bool>("hasRows");
    QTest::addColumn<qint64>("rowBytes");
    QTest::addColumn<QDate>("fileDate");
    QTest::addColumn<QDate>("today");
    QTest::addColumn<bool>("due");

    const QDate day(2026, 12, 8);
    QTest::newRow("never without rotation")
        << "" << qint64(1) << true << qint64(1) << day << day.addDays(5) << false;
    QTest::newRow("below the size")
        << "1000" << qint64(900) << true << qint64(100) << day << day << false;
    QTest::newRow("exactly at the size")
        << "1000" << qint64(900) << true << qint64(100) << day << day << false;
    QTest::newRow("one byte past the size")
        << "1000" << qint64(901) << true << qint64(100) << day << day << true;
    QTest::newRow("a reply larger than a file goes into an empty one")
        << "10" << qint64(38) << false << qint64(100) << day << day << false;
    QTest::newRow("the size rule ignores the date")
        << "1000" << qint64(10) << true << qint64(10) << day << day.addDays(1) << false;
    QTest::newRow("same day") << "daily" << qint64(1) << true << qint64(1) << day << day << false;
    QTest::newRow("after midnight")
        << "daily" << qint64(1) << true << qint64(1) << day << day.addDays(1) << true;
    QTest::newRow("clock put back over midnight")
        << "daily" << qint64(1) << true << qint64(1) << day << day.addDays(-1) << false;
    QTest::newRow("clock jumped days ahead")
        << "daily" << qint64(1) << true << qint64(1) << day << day.addDays(3) << true;
    QTest::newRow("the daily rule ignores the size")
        << "daily" << qint64(1) << true << (qint64(1) << 40) << day << day << false;
}

void tst_RotatingRecord::rotationMoments()
{
    QFETCH(QString, rotation);
    QFETCH(qint64, fileBytes);
    QFETCH(bool, hasRows);
    QFETCH(qint64, rowBytes);
    QFETCH(QDate, fileDate);
    QFETCH(QDate, today);
    QFETCH(bool, due);

    const RecordingRotation rule =
        rotation.isEmpty() ? RecordingRotation{} : *parseRotation(rotation);
    QCOMPARE(rotationDue(rule, {fileBytes, hasRows, fileDate}, rowBytes, today), due);
}

void tst_RotatingRecord::spreadsRowsOverFiles_data()
{
    QTest::addColumn<QString>("rotation");
    QTest::addColumn<Times>("times"); // of each append of two rows
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QList<int>>("rowsPerFile");

    const QDateTime morning = at("2026-12-08T10:00:00");
    // A header of 38 bytes and rows of 60: two appends of two rows fit 300.
    QTest::newRow("by size") << "300" << Times(5, morning)
                             << QStringList{"z-0001.csv", "z-0002.csv", "z-0003.csv"}
                             << QList<int>{4, 4, 2};
    QTest::newRow("at midnight") << "daily"
                                 << Times{at("2026-12-08T23:59:59.990"),
                                          at("2026-12-09T00:00:00.000"), at("2026-12-09T12:00:00")}
                                 << QStringList{"z-2026-12-08.csv", "z-2026-12-09.csv"}
                                 << QList<int>{2, 4};
    QTest::newRow("clock put back over midnight and forward again")
        << "daily"
        << Times{at("2026-12-09T00:00:05"), at("2026-12-08T23:59:58"), at("2026-12-09T00:00:01"),
                 at("2026-12-10T00:00:00")}
        << QStringList{"z-2026-12-09.csv", "z-2026-12-10.csv"} << QList<int>{6, 2};
    QTest::newRow("clock jumped two days")
        << "daily" << Times{at("2026-12-08T08:00:00"), at("2026-12-10T08:00:00")}
        << QStringList{"z-2026-12-08.csv", "z-2026-12-10.csv"} << QList<int>{2, 2};
}

// Every row lands in exactly one file, in order, each file with its header;
// the sidecars count the rows and link the files.
void tst_RotatingRecord::spreadsRowsOverFiles()
{
    QFETCH(QString, rotation);
    QFETCH(Times, times);
    QFETCH(QStringList, files);
    QFETCH(QList<int>, rowsPerFile);

    QTemporaryDir folder;
    QDateTime now = times.first();
    int number = 0;
    {
        RotatingRecord record(folder.filePath("z.csv"), settingsWith(*parseRotation(rotation)),
                              [&now] { return now; });
        for (const QDateTime &time : times) {
            now = time;
            QVERIFY(record.append(row(number + 1) + row(number + 2)));
            number += 2;
        }
    }
    QCOMPARE(csvFilesIn(folder.path()), files);
    QStringList values;
    for (qsizetype i = 0; i < files.size(); ++i) {
        const QString path = folder.filePath(files[i]);
        Rows rows = readWithPythonCsv(path);
        QCOMPARE(rows.takeFirst(), Header);
        QCOMPARE(rows.size(), rowsPerFile[i]);
        for (const QStringList &each : rows)
            values << each.value(2);
        const QJsonObject run = lastRun(path);
        QCOMPARE(run.value("rows").toInt(), rowsPerFile[i]);
        QCOMPARE(run.value("previous_file").toString(), i > 0 ? files[i - 1] : QString());
        QCOMPARE(run.value("next_file").toString(), files.value(i + 1));
        QVERIFY(!run.value("ended").isNull());
        if (rotation != "daily")
            QVERIFY(QFileInfo(path).size() <= rotation.toInt());
    }
    QStringList expected;
    for (int i = 1; i <= number; ++i)
        expected << QStringLiteral("%1").arg(i, 6, 10, QLatin1Char('0'));
    QCOMPARE(values, expected);
}

void tst_RotatingRecord::neverWritesToAnExistingFile()
{
    QTemporaryDir folder;
    const QByteArray earlier("earlier recording\r\n");
    for (const char *name : {"z-0001.csv", "z-0002.csv.json", "z.csv"}) {
        QFile file(folder.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(earlier) == earlier.size());
    }
    QVERIFY(QFile::link(folder.filePath("nowhere/x"), folder.filePath("z-0003.csv")));
    {
        RotatingRecord record(folder.filePath("z.csv"), settingsWith(*parseRotation("100")));
        QCOMPARE(record.path(), folder.filePath("z-0004.csv"));
        QVERIFY(record.append(row(1)) && record.append(row(2)));
        QCOMPARE(record.path(), folder.filePath("z-0005.csv"));
    }
    for (const char *name : {"z-0001.csv", "z-0002.csv.json", "z.csv"}) {
        QFile file(folder.filePath(name));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), earlier);
    }
    QVERIFY(!QFileInfo::exists(folder.filePath("nowhere/x")));
}

void tst_RotatingRecord::describesTheRun()
{
    QTemporaryDir folder;
    QDateTime now = at("2026-12-08T10:00:00");
    const QString path = folder.filePath("z.csv");
    {
        RotatingRecord record(path, settingsWith({}), [&now] { return now; });
        QCOMPARE(lastRun(path).value("ended"), QJsonValue());
        QVERIFY(record.append(row(1) + row(2)));
        now = now.addSecs(60);
        record.generatorChanged({40, 200});
        record.generatorChanged({40, 200}); // the same again is no change
        QCOMPARE(lastRun(path).value("generator_changes").toArray().size(), 1);
        QVERIFY(record.append(row(3)));
        now = now.addSecs(60);
    }
    const QJsonObject run = lastRun(path);
    QCOMPARE(run.value("program").toString(), QStringLiteral("zunov 9.9"));
    QCOMPARE(run.value("device_path").toString(), QStringLiteral("/dev/ttyUSB0"));
    QCOMPARE(run.value("device_name").toString(), QStringLiteral("COM1"));
    QCOMPARE(run.value("port").toInt(), 1);
    QCOMPARE(run.value("poll_period_ms").toInt(), 100);
    QCOMPARE(run.value("rotation").toString(), QStringLiteral("none"));
    QCOMPARE(run.value("generator").toObject(),
             (QJsonObject{{"waveform", "Sinus"}, {"waveform_code", 30}, {"value", 12}}));
    QCOMPARE(run.value("generator_changes").toArray(),
             (QJsonArray{QJsonObject{{"waveform", "Obdélník"},
                                     {"waveform_code", 40},
                                     {"value", 200},
                                     {"time", rowTime(at("2026-12-08T10:01:00"))}}}));
    QCOMPARE(run.value("time_zone").toString(), QString::fromUtf8(QTimeZone::systemTimeZoneId()));
    QCOMPARE(run.value("started").toString(), rowTime(at("2026-12-08T10:00:00")));
    QCOMPARE(run.value("run_started").toString(), rowTime(at("2026-12-08T10:00:00")));
    QCOMPARE(run.value("ended").toString(), rowTime(at("2026-12-08T10:02:00")));
    QCOMPARE(run.value("rows").toInt(), 3);
}

void tst_RotatingRecord::continuedFileKeepsEarlierRuns_data()
{
    QTest::addColumn<QByteArray>("sidecar"); // there before the second run; empty: ours
    QTest::addColumn<int>("runs");           // afterwards; 0: left alone

    QTest::newRow("our sidecar") << QByteArray() << 2;
    QTest::newRow("someone else's JSON") << QByteArray("{\"mine\": true}") << 0;
    QTest::newRow("not JSON") << QByteArray("notes") << 0;
}

void tst_RotatingRecord::continuedFileKeepsEarlierRuns()
{
    QFETCH(QByteArray, sidecar);
    QFETCH(int, runs);

    QTemporaryDir folder;
    const QString path = folder.filePath("z.csv");
    if (!sidecar.isEmpty()) {
        QFile file(sidecarPathOf(path));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(sidecar) == sidecar.size());
    }
    for (int run = 0; run < 2; ++run) {
        RotatingRecord record(path, settingsWith({}));
        QVERIFY(record.append(row(run)));
    }
    QFile file(sidecarPathOf(path));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray after = file.readAll();
    if (runs == 0)
        QCOMPARE(after, sidecar);
    else
        QCOMPARE(QJsonDocument::fromJson(after).object().value("runs").toArray().size(), runs);
    QCOMPARE(readWithPythonCsv(path).size(), 3);
}

void tst_RotatingRecord::failureNamesTheFile_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("rotation");
    QTest::addColumn<QString>("failed"); // the file path() names

    // A header and a row fill 98 bytes; the second row goes on at 150.
    QTest::newRow("current file removed") << "remove"
                                          << "1000"
                                          << "z-0001.csv";
    QTest::newRow("disk full in the current file") << "full"
                                                   << "1000"
                                                   << "z-0001.csv";
    QTest::newRow("folder gone at rotation") << "folder"
                                             << "150"
                                             << "z-0002.csv";
    QTest::newRow("disk full at rotation") << "full"
                                           << "150"
                                           << "z-0002.csv";
    QTest::newRow("disk full on the first day") << "full"
                                                << "daily"
                                                << "z-2026-12-08.csv";
}

void tst_RotatingRecord::failureNamesTheFile()
{
    QFETCH(QString, fault);
    QFETCH(QString, rotation);
    QFETCH(QString, failed);

    QTemporaryDir top;
    const QString folder = top.filePath("d");
    QVERIFY(QDir().mkdir(folder));
    const QDateTime now = at("2026-12-08T10:00:00");
    RotatingRecord record(folder + "/z.csv", settingsWith(*parseRotation(rotation)),
                          [&now] { return now; });
    QVERIFY(record.append(row(1)));
    if (fault == "remove") {
        QVERIFY(QFile::remove(folder + "/z-0001.csv"));
        QVERIFY(!record.append(row(2)));
    } else if (fault == "folder") {
        QVERIFY(QDir(folder).removeRecursively());
        QVERIFY(!record.append(row(2)));
    } else {
        // A file size limit fails the write as a full disk does.
        rlimit saved{};
        QVERIFY(::getrlimit(RLIMIT_FSIZE, &saved) == 0);
        const auto savedSignal = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = saved;
        small.rlim_cur = 50;
        QVERIFY(::setrlimit(RLIMIT_FSIZE, &small) == 0);
        const bool appended = record.append(row(2));
        ::setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, savedSignal);
        QVERIFY(!appended);
    }
    QCOMPARE(record.path(), folder + "/" + failed);
    QVERIFY(!record.isOpen());
    QVERIFY(!record.append(row(3)));
    // What a full disk took of a row is not left behind.
    for (const QString &name : csvFilesIn(folder)) {
        for (const QStringList &each : readWithPythonCsv(folder + "/" + name))
            QCOMPARE(each.size(), Header.size());
    }
}

QTEST_GUILESS_MAIN(tst_RotatingRecord)
#include "tst_rotatingrecord.moc"
