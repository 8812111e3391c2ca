#include "dialogs/sweepview.h"

#include <QPainter>
#include <QXYSeries>

namespace {

constexpr double CapHalfWidth = 3;

} // namespace

SweepView::SweepView(QWidget *parent)
    : QChartView(parent)
{
    setRenderHint(QPainter::Antialiasing);
}

void SweepView::setErrorBars(QXYSeries *series, const QList<double> &spreads)
{
    if (spreads.isEmpty())
        m_spreads.erase(series);
    else
        m_spreads[series] = spreads;
    viewport()->update();
}

void SweepView::drawForeground(QPainter *painter, const QRectF &rect)
{
    QChartView::drawForeground(painter, rect);
    painter->save();
    painter->setClipRect(chart()->mapToScene(chart()->plotArea()).boundingRect());
    for (const auto &[series, spreads] : m_spreads) {
        if (!series->isVisible())
            continue;
        painter->setPen(QPen(series->color(), 1));
        const QList<QPointF> points = series->points();
        for (qsizetype index = 0; index < points.size() && index < spreads.size(); ++index) {
            const QPointF point = points.at(index);
            const double spread = spreads.at(index);
            if (spread <= 0)
                continue;
            const QPointF top = chart()->mapToScene(
                chart()->mapToPosition({point.x(), point.y() + spread}, series));
            const QPointF bottom = chart()->mapToScene(
                chart()->mapToPosition({point.x(), point.y() - spread}, series));
            painter->drawLine(top, bottom);
            painter->drawLine(top - QPointF(CapHalfWidth, 0), top + QPointF(CapHalfWidth, 0));
            painter->drawLine(bottom - QPointF(CapHalfWidth, 0), bottom + QPointF(CapHalfWidth, 0));
        }
    }
    painter->restore();
}
