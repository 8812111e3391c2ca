// Cost of one ordinary Update (scroll, one strip, one segment) against a full
// Replay, on the two graph sizes the program uses. The scroll copies the
// picture back within its backing image only once every W / step updates; the
// many iterations average that copy in. The widget is never shown,
// so the on-screen repaint drops out and only the picture work is measured.
#include "measure/tperformancegraph.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

constexpr int kRed = 0x0000FF;
constexpr int kGradient = 255;

// Filled with a full ring of non-zero points, so the scale stays at 255 and
// every Update takes the ordinary path. Returns false, after telling the
// harness, when the ring is not full after all.
bool prepare(TPerformanceGraph &graph, benchmark::State &state)
{
    graph.resize(int(state.range(0)), int(state.range(1)));
    graph.SetStepSize(int(state.range(2)));
    graph.SetGradient(kGradient);
    for (int i = 0; i <= graph.historySize(); ++i) {
        graph.DataPoint(kRed, 1 + i % kGradient);
        graph.Update();
    }
    // Every band but the open one holds a point.
    for (int y = 0; y < graph.historySize(); ++y) {
        if (graph.band(y).Count != (y == graph.currentY() ? 0 : 1)) {
            state.SkipWithError("the ring is not full");
            return false;
        }
    }
    return true;
}

void BM_Update(benchmark::State &state)
{
    TPerformanceGraph graph;
    if (!prepare(graph, state))
        return;
    // A scale change would redraw everything and measure the wrong path.
    int redraws = 0;
    QObject::connect(&graph, &TPerformanceGraph::OnScaleChange, [&redraws] { ++redraws; });
    int value = 1;
    for (auto _ : state) {
        graph.DataPoint(kRed, value);
        graph.Update();
        value = value % kGradient + 1;
    }
    if (redraws != 0)
        state.SkipWithError("an Update changed the scale and redrew the picture");
    benchmark::DoNotOptimize(graph.picture().constBits());
}

void BM_Replay(benchmark::State &state)
{
    TPerformanceGraph graph;
    if (!prepare(graph, state))
        return;
    for (auto _ : state)
        graph.Replay();
    benchmark::DoNotOptimize(graph.picture().constBits());
}

// width, height, step: the graph window's graphs and the main window's graph.
void sizes(benchmark::internal::Benchmark *b)
{
    b->ArgNames({"w", "h", "step"});
    b->Args({361, 257, 5});
    b->Args({161, 100, 3});
}

} // namespace

BENCHMARK(BM_Update)->Apply(sizes)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Replay)->Apply(sizes)->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
