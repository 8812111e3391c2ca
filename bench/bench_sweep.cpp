// How long a sweep takes beyond the waits its settings ask for, and how long
// the program's GUI thread is held while one runs.
//
// Overhead: a whole SweepRun on an instrument session of its own against the
// emulator in this process (bench model on, linked as COM1 in a temporary
// folder), timed from start() to ended(). The yardstick is plain arithmetic
// from the settings: steps × (settle + readings × period). A step really
// waits less than that, since the step ends with the last poll's reply and
// no period follows it, so the table also gives the least a step can take
// by its waits alone, steps × (settle + (readings − 1) × period), and how far
// above that the run came per step: the exchanges that nothing overlaps (the
// upload and the last poll) and however late the waits ended. Settle 0 and period
// 0 give the floor, the bare exchanges; the emulator's byte delay stands in
// for a USB adapter's latency timer.
//
// Stall: the program's windows (main window and sweep window shown, on the
// offscreen platform) against the emulator, the sweep started with the
// sweep window's Start button; a 1 ms precise timer on the GUI thread, each
// tick's lateness being the time since the previous one less the 1 ms, from
// just before the click until a little after the sweep has ended.
//
// docs/performance.md ("Sweeps") has the figures.
#include "analysis/sweeprun.h"
#include "dialogs/sweepwindow.h"
#include "emulator.h"
#include "link/instrumentsession.h"
#include "support/programfixture.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

constexpr double CornerHz = 20;
constexpr int Steps = 32;
// Each step's exchanges: its upload and then its polls.
constexpr int UploadsPerStep = 1;
constexpr qint64 TickNs = 1'000'000;
// Fonts and the first layout of freshly shown windows come once per program
// and have nothing to do with the sweep.
constexpr int FirstPaintMs = 500;
// The click comes this long into the measurement, so that the start of the
// sweep is measured as well.
constexpr int ClickAfterMs = 50;
// The last step's plot and paint, after the run has said it ended.
constexpr int TailMs = 100;
// Far beyond any case; a run that takes this long is broken.
constexpr int RunLimitMs = 120'000;

[[noreturn]] void fail(const char *what)
{
    std::fprintf(stderr, "bench_sweep: %s\n", what);
    std::exit(1);
}

struct OverheadCase
{
    const char *name;
    int settleMs;
    int readings;
    int periodMs;
    int byteDelayMs;
};

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

SweepSettings settingsOf(int settleMs, int readings, int periodMs)
{
    SweepSettings settings;
    settings.from = 0;
    settings.to = 255;
    settings.steps = Steps;
    settings.logSpacing = false;
    settings.settleMs = settleMs;
    settings.readings = readings;
    settings.periodMs = periodMs;
    return settings;
}

// One whole sweep, from start() to ended(), in milliseconds.
double timeOneSweep(const OverheadCase &c)
{
    QTemporaryDir folder;
    if (!folder.isValid())
        fail("cannot make a working folder");
    zunovsim::Emulator instrument;
    instrument.setBench(CornerHz);
    zunovsim::Faults faults;
    faults.byteDelay = std::chrono::milliseconds(c.byteDelayMs);
    instrument.setFaults(faults);
    instrument.setLink(folder.path().toStdString(), 1);
    instrument.start();

    double ms = 0;
    {
        InstrumentSession session(1, folder.path());
        SweepRun run(session, settingsOf(c.settleMs, c.readings, c.periodMs));
        if (run.values().size() != size_t(Steps))
            fail("the sweep does not have the planned number of steps");
        QElapsedTimer clock;
        bool ended = false;
        QEventLoop loop;
        QObject::connect(&run, &SweepRun::ended, &loop, [&] {
            ms = double(clock.nsecsElapsed()) / 1e6;
            ended = true;
            loop.quit();
        });
        QTimer::singleShot(RunLimitMs, &loop, &QEventLoop::quit);
        // Started from inside the loop, as a click would start it.
        QTimer::singleShot(0, &loop, [&] {
            clock.start();
            run.start();
        });
        loop.exec();
        if (!ended || run.state() != SweepRun::State::Finished
            || run.steps().size() != size_t(Steps))
            fail("a sweep did not finish");
        for (const SweepStep &step : run.steps()) {
            if (step.of(Quantity::U1).count() + step.of(Quantity::U2).count()
                    + step.of(Quantity::Frequency).count() + step.of(Quantity::Resistance).count()
                    + step.of(Quantity::Current).count()
                == 0)
                fail("a step has no readings");
        }
    }
    instrument.stop();
    return ms;
}

