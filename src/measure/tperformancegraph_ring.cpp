// The graph's history: a ring of bands, one per time step, oldest first from
// FirstY(), the open band last.
#include "measure/tperformancegraph.h"

int TPerformanceGraph::ShiftY()
{
    const int c = FCurrentY + 1 < FHistorySize ? FCurrentY + 1 : 0;
    FHistory[size_t(c)].Count = 0;
    FFirstY = c + 1 < FHistorySize ? c + 1 : 0;
    FCurrentY = c;
    return c;
}

int TPerformanceGraph::NextY(int y) const
{
    const int next = y + 1 < FHistorySize ? y + 1 : 0;
    return next == FFirstY ? -1 : next;
}

int TPerformanceGraph::LastY(int y) const
{
    return y == 0 ? FHistorySize - 1 : y - 1;
}

int TPerformanceGraph::GetBandCount() const
{
    return width() / FStepSize;
}

void TPerformanceGraph::ReallocHistory()
{
    const int n = GetBandCount() + 2;
    std::vector<THistoryBand> ring(size_t(n), THistoryBand{});
    int y = FirstY();
    // A smaller ring keeps the newest bands, the open one included.
    for (int skip = FHistorySize - n; skip > 0; --skip)
        y = NextY(y);
    int copied = 0;
    for (; y != -1 && copied < n; y = NextY(y))
        ring[size_t(copied++)] = FHistory[size_t(y)];
    FHistory = std::move(ring);
    FHistorySize = n;
    FCurrentY = copied - 1;
    FFirstY = 0;
}
