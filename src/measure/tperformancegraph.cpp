#include "measure/tperformancegraph.h"

#include <QPainter>
#include <QScopedValueRollback>
#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>

namespace {

constexpr int InitialSize = 100;
// The backing image holds this many pictures side by side; the visible
// window slides along it as the graph scrolls.
constexpr int BackingWidths = 2;

// A value far above the scale maps far outside the picture. Keeping the pixel
// offset within this bound leaves the sums made from it inside int; the
// surface clips what lies outside anyway.
constexpr double MaxPixelOffset = 1 << 28;

int saturate(int64_t value)
{
    return int(std::clamp<int64_t>(value, std::numeric_limits<int>::min(),
                                   std::numeric_limits<int>::max()));
}

} // namespace

TPerformanceGraph::TPerformanceGraph(QWidget *parent)
    : QWidget(parent)
{
    // Every pixel comes from the picture, so nothing needs painting behind it.
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(InitialSize, InitialSize);
    FHistorySize = GetBandCount() + 2;
    FHistory.assign(size_t(FHistorySize), THistoryBand{});
    FCurrentY = 0;
    FFirstY = 1;
    FGridOffset = 0;
    Initialize(FGridSize - 1);
}

TPerformanceGraph::~TPerformanceGraph() = default;

void TPerformanceGraph::DataPoint(int colour, int value)
{
    THistoryBand &band = FHistory[size_t(FCurrentY)];
    if (band.Count >= THistoryBand::MaxPoints)
        throw std::out_of_range("");
    band.Colors[size_t(band.Count)] = colour;
    band.Values[size_t(band.Count)] = value;
    ++band.Count;
}

void TPerformanceGraph::Update()
{
    // A hidden widget is never painted, so a size change would otherwise only
    // reach the picture at the next property change; catch it up first.
    if (!pictureFitsWidget())
        Replay();

    ScrollGraph();
    ShiftY();

    // Negative values never raise the scale: the search starts at 0. A walk
    // of the ring visits every band once, so the bands are simply taken in
    // storage order.
    int maximum = 0;
    for (const THistoryBand &band : FHistory) {
        for (int i = 0; i < band.Count; ++i)
            maximum = std::max(maximum, band.Values[size_t(i)]);
    }
    const int scale = RoundUp(maximum, FGradient);
    if (scale != FScale) {
        SetScale(scale);
    } else {
        DisplayPoints(LastY(FCurrentY));
        repaintNow();
    }
}

void TPerformanceGraph::Paint()
{
    if (!FPainting) {
        update();
        return;
    }
    if (!pictureFitsWidget()) {
        if (FPictureRect.right != width())
            ReallocHistory();
        Replay();
    }
    QPainter painter(this);
    // The widget's own pen; only the copied picture is ever drawn here.
    painter.setPen(QPen(Qt::black, FPenWidth));
    painter.drawImage(QPoint(0, 0), FPicture.image(),
                      QRect(FOrigin, 0, FPictureRect.right, FPictureRect.bottom));
}

QImage TPerformanceGraph::picture() const
{
    return FPicture.image().copy(FOrigin, 0, FPictureRect.right, FPictureRect.bottom);
}

bool TPerformanceGraph::pictureFitsWidget() const
{
    return FPictureRect.right == width() && FPictureRect.bottom == height();
}

void TPerformanceGraph::paintEvent(QPaintEvent *)
{
    const QScopedValueRollback painting(FPainting, true);
    Paint();
}

void TPerformanceGraph::repaintNow()
{
    // Inside a paint the picture is copied right after; a nested repaint
    // would only do the same work twice.
    if (!FPainting)
        repaint();
}

void TPerformanceGraph::Replay()
{
    // The ring follows the width here too, not only when the step changes or
    // a paint notices: a graph sized and then given another property before
    // its first paint would otherwise keep the band count of its old width.
    if (GetBandCount() + 2 != FHistorySize)
        ReallocHistory();

    Initialize(int((int64_t(width()) + FGridOffset) % FGridSize));
    const SurfaceRect strip = FStripRect;
    const int pictureWidth = FPictureRect.right;
    int64_t x = width() % FStepSize;
    for (int y = NextY(FirstY()); y != -1; y = NextY(y)) {
        // A band that starts beyond the right edge draws nothing visible.
        if (x >= pictureWidth)
            break;
        FStripRect.left = int(x);
        FStripRect.right = saturate(x + FStepSize);
        DisplayPoints(y);
        x += FStepSize;
    }
    repaintNow();
    FStripRect = strip;
}

void TPerformanceGraph::Initialize(int phase)
{
    // A new picture starts at the left end of the backing image, so that the
    // drawing below needs no shift; only the visible window is drawn.
    FPicture.setSize(BackingWidths * width(), height());
    FOrigin = 0;
    const int w = FPicture.image().isNull() ? 0 : width();
    const int h = FPicture.height();
    FPictureRect = {0, 0, w, h};
    FPicture.fillRect(FPictureRect, FBackColor);
    if (FGridlines) {
        FPicture.setPenColor(FForeColor);
        for (int64_t y = FGridSize; y < h; y += FGridSize) {
            FPicture.moveTo(0, int(y));
            FPicture.lineTo(w, int(y));
        }
        int64_t x = phase;
        for (; x < w; x += FGridSize) {
            FPicture.moveTo(int(x), 0);
            FPicture.lineTo(int(x), h);
        }
        FGridOffset = int(x - w);
    }
    FScrollFrom = {FStepSize, 0, w, h};
    FScrollTo = {0, 0, w - FStepSize, h};
    FStripRect = {w - FStepSize, 0, w, h};
}

