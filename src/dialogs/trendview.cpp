#include "dialogs/trendview.h"

#include <QGraphicsLineItem>
#include <QMouseEvent>
#include <QRubberBand>
#include <QWheelEvent>
#include <cmath>

namespace {

// One notch of the wheel shows this share of the span.
constexpr double ZoomPerNotch = 0.8;
constexpr int WheelNotch = 120;
// How near a cursor a press must be to take it rather than pan.
constexpr int CursorGrip = 5;
const std::array<QColor, 2> CursorColours{QColor(0, 90, 200), QColor(0, 150, 60)};

} // namespace

TrendView::TrendView(QWidget *parent)
    : QChartView(parent)
    , m_band(new QRubberBand(QRubberBand::Rectangle, this))
{
    setRenderHint(QPainter::Antialiasing, false);
    setMouseTracking(false);
    for (size_t index = 0; index < m_cursorLines.size(); ++index) {
        m_cursorLines[index] = new QGraphicsLineItem(chart());
        m_cursorLines[index]->setPen(QPen(CursorColours[index], 1, Qt::DashLine));
        m_cursorLines[index]->setZValue(10);
        m_cursorLines[index]->hide();
    }
    connect(chart(), &QChart::plotAreaChanged, this, &TrendView::placeCursors);
}

void TrendView::setCursors(std::optional<std::array<qint64, 2>> times)
{
    m_cursorTimes = times;
    placeCursors();
}

qint64 TrendView::timeAt(double x) const
{
    return qint64(std::llround(chart()->mapToValue(QPointF(x, 0)).x()));
}

double TrendView::xOf(qint64 timeMs) const
{
    return chart()->mapToPosition(QPointF(double(timeMs), 0)).x();
}

void TrendView::placeCursors()
{
    const QRectF area = chart()->plotArea();
    for (size_t index = 0; index < m_cursorLines.size(); ++index) {
        QGraphicsLineItem *line = m_cursorLines[index];
        if (!m_cursorTimes) {
            line->hide();
            continue;
        }
        const double x = xOf((*m_cursorTimes)[index]);
        line->setLine(x, area.top(), x, area.bottom());
        line->setVisible(x >= area.left() && x <= area.right());
    }
}

void TrendView::wheelEvent(QWheelEvent *event)
{
    const double notches = event->angleDelta().y() / double(WheelNotch);
    if (notches != 0)
        emit zoomRequested(timeAt(event->position().x()), std::pow(ZoomPerNotch, notches));
    event->accept();
}

void TrendView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return QChartView::mousePressEvent(event);
    const int x = int(event->position().x());
    m_dragStartX = m_lastX = x;
    m_drag = event->modifiers() & Qt::ShiftModifier ? Drag::Band : Drag::Pan;
    if (m_cursorTimes) {
        for (int index = 0; index < 2; ++index) {
            if (std::abs(xOf((*m_cursorTimes)[size_t(index)]) - x) <= CursorGrip) {
                m_drag = Drag::Cursor;
                m_draggedCursor = index;
            }
        }
    }
    if (m_drag == Drag::Band) {
        const QRectF area = chart()->plotArea();
        m_band->setGeometry(QRect(x, int(area.top()), 1, int(area.height())));
        m_band->show();
    }
    event->accept();
}

void TrendView::mouseMoveEvent(QMouseEvent *event)
{
    const int x = int(event->position().x());
    switch (m_drag) {
    case Drag::None:
        return QChartView::mouseMoveEvent(event);
    case Drag::Pan:
        emit panRequested(timeAt(m_lastX) - timeAt(x));
        break;
    case Drag::Band: {
        const QRect band = m_band->geometry();
        m_band->setGeometry(QRect(std::min(x, m_dragStartX), band.top(),
                                  std::abs(x - m_dragStartX) + 1, band.height()));
        break;
    }
    case Drag::Cursor:
        emit cursorMoved(m_draggedCursor, timeAt(x));
        break;
    }
    m_lastX = x;
    event->accept();
}

void TrendView::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_drag == Drag::Band) {
        m_band->hide();
        const int x = int(event->position().x());
        // A click without a drag is no range.
        if (std::abs(x - m_dragStartX) > 2)
            emit rangeRequested(timeAt(std::min(x, m_dragStartX)),
                                timeAt(std::max(x, m_dragStartX)));
    }
    m_drag = Drag::None;
    event->accept();
}

void TrendView::mouseDoubleClickEvent(QMouseEvent *event)
{
    emit wholeSessionRequested();
    event->accept();
}

void TrendView::resizeEvent(QResizeEvent *event)
{
    QChartView::resizeEvent(event);
    placeCursors();
}
