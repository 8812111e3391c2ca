// Cost of adding one reading to the statistics of the five quantities, as
// the main window and zunov-cli do for every reading of a reply.
#include "analysis/statistics.h"

#include <benchmark/benchmark.h>
#include <vector>

namespace {

void BM_AddReading(benchmark::State &state)
{
    // A reply's worth of each kind, cycled as the instrument sends them.
    const std::vector<Reading> readings{
        {Quantity::U1, 12.3, QStringLiteral("12.3 V")},
        {Quantity::U2, 4.5, QStringLiteral("04.5 V")},
        {Quantity::Resistance, 4700, QStringLiteral("470 0 ohm")},
        {Quantity::Frequency, 1021, QStringLiteral("1021.000000Hz")},
        {Quantity::Current, 0.82, QStringLiteral("0.82A")},
    };
    ReadingStatistics statistics;
    qint64 timeMs = 0;
    size_t next = 0;
    for (auto _ : state) {
        statistics.add(readings[next], ++timeMs);
        next = next + 1 == readings.size() ? 0 : next + 1;
    }
    benchmark::DoNotOptimize(statistics.of(Quantity::U1).mean());
}
BENCHMARK(BM_AddReading);

} // namespace

BENCHMARK_MAIN();
