// What recording costs per reply on the window's thread: the rows made from
// the readings and handed to the file, as TT_ZUNOV::recordReply does, once
// through the plain file of earlier versions and once through each rotation
// (none, by size, daily). Wall-clock and thread CPU time per reply, over
// replies cycling through every kind, into files in a temporary folder on
// the disk the folder lies on (the first argument, else /tmp).
#include "measure/replyinterpreter.h"
#include "record/csvrows.h"
#include "record/recordfile.h"
#include "record/rotatingrecord.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>
#include <ctime>
#include <functional>

namespace {

constexpr int Replies = 200'000;

double threadCpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

const std::vector<Frame> ReplyFrames{
    {99, 97, 123, 45}, {102, 205, 0, 250}, {101, 1, 2, 3}, {103, 0, 0, 150}, {98, 96, 7, 200}};

void measure(const char *name, const std::function<bool(const QByteArray &)> &append)
{
    std::vector<std::vector<Reading>> readings;
    for (const Frame &frame : ReplyFrames)
        readings.push_back(interpretReply(frame).readings);
    const double cpuStart = threadCpuSeconds();
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < Replies; ++i) {
        const size_t kind = size_t(i) % ReplyFrames.size();
        const QDateTime now = QDateTime::currentDateTime();
        if (!append(csvRows(readings[kind], ReplyFrames[kind], now))) {
            std::printf("%s: the write failed\n", name);
            return;
        }
    }
    const double wall = double(clock.nsecsElapsed()) / 1e9;
    const double cpu = threadCpuSeconds() - cpuStart;
    std::printf("%-28s %6.1f us wall, %6.1f us CPU per reply\n", name, wall / Replies * 1e6,
                cpu / Replies * 1e6);
}

RunSettings settingsWith(const RecordingRotation &rotation)
{
    return {QStringLiteral("bench"),
            QStringLiteral("/dev/null"),
            QStringLiteral("COM1"),
            1,
            10,
            GeneratorSetting{30, 100},
            rotation};
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QString base = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/tmp");
    QTemporaryDir folder(base + QStringLiteral("/bench-recording-XXXXXX"));
    if (!folder.isValid())
        return 1;
    {
        RecordFile file(folder.filePath(QStringLiteral("plain.csv")));
        measure("plain file (earlier)", [&](const QByteArray &rows) { return file.append(rows); });
    }
    const struct
    {
        const char *name;
        const char *rotation;
    } cases[] = {{"no rotation", nullptr},
                 {"rotation at 100M", "100M"},
                 {"rotation at 1M (~28 files)", "1M"},
                 {"daily rotation", "daily"}};
    for (const auto &each : cases) {
        const RecordingRotation rotation = each.rotation
                                               ? *parseRotation(QString::fromLatin1(each.rotation))
                                               : RecordingRotation{};
        RotatingRecord record(folder.filePath(QString::fromLatin1(each.name).left(5) + ".csv"),
                              settingsWith(rotation));
        measure(each.name, [&](const QByteArray &rows) { return record.append(rows); });
    }
    return 0;
}