void measureOverhead(const OverheadCase &c, int runs)
{
    std::vector<double> times;
    for (int run = 0; run < runs; ++run)
        times.push_back(timeOneSweep(c));

    // Worked out here from the settings by hand, not asked of the sweep.
    const double yardstickMs = double(Steps) * (c.settleMs + c.readings * c.periodMs);
    const double waitsMs = double(Steps) * (c.settleMs + (c.readings - 1) * c.periodMs);
    const double exchanges = double(Steps) * (UploadsPerStep + c.readings);
    const double mid = median(times);

    std::printf("| %s | %d | %d × %d | %d | ", c.name, c.settleMs, c.readings, c.periodMs,
                c.byteDelayMs);
    for (size_t i = 0; i < times.size(); ++i)
        std::printf("%s%.0f", i ? ", " : "", times[i]);
    std::printf(" | %.0f | ", mid);
    if (yardstickMs > 0)
        std::printf("%.0f | %.3f | ", yardstickMs, mid / yardstickMs);
    else
        std::printf("— | — | ");
    std::printf("%.2f | ", (mid - waitsMs) / Steps);
    // With no waits at all, the run is its exchanges one after another.
    if (yardstickMs > 0)
        std::printf("— |\n");
    else
        std::printf("%.3f |\n", mid / exchanges);
    std::fflush(stdout);
}

// The lateness of every tick of a 1 ms precise timer on the GUI thread while
// the loop runs.
class TickMeter
{
public:
    TickMeter()
    {
        m_tick.setTimerType(Qt::PreciseTimer);
        QObject::connect(&m_tick, &QTimer::timeout, &m_tick, [this] { ticked(); });
    }

    void start()
    {
        m_latenessMs.clear();
        m_clock.start();
        m_lastTick = 0;
        m_tick.start(1);
    }

    void stop()
    {
        // A tick held up past the end counts as well.
        ticked();
        m_tick.stop();
    }

    std::vector<double> latenessMs() const { return m_latenessMs; }

private:
    void ticked()
    {
        const qint64 now = m_clock.nsecsElapsed();
        m_latenessMs.push_back(std::max(0.0, double(now - m_lastTick - TickNs) / 1e6));
        m_lastTick = now;
    }

    QTimer m_tick;
    QElapsedTimer m_clock;
    qint64 m_lastTick = 0;
    std::vector<double> m_latenessMs;
};

struct StallFigures
{
    double worstMs = 0;
    double p99Ms = 0;
    size_t ticks = 0;
    double sweepMs = 0;
};

