#pragma once

#include "platform/drawingsurface.h"

#include <QWidget>
#include <array>
#include <cstdint>
#include <vector>

enum class TGraphKind : uint8_t { pgBar, pgLine };

// One time step of the history: up to 16 points, each a colour (0x00BBGGRR)
// and a value, in the order they were added.
struct THistoryBand
{
    static constexpr int MaxPoints = 16;
    int32_t Count = 0;
    std::array<int32_t, MaxPoints> Colors{};
    std::array<int32_t, MaxPoints> Values{};
};

// A strip chart of recent integer values, time running from right to left.
// Callers add points to the open band with DataPoint() and close it with
// Update(), which scrolls the picture by one band and draws the closed band at
// the right edge. The vertical scale follows the largest value in the history,
// rounded up to a multiple of Gradient. Everything is drawn into an off-screen
// picture that the widget only copies when it is painted. That picture is a
// window into a backing image twice as wide, so that scrolling moves the
// window instead of copying the picture (see ScrollGraph()).
class TPerformanceGraph : public QWidget
{
    Q_OBJECT

public:
    explicit TPerformanceGraph(QWidget *parent = nullptr);
    ~TPerformanceGraph() override;

    // Throws std::out_of_range with an empty message when the open band
    // already holds 16 points; nothing is stored then.
    void DataPoint(int colour, int value);
    // Closes the open band, scrolls and draws it; repaints at once.
    void Update();
    // Brings the picture to the widget's size if needed and copies it onto
    // the widget. Only paints from within paintEvent(); elsewhere it
    // schedules a paint.
    void Paint();
    // Redraws the whole picture from the history.
    void Replay();

    TGraphKind Kind() const { return FKind; }
    int ForeColor() const { return FForeColor; }
    int BackColor() const { return FBackColor; }
    int GridSize() const { return FGridSize; }
    int StepSize() const { return FStepSize; }
    int Scale() const { return FScale; }
    int Gradient() const { return FGradient; }
    bool Gridlines() const { return FGridlines; }
    int PenWidth() const { return FPenWidth; }

    void SetGraphKind(TGraphKind value);
    void SetForeColor(int value);
    void SetBackColor(int value);
    void SetGridSize(int value);
    void SetStepSize(int value);
    void SetScale(int value);
    void SetGradient(int value);
    void SetGridlines(bool value);
    void SetPenWidth(int value);

    // A copy of the off-screen picture (the visible window of the backing
    // image) and the history ring, for whoever needs to look.
    QImage picture() const;
    int historySize() const { return FHistorySize; }
    int currentY() const { return FCurrentY; }
    int gridOffset() const { return FGridOffset; }
    const THistoryBand &band(int index) const { return FHistory.at(size_t(index)); }

    // Walking the ring: start at FirstY() and follow NextY() until it gives
    // -1; that visits every band once, oldest first, the open band last.
    int FirstY() const { return FFirstY; }
    int NextY(int y) const;
    int LastY(int y) const;
    int GetBandCount() const;

    static int RoundUp(int value, int step);

signals:
    void OnScaleChange(TPerformanceGraph *sender);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // The common setter: a new value is stored and the picture redrawn.
    template<typename T>
    void storeAndReplay(T &field, T value)
    {
        if (value == field)
            return;
        field = value;
        Replay();
    }

    void Initialize(int phase);
    void ScrollGraph();
    void advanceOrigin();
    SurfaceRect atOrigin(const SurfaceRect &rect) const;
    bool pictureFitsWidget() const;
    int ShiftY();
    void ReallocHistory();
    void DisplayPoints(int y);
    void PaintBar(int colour, int base, int height);
    void PaintLine(int colour, int from, int to);
    int valueToPixels(int value) const;
    void repaintNow();

    TGraphKind FKind = TGraphKind::pgLine;
    int FForeColor = 0x008000;
    int FBackColor = 0x000000;
    int FGridSize = 15;
    int FStepSize = 3;
    int FScale = 1000;
    int FGradient = 100;
    bool FGridlines = true;
    int FPenWidth = 2;

    std::vector<THistoryBand> FHistory;
    int FHistorySize = 0;
    int FCurrentY = 0;
    int FFirstY = 1;
    int FGridOffset = 0;
    // The backing image, 2W × H; the picture is its columns
    // [FOrigin, FOrigin + W). All the rectangles below are in picture
    // coordinates, with FPictureRect = (0, 0, W, H).
    DrawingSurface FPicture;
    int FOrigin = 0;
    SurfaceRect FPictureRect;
    SurfaceRect FScrollFrom;
    SurfaceRect FScrollTo;
    SurfaceRect FStripRect;
    bool FPainting = false;
};
