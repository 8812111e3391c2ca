// A day of recording at 100 polls a second, sped up: 8.6 million synthetic
// rows through the real RotatingRecord with a new file every 100 MB, into a
// temporary folder (the first argument, else /tmp). Then every file is read
// back by Python's csv module, which shares nothing with our writer: each
// row must have the six columns, the rows of all files together must be the
// rows written, and each sidecar must count its own file's rows. The
// resident memory is sampled as the run goes, to show it does not grow.
// Exit status 1 when anything does not add up.
#include "measure/replyinterpreter.h"
#include "record/csvrows.h"
#include "record/rotatingrecord.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>

namespace {

constexpr qint64 RowsOfADay = 8'600'000;
constexpr qint64 SampleEveryRows = 1'000'000;

// kB of a line of /proc/self/status: VmRSS now, VmHWM the peak so far.
long statusKb(const char *key)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(key))
            return line.mid(qstrlen(key)).trimmed().split(' ').first().toLong();
    }
    return -1;
}

const char *const Checker = R"(
import csv, glob, json, os, sys
total = 0
bad = 0
for path in sorted(glob.glob(os.path.join(sys.argv[1], '*.csv'))):
    with open(path, newline='', encoding='utf-8') as f:
        reader = csv.reader(f)
        if next(reader) != ['time', 'quantity', 'value', 'unit', 'display', 'raw']:
            bad += 1
        rows = 0
        for row in reader:
            rows += 1
            if len(row) != 6:
                bad += 1
    with open(path + '.json', encoding='utf-8') as f:
        run = json.load(f)['runs'][-1]
    if run['rows'] != rows or run['ended'] is None:
        bad += 1
    total += rows
print(len(glob.glob(os.path.join(sys.argv[1], '*.csv'))), total, bad)
)";

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QString base = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/tmp");
    QTemporaryDir folder(base + QStringLiteral("/bench-recordingday-XXXXXX"));
    if (!folder.isValid())
        return 1;
    const std::vector<Frame> frames{
        {99, 97, 123, 45}, {102, 205, 0, 250}, {101, 1, 2, 3}, {103, 0, 0, 150}, {98, 96, 7, 200}};
    std::vector<std::vector<Reading>> readings;
    for (const Frame &frame : frames)
        readings.push_back(interpretReply(frame).readings);

    // The day runs on its own clock, 10 ms a reply, from one midnight on.
    QDateTime now(QDate(2026, 12, 8), QTime(0, 0));
    const RunSettings settings{QStringLiteral("bench"),
                               QStringLiteral("/dev/null"),
                               QStringLiteral("COM1"),
                               1,
                               10,
                               GeneratorSetting{30, 100},
                               *parseRotation(QStringLiteral("100M"))};
    qint64 written = 0;
    QElapsedTimer clock;
    clock.start();
    {
        RotatingRecord record(folder.filePath(QStringLiteral("zaznam.csv")), settings,
                              [&now] { return now; });
        qint64 nextSample = 0;
        for (size_t reply = 0; written < RowsOfADay; ++reply) {
            const size_t kind = reply % frames.size();
            const QByteArray rows = csvRows(readings[kind], frames[kind], now);
            if (!record.append(rows)) {
                std::printf("write failed in %s\n", qPrintable(record.path()));
                return 1;
            }
            written += rows.count('\n');
            now = now.addMSecs(10);
            if (written >= nextSample) {
                std::printf("%9lld rows  %6.1f s  VmRSS %6ld kB  VmHWM %6ld kB\n", written,
                            clock.elapsed() / 1000.0, statusKb("VmRSS:"), statusKb("VmHWM:"));
                std::fflush(stdout);
                nextSample += SampleEveryRows;
            }
        }
    }
    std::printf("written: %lld rows in %.1f s; peak VmHWM %ld kB\n", written,
                clock.elapsed() / 1000.0, statusKb("VmHWM:"));
    QProcess python;
    python.start(QStringLiteral("python3"),
                 {QStringLiteral("-c"), QString::fromLatin1(Checker), folder.path()});
    if (!python.waitForFinished(-1) || python.exitCode() != 0) {
        std::printf("python3 could not read the files:\n%s\n",
                    python.readAllStandardError().constData());
        return 1;
    }
    const QList<QByteArray> figures = python.readAllStandardOutput().trimmed().split(' ');
    const qint64 read = figures.value(1).toLongLong();
    const qint64 bad = figures.value(2).toLongLong();
    std::printf("read back: %s files, %lld rows, %lld problems\n", figures.value(0).constData(),
                read, bad);
    qint64 largest = 0;
    for (const QFileInfo &file : QDir(folder.path()).entryInfoList({QStringLiteral("*.csv")}))
        largest = std::max(largest, file.size());
    std::printf("largest file: %lld bytes\n", largest);
    return read == written && bad == 0 ? 0 : 1;
}