StallFigures measureStall(int settleMs, int readings, int periodMs, int byteDelayMs)
{
    ProgramFixture program({QByteArray("[NASTAVENI]\nPort=1\nTSER=20\n"), true, "help"});
    program.instrument().setBench(CornerHz);
    zunovsim::Faults faults;
    faults.byteDelay = std::chrono::milliseconds(byteDelayMs);
    program.instrument().setFaults(faults);
    program.start();
    TT_ZUNOV *main = program.window();
    SweepWindow *window = program.sweepWindow();
    // Polling, as after a handshake; the sweep takes it over.
    main->Timer2->setEnabled(true);
    main->show();
    window->show();
    const SweepSettings settings = settingsOf(settleMs, readings, periodMs);
    window->showSettings(settings);
    const SweepSettings shown = window->shownSettings();
    if (shown.settleMs != settleMs || shown.readings != readings || shown.periodMs != periodMs
        || shown.steps != Steps)
        fail("the sweep window does not take the settings");
    {
        QEventLoop settle;
        QTimer::singleShot(FirstPaintMs, &settle, &QEventLoop::quit);
        settle.exec();
    }

    auto *startButton = ProgramFixture::control<QPushButton>(window, "Start");
    TickMeter meter;
    QElapsedTimer sweepClock;
    StallFigures figures;
    bool ended = false;
    {
        QEventLoop loop;
        QObject::connect(window, &SweepWindow::sweepRunning, &loop, [&](bool running) {
            if (running)
                return;
            figures.sweepMs = double(sweepClock.nsecsElapsed()) / 1e6;
            ended = true;
            // The last step's plot and paint come after the end.
            QTimer::singleShot(TailMs, &loop, &QEventLoop::quit);
        });
        QTimer::singleShot(ClickAfterMs, &loop, [&] {
            sweepClock.start();
            startButton->click();
        });
        QTimer::singleShot(RunLimitMs, &loop, &QEventLoop::quit);
        meter.start();
        loop.exec();
        meter.stop();
    }
    const SweepRun *run = window->run();
    if (!ended || !run || run->state() != SweepRun::State::Finished
        || run->steps().size() != size_t(Steps))
        fail("the sweep from the window did not finish");

    std::vector<double> lateness = meter.latenessMs();
    std::sort(lateness.begin(), lateness.end());
    figures.ticks = lateness.size();
    figures.worstMs = lateness.back();
    const size_t p99 = size_t(std::ceil(0.99 * double(lateness.size()))) - 1;
    figures.p99Ms = lateness[std::min(p99, lateness.size() - 1)];
    return figures;
}

void reportStall(int settleMs, int readings, int periodMs, int byteDelayMs, int runs)
{
    std::vector<double> worst;
    for (int run = 0; run < runs; ++run) {
        const StallFigures f = measureStall(settleMs, readings, periodMs, byteDelayMs);
        worst.push_back(f.worstMs);
        std::printf("| %d | %d × %d | %d | %d | %.0f | %zu | %.2f | %.2f |\n", settleMs, readings,
                    periodMs, byteDelayMs, run + 1, f.sweepMs, f.ticks, f.p99Ms, f.worstMs);
        std::fflush(stdout);
    }
    std::printf("| | | | worst of all | | | | %.2f |\n",
                *std::max_element(worst.begin(), worst.end()));
}

int runsFrom(int argc, char *argv[])
{
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--runs") == 0) {
            const int runs = std::atoi(argv[i + 1]);
            if (runs < 1)
                fail("--runs needs a number of at least 1");
            return runs;
        }
    }
    return 3;
}

} // namespace

int main(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int runs = runsFrom(argc, argv);

    std::printf("Qt %s, platform %s; %d steps a sweep, %d runs a case\n\n", qVersion(),
                qPrintable(QGuiApplication::platformName()), Steps, runs);

    std::printf("Overhead: SweepRun against the emulator in-process, start() to ended()\n\n"
                "| case | settle ms | readings × period ms | byte delay ms | runs ms "
                "| median ms | yardstick ms | median ÷ yardstick | ms per step above the waits "
                "| ms per exchange |\n"
                "|---|---|---|---|---|---|---|---|---|---|\n");
    std::fflush(stdout);
    // A USB adapter's latency timer is 16 ms unless someone lowers it; at
    // 2 ms it costs a sweep little, at 16 ms a poll outlasts a 20 ms period.
    const OverheadCase cases[] = {
        {"target", 200, 5, 20, 0},
        {"target, adapter", 200, 5, 20, 2},
        {"target, slow adapter", 200, 5, 20, 16},
        {"floor", 0, 5, 0, 0},
        {"floor, adapter", 0, 5, 0, 2},
    };
    for (const OverheadCase &c : cases)
        measureOverhead(c, runs);

    std::printf("\nStall: the windows, sweep started with Start, 1 ms precise timer on the GUI "
                "thread\n\n"
                "| settle ms | readings × period ms | byte delay ms | run | sweep ms | ticks "
                "| p99 lateness ms | worst lateness ms |\n"
                "|---|---|---|---|---|---|---|---|\n");
    std::fflush(stdout);
    reportStall(50, 5, 20, 0, runs);
    reportStall(50, 5, 20, 2, runs);
    return 0;
}
