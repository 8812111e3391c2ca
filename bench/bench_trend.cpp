// The trend window with a day of readings behind it: a synthetic 24-hour
// session at a 10 ms poll period (8.64 million readings of each of the five
// quantities) in the history, all of the program's windows created as at
// start-up, then the first opening of the trend window and redraws after
// zooming and panning, each timed to the end of its paint. Prints the
// figures and the process's peak resident memory.
#include "analysis/readinghistory.h"
#include "app/appwindows.h"
#include "dialogs/trendwindow.h"
#include "platform/messages.h"

#include <QApplication>
#include <QChartView>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

constexpr qint64 PeriodMs = 10;
constexpr qint64 DayMs = 24 * 3600 * 1000;
constexpr int Redraws = 40;

long peakResidentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').front().toLong();
    }
    return -1;
}

// Slow waves with noise, so that every pixel column has a real spread.
void fillDay(ReadingHistory &history, qint64 startMs)
{
    uint32_t noise = 12345;
    for (qint64 timeMs = startMs; timeMs < startMs + DayMs; timeMs += PeriodMs) {
        noise = noise * 1664525u + 1013904223u;
        const double wave = std::sin(double(timeMs - startMs) / 3.6e6);
        const double jitter = double(noise >> 24) / 255.0;
        const Frame reply{'c', 'a', uint8_t(noise >> 8), uint8_t(noise >> 16)};
        history.add({Quantity::U1, 12 + 3 * wave + jitter, {}}, reply, timeMs);
        history.add({Quantity::U2, 5 + wave + jitter, {}}, reply, timeMs);
        history.add({Quantity::Resistance, 4700 + 100 * wave, {}}, reply, timeMs);
        history.add({Quantity::Frequency, 1000 + 10 * wave + jitter, {}}, reply, timeMs);
        history.add({Quantity::Current, 0.5 + 0.1 * wave, {}}, reply, timeMs);
    }
}

// Draws the window's plot now and returns how long the change and the
// drawing took together.
template<class Change>
double timedRedraw(TrendWindow &window, Change change)
{
    auto *view = window.findChild<QChartView *>(QStringLiteral("Plot"));
    QElapsedTimer timer;
    timer.start();
    change();
    view->viewport()->repaint();
    return double(timer.nsecsElapsed()) / 1e6;
}

void report(const char *what, std::vector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    std::printf("  %-32s median %6.2f ms   worst %6.2f ms   (%zu redraws)\n", what,
                ms[ms.size() / 2], ms.back(), ms.size());
}

void measureWindow(const ReadingHistory &history, qint64 startMs, QSize size)
{
    TrendWindow window(history);
    window.resize(size);
    auto *view = window.findChild<QChartView *>(QStringLiteral("Plot"));
    QElapsedTimer openTimer;
    openTimer.start();
    window.show();
    view->viewport()->repaint();
    std::printf("window %dx%d, plot %d px wide\n", size.width(), size.height(),
                int(view->chart()->plotArea().width()));
    std::printf("  %-32s %6.2f ms\n", "first open, whole day drawn",
                double(openTimer.nsecsElapsed()) / 1e6);
    QApplication::processEvents();

    std::vector<double> zoomIn, zoomOut, pan, wholeDay;
    const qint64 endMs = startMs + DayMs;
    for (int round = 0; round < Redraws; ++round) {
        // In towards a minute around noon, out again, and along the day.
        const qint64 centre = startMs + DayMs / 2 + round * 60'000;
        zoomIn.push_back(
            timedRedraw(window, [&] { window.setTimeRange(centre - 30'000, centre + 30'000); }));
        zoomOut.push_back(timedRedraw(
            window, [&] { window.setTimeRange(centre - 6 * 3'600'000, centre + 6 * 3'600'000); }));
        pan.push_back(timedRedraw(window, [&] {
            window.setTimeRange(startMs + round * 1'800'000,
                                startMs + round * 1'800'000 + 3'600'000);
        }));
        wholeDay.push_back(timedRedraw(window, [&] { window.setTimeRange(startMs, endMs); }));
    }
    report("zoom in to one minute", zoomIn);
    report("zoom out to twelve hours", zoomOut);
    report("pan an hour along the day", pan);
    report("the whole day", wholeDay);
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    setMessageSink([](MessageKind, const QString &) {});
    QTemporaryDir folder;
    QDir::setCurrent(folder.path());

    // Every window of the program, as at start-up.
    AppWindows windows;
    ReadingHistory history;
    const qint64 startMs = QDateTime::currentMSecsSinceEpoch() - DayMs;
    QElapsedTimer fillTimer;
    fillTimer.start();
    fillDay(history, startMs);
    std::printf("filled 24 h x 5 quantities in %.1f s; the store holds %.1f MB\n",
                double(fillTimer.elapsed()) / 1000.0,
                double([&history] {
                    qint64 bytes = 0;
                    for (Quantity quantity : AllQuantities)
                        bytes += history.of(quantity).memoryBytes();
                    return bytes;
                }()) / 1e6);

    // The window's own size, and one as large as a full-HD screen allows.
    for (const QSize size : {QSize(900, 520), QSize(1800, 950)})
        measureWindow(history, startMs, size);
    std::printf("peak resident memory of the process: %.1f MB\n",
                double(peakResidentKb()) / 1024.0);
    return 0;
}