void TPerformanceGraph::ScrollGraph()
{
    advanceOrigin();
    // Every column that comes into view lies in the new strip and is drawn
    // afresh here, so whatever the backing image held there does not matter.
    const SurfaceRect strip = atOrigin(FStripRect);
    FPicture.fillRect(strip, FBackColor);
    if (!FGridlines)
        return;
    FPicture.setPenColor(FForeColor);
    for (int64_t y = FGridSize; y < strip.bottom; y += FGridSize) {
        FPicture.moveTo(strip.left, int(y));
        FPicture.lineTo(strip.right, int(y));
    }
    // FGridOffset is the distance from the right edge to the next vertical
    // line beyond it. A step wider than the grid brings several lines into
    // the new strip; all of them are drawn.
    const int w = FPictureRect.right;
    int64_t offset = int64_t(FGridOffset) - FStepSize;
    const int64_t visibleFrom = -std::min<int64_t>(FStepSize, w);
    if (offset < visibleFrom)
        offset += (visibleFrom - offset + FGridSize - 1) / FGridSize * FGridSize;
    for (; offset < 0; offset += FGridSize) {
        const int x = int(FOrigin + w + offset);
        FPicture.moveTo(x, 0);
        FPicture.lineTo(x, FPictureRect.bottom);
    }
    FGridOffset = int(offset);
}

void TPerformanceGraph::advanceOrigin()
{
    // Copying the picture one step to the left was nearly the whole cost of
    // an update. Instead the visible window moves one step to the right
    // along the backing image. Only when it would run past the end are the
    // columns that stay in view copied back to the start, once every
    // W / StepSize updates.
    const int64_t next = int64_t(FOrigin) + FStepSize;
    if (next + FPictureRect.right <= FPicture.width()) {
        FOrigin = int(next);
        return;
    }
    FPicture.copyRect(atOrigin(FScrollFrom), FScrollTo);
    FOrigin = 0;
}

SurfaceRect TPerformanceGraph::atOrigin(const SurfaceRect &rect) const
{
    return {saturate(int64_t(rect.left) + FOrigin), rect.top,
            saturate(int64_t(rect.right) + FOrigin), rect.bottom};
}

void TPerformanceGraph::DisplayPoints(int y)
{
    const THistoryBand &band = FHistory[size_t(y)];
    const THistoryBand &before = FHistory[size_t(LastY(y))];
    int previous = 0;
    for (int i = 0; i < band.Count; ++i) {
        // A negative value is drawn as 0, which is not drawn at all.
        const int value = std::max(band.Values[size_t(i)], 0);
        if (value == 0)
            continue;
        const int colour = band.Colors[size_t(i)];
        if (FKind == TGraphKind::pgBar) {
            PaintBar(colour, previous, value - previous);
        } else {
            // The segment continues from where this colour ended in the band
            // before, so each colour forms one line.
            int from = 0;
            for (int j = 0; j < before.Count; ++j) {
                if (before.Colors[size_t(j)] == colour) {
                    from = std::max(before.Values[size_t(j)], 0);
                    break;
                }
            }
            PaintLine(colour, from, value);
        }
        previous = value;
    }
}

int TPerformanceGraph::valueToPixels(int value) const
{
    const double h = FPictureRect.bottom - FPictureRect.top;
    const double pixels = std::trunc(h * (double(value) / FScale));
    return int(std::clamp(pixels, -MaxPixelOffset, MaxPixelOffset));
}

void TPerformanceGraph::PaintBar(int colour, int base, int height)
{
    // A scale of 0 or below can only come through the property; nothing
    // sensible can be drawn with it.
    if (height == 0 || FScale <= 0)
        return;
    const int h = FPictureRect.bottom - FPictureRect.top;
    const int barHeight = valueToPixels(height);
    const int barBase = valueToPixels(base);
    if (barHeight == 0)
        return;
    const SurfaceRect strip = atOrigin(FStripRect);
    FPicture.fillRect(strip.left, h - barBase - barHeight - 1, strip.right, h - barBase, colour);
}

void TPerformanceGraph::PaintLine(int colour, int from, int to)
{
    if (FScale <= 0)
        return;
    const int h = FPictureRect.bottom - FPictureRect.top;
    const SurfaceRect strip = atOrigin(FStripRect);
    FPicture.setPenColor(colour);
    FPicture.moveTo(strip.left, h - valueToPixels(from));
    FPicture.lineTo(strip.right, h - valueToPixels(to));
}

int TPerformanceGraph::RoundUp(int value, int step)
{
    // Worked in 64 bits: near the int limits the rounded value (or INT_MIN
    // divided by -1) would not fit.
    const int64_t v = value;
    if (step != 0 && v % step != 0)
        return saturate((v / step + 1) * step);
    return value;
}
