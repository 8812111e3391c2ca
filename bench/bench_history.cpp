// The session history behind the trend window: what keeping a reading costs,
// what a day at the fastest polling takes in memory, and how long the
// columns of one redraw take at different zooms.
#include "analysis/readinghistory.h"

#include <QFile>
#include <benchmark/benchmark.h>

namespace {

const qint64 SessionStartMs = 1'700'000'000'000;
const qint64 PollMs = 10;
const qint64 DayMs = 24 * 3600 * 1000;
const int Columns = 1500;

// A slow sawtooth with a little noise, different for each quantity, cheap
// enough not to hide the cost of keeping it.
double syntheticValue(qint64 tick, Quantity quantity)
{
    const uint32_t noise = uint32_t(tick * 2654435761u) >> 20;
    return 10.0 * double(quantity) + double(tick % 60'000) * 1e-4 + double(noise) * 1e-5;
}

void fillDay(ReadingHistory &history)
{
    const Frame reply{0x42, 0x17, 0x80, 0x03};
    for (qint64 tick = 0; tick < DayMs / PollMs; ++tick)
        for (Quantity quantity : AllQuantities)
            history.add({quantity, syntheticValue(tick, quantity), {}}, reply,
                        SessionStartMs + tick * PollMs);
}

double peakResidentMegabytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').front().toDouble() / 1024;
    return 0;
}

void BM_AddReading(benchmark::State &state)
{
    ReadingHistory history;
    const Frame reply{0x42, 0x17, 0x80, 0x03};
    qint64 tick = 0;
    for (auto _ : state) {
        const auto quantity = Quantity(tick % qint64(AllQuantities.size()));
        history.add({quantity, syntheticValue(tick, quantity), {}}, reply,
                    SessionStartMs + tick * 2);
        ++tick;
    }
    benchmark::DoNotOptimize(history.of(Quantity::U1).pointCount());
}
BENCHMARK(BM_AddReading);

void BM_FillDay(benchmark::State &state)
{
    for (auto _ : state) {
        ReadingHistory history;
        fillDay(history);
        qint64 bytes = 0;
        for (Quantity quantity : AllQuantities)
            bytes += history.of(quantity).memoryBytes();
        state.counters["store_MB"] = double(bytes) / (1024 * 1024);
        state.counters["peak_RSS_MB"] = peakResidentMegabytes();
    }
}
BENCHMARK(BM_FillDay)->Iterations(1)->Unit(benchmark::kMillisecond);

const ReadingHistory &filledDay()
{
    static const ReadingHistory history = [] {
        ReadingHistory filled;
        fillDay(filled);
        return filled;
    }();
    return history;
}

enum class View { WholeSession, LastHour, OldMinute, BoundaryMinute };

void BM_Decimate(benchmark::State &state, View view)
{
    const QuantityHistory &history = filledDay().of(Quantity::U1);
    const qint64 lastMs = history.lastTimeMs();
    const qint64 boundaryMs = history.point(0).timeMs;
    qint64 fromMs = history.firstTimeMs();
    qint64 toMs = lastMs;
    if (view == View::LastHour) {
        fromMs = lastMs - 3600 * 1000;
    } else if (view == View::OldMinute) {
        fromMs = SessionStartMs + DayMs / 2;
        toMs = fromMs + 60'000;
    } else if (view == View::BoundaryMinute) {
        fromMs = boundaryMs - 30'000;
        toMs = boundaryMs + 30'000;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(history.decimate(fromMs, toMs, Columns));
}
BENCHMARK_CAPTURE(BM_Decimate, whole_session, View::WholeSession)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Decimate, last_hour, View::LastHour)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Decimate, old_minute, View::OldMinute)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Decimate, boundary_minute, View::BoundaryMinute)
    ->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
