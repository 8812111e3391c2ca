// The graph's property setters. Each acts only when the value passed differs
// from the stored one (compared before any clamping) and then redraws the
// whole picture from the ring.
#include "measure/tperformancegraph.h"

#include <algorithm>

namespace {

// These keep every division by the grid or the step away from zero.
constexpr int MinGridSize = 2;
constexpr int MinStepSize = 1;

} // namespace

void TPerformanceGraph::SetGraphKind(TGraphKind value)
{
    storeAndReplay(FKind, value);
}

void TPerformanceGraph::SetForeColor(int value)
{
    storeAndReplay(FForeColor, value);
}

void TPerformanceGraph::SetBackColor(int value)
{
    storeAndReplay(FBackColor, value);
}

void TPerformanceGraph::SetGridSize(int value)
{
    if (value == FGridSize)
        return;
    FGridSize = std::max(value, MinGridSize);
    Replay();
}

void TPerformanceGraph::SetStepSize(int value)
{
    if (value == FStepSize)
        return;
    FStepSize = std::max(value, MinStepSize);
    ReallocHistory();
    Replay();
}

void TPerformanceGraph::SetScale(int value)
{
    if (value == FScale)
        return;
    FScale = RoundUp(value, FGradient);
    emit OnScaleChange(this);
    Replay();
}

void TPerformanceGraph::SetGradient(int value)
{
    storeAndReplay(FGradient, value);
}

void TPerformanceGraph::SetGridlines(bool value)
{
    storeAndReplay(FGridlines, value);
}

void TPerformanceGraph::SetPenWidth(int value)
{
    storeAndReplay(FPenWidth, value);
}
