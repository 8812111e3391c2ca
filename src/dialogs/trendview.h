#pragma once

#include <QChartView>
#include <array>
#include <optional>

class QGraphicsLineItem;
class QRubberBand;

// The trend window's plot and what the mouse does on it: the wheel zooms
// around the pointer, a drag pans, a drag with Shift picks the time range to
// zoom to, a double click shows the whole session, and a drag that starts
// on a cursor moves the cursor. The view only reports; the window decides
// what is shown.
class TrendView : public QChartView
{
    Q_OBJECT

public:
    explicit TrendView(QWidget *parent = nullptr);

    // Where the two cursors stand, in ms since the epoch; none hides them.
    void setCursors(std::optional<std::array<qint64, 2>> times);
    // The time under a horizontal position of the view.
    qint64 timeAt(double x) const;

signals:
    void zoomRequested(qint64 centreMs, double factor);
    void panRequested(qint64 shiftMs);
    void rangeRequested(qint64 fromMs, qint64 toMs);
    void wholeSessionRequested();
    void cursorMoved(int cursor, qint64 timeMs);

protected:
    void wheelEvent(QWheelEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    enum class Drag { None, Pan, Band, Cursor };
    double xOf(qint64 timeMs) const;
    void placeCursors();

    Drag m_drag = Drag::None;
    int m_dragStartX = 0;
    int m_lastX = 0;
    int m_draggedCursor = 0;
    QRubberBand *m_band;
    std::optional<std::array<qint64, 2>> m_cursorTimes;
    std::array<QGraphicsLineItem *, 2> m_cursorLines{};
};
