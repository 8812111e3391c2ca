#pragma once

#include <QChartView>
#include <QList>
#include <map>

class QXYSeries;

// The sweep window's plot: a chart whose series may carry error bars, one
// standard deviation above and below each point, drawn in the series'
// colour. Qt Charts has no error bars of its own.
class SweepView : public QChartView
{
    Q_OBJECT

public:
    explicit SweepView(QWidget *parent = nullptr);

    // One spread per point of the series, in the series' own units; an
    // empty list takes the bars away.
    void setErrorBars(QXYSeries *series, const QList<double> &spreads);

protected:
    void drawForeground(QPainter *painter, const QRectF &rect) override;

private:
    std::map<QXYSeries *, QList<double>> m_spreads;
};
