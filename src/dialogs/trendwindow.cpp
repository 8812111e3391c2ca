#include "dialogs/trendwindow.h"

#include "analysis/trendscale.h"
#include "dialogs/trendview.h"
#include "ui_trendwindow.h"

#include <QChart>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

namespace {

constexpr int FollowMs = 500;
// Nobody reads a span below a few readings; this keeps zooming finite.
constexpr qint64 ShortestSpanMs = 50;
// Shown while the session has nothing yet.
constexpr qint64 EmptySpanMs = 60 * 1000;
// Extra room above and below the values, as a share of their spread.
constexpr double ValueMargin = 0.05;
// The window has no Q_OBJECT: its texts are translated in the context of its
// form, this one where it is shown.
const char *const SessionText = QT_TRANSLATE_NOOP("TrendWindow", "Měření");

struct ShownRange
{
    double low;
    double high;
};

// The values' extremes over the columns with a margin; a flat line gets a
// band around it.
ShownRange automaticRange(const std::vector<ValueRange> &columns)
{
    double low = INFINITY;
    double high = -INFINITY;
    for (const ValueRange &column : columns) {
        if (column.empty)
            continue;
        low = std::min(low, column.minimum);
        high = std::max(high, column.maximum);
    }
    if (low > high)
        return {0, 1};
    const double spread = high - low;
    const double margin = spread > 0 ? spread * ValueMargin : std::max(std::abs(low) * 0.01, 0.5);
    return {low - margin, high + margin};
}

std::optional<double> numberIn(const QLineEdit *edit)
{
    bool ok = false;
    double value = QLocale().toDouble(edit->text(), &ok);
    if (!ok)
        value = edit->text().toDouble(&ok);
    return ok && std::isfinite(value) ? std::optional(value) : std::nullopt;
}

QString valueText(double value, Quantity quantity)
{
    const ValueScale scale = valueScale(std::abs(value));
    return QLocale().toString(value / scale.factor, 'g', 6) + QLatin1Char(' ') + scale.prefix
           + axisUnit(quantity);
}

} // namespace

TrendWindow::TrendWindow(const ReadingHistory &session, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_session(session)
    , ui(std::make_unique<Ui::TrendWindow>())
    , m_series(new QLineSeries)
    , m_timeAxis(new QDateTimeAxis)
    , m_valueAxis(new QValueAxis)
{
    ui->setupUi(this);
    QChart *chart = ui->Plot->chart();
    chart->legend()->hide();
    // Decimal commas where the user's language has them, like every other value.
    chart->setLocalizeNumbers(true);
    chart->addSeries(m_series);
    chart->addAxis(m_timeAxis, Qt::AlignBottom);
    chart->addAxis(m_valueAxis, Qt::AlignLeft);
    m_series->attachAxis(m_timeAxis);
    m_series->attachAxis(m_valueAxis);
    m_series->setPen(QPen(QColor(200, 0, 0), 1));
    m_timeAxis->setTitleText(QCoreApplication::translate("TrendWindow", "Čas"));

    for (Quantity quantity : AllQuantities)
        ui->Quantity->addItem(quantityName(quantity).toString());
    connect(ui->Quantity, &QComboBox::currentIndexChanged, this, &TrendWindow::refresh);
    connect(ui->WholeSession, &QPushButton::clicked, this, &TrendWindow::showWholeSession);
    connect(ui->Pause, &QCheckBox::toggled, this, &TrendWindow::followSession);
    connect(ui->Cursors, &QCheckBox::toggled, this, [this](bool shown) {
        // New cursors stand at a third and two thirds of the view.
        const qint64 third = (m_toMs - m_fromMs) / 3;
        setCursors(shown ? std::optional(std::array{m_fromMs + third, m_toMs - third})
                         : std::nullopt);
    });
    for (QLineEdit *edit : {ui->RangeMinimum, ui->RangeMaximum})
        connect(edit, &QLineEdit::editingFinished, this, &TrendWindow::refresh);
    connect(ui->FixedRange, &QCheckBox::toggled, this, &TrendWindow::refresh);

    auto *saveMenu = new QMenu(ui->Save);
    saveMenu
        ->addAction(QCoreApplication::translate("TrendWindow", "Obrázek &PNG…"), this,
                    &TrendWindow::exportPng)
        ->setObjectName(QStringLiteral("SavePng"));
    saveMenu
        ->addAction(QCoreApplication::translate("TrendWindow", "Obrázek &SVG…"), this,
                    &TrendWindow::exportSvg)
        ->setObjectName(QStringLiteral("SaveSvg"));
    saveMenu
        ->addAction(QCoreApplication::translate("TrendWindow", "&Data CSV…"), this,
                    &TrendWindow::exportCsv)
        ->setObjectName(QStringLiteral("SaveCsv"));
    ui->Save->setMenu(saveMenu);
    connect(ui->OpenRecording, &QPushButton::clicked, this, &TrendWindow::askForRecording);
    connect(ui->BackToSession, &QPushButton::clicked, this, &TrendWindow::showSession);

    const TrendView *view = ui->Plot;
    connect(view, &TrendView::zoomRequested, this, &TrendWindow::zoomAt);
    connect(view, &TrendView::panRequested, this, &TrendWindow::panBy);
    connect(view, &TrendView::rangeRequested, this, &TrendWindow::setTimeRange);
    connect(view, &TrendView::wholeSessionRequested, this, &TrendWindow::showWholeSession);
    connect(view, &TrendView::cursorMoved, this, [this](int cursor, qint64 timeMs) {
        if (!m_cursors)
            return;
        std::array<qint64, 2> times = *m_cursors;
        times[size_t(cursor)] = timeMs;
        setCursors(times);
    });

    m_follow.setInterval(FollowMs);
    connect(&m_follow, &QTimer::timeout, this, &TrendWindow::refresh);
    new QShortcut(QKeySequence::Cancel, this, this, &QWidget::close);
    showSession();
}

TrendWindow::~TrendWindow() = default;

Quantity TrendWindow::quantity() const
{
    return AllQuantities[size_t(std::max(ui->Quantity->currentIndex(), 0))];
}

const QuantityHistory &TrendWindow::shownHistory() const
{
    return (m_recording ? *m_recording : m_session).of(quantity());
}

void TrendWindow::setTimeRange(qint64 fromMs, qint64 toMs)
{
    if (toMs - fromMs < ShortestSpanMs) {
        const qint64 centre = fromMs + (toMs - fromMs) / 2;
        fromMs = centre - ShortestSpanMs / 2;
        toMs = fromMs + ShortestSpanMs;
    }
    m_wholeSession = false;
    m_fromMs = fromMs;
    m_toMs = toMs;
    refresh();
}

void TrendWindow::showWholeSession()
{
    m_wholeSession = true;
    refresh();
}

void TrendWindow::zoomAt(qint64 centreMs, double factor)
{
    const double from = double(centreMs) - double(centreMs - m_fromMs) * factor;
    const double to = double(centreMs) + double(m_toMs - centreMs) * factor;
    setTimeRange(qint64(std::llround(from)), qint64(std::llround(to)));
}

void TrendWindow::panBy(qint64 shiftMs)
{
    setTimeRange(m_fromMs + shiftMs, m_toMs + shiftMs);
}

void TrendWindow::refresh()
{
    const QuantityHistory &history = shownHistory();
    if (m_wholeSession) {
        m_toMs = history.isEmpty() ? QDateTime::currentMSecsSinceEpoch() : history.lastTimeMs();
        m_fromMs = history.isEmpty() ? m_toMs - EmptySpanMs : history.firstTimeMs();
        m_toMs = std::max(m_toMs, m_fromMs + ShortestSpanMs);
    }
    const int columns = std::max(int(ui->Plot->chart()->plotArea().width()), 100);
    const std::vector<ValueRange> decimated = history.decimate(m_fromMs, m_toMs, columns);

    ShownRange shown = automaticRange(decimated);
    if (ui->FixedRange->isChecked()) {
        const std::optional<double> low = numberIn(ui->RangeMinimum);
        const std::optional<double> high = numberIn(ui->RangeMaximum);
        if (low && high && *low < *high)
            shown = {*low, *high};
    }
    const ValueScale scale = valueScale(std::max(std::abs(shown.low), std::abs(shown.high)));

    // Each column is a short vertical stroke from its minimum to its maximum,
    // joined to the next: the envelope of every reading in it.
    QList<QPointF> points;
    points.reserve(qsizetype(decimated.size()) * 2);
    const double columnMs = double(m_toMs - m_fromMs + 1) / double(columns);
    bool downwards = false;
    for (size_t column = 0; column < decimated.size(); ++column) {
        const ValueRange &range = decimated[column];
        if (range.empty)
            continue;
        const double x = double(m_fromMs) + (double(column) + 0.5) * columnMs;
        const double first = downwards ? range.maximum : range.minimum;
        const double second = downwards ? range.minimum : range.maximum;
        points.append(QPointF(x, first / scale.factor));
        if (second != first)
            points.append(QPointF(x, second / scale.factor));
        downwards = !downwards;
    }
    m_series->replace(points);
    m_timeAxis->setFormat(timeAxisFormat(m_toMs - m_fromMs));
    m_timeAxis->setRange(QDateTime::fromMSecsSinceEpoch(m_fromMs),
                         QDateTime::fromMSecsSinceEpoch(m_toMs));
    m_valueAxis->setRange(shown.low / scale.factor, shown.high / scale.factor);
    m_valueAxis->setTitleText(
        QStringLiteral("%1 [%2%3]")
            .arg(quantityName(quantity()), scale.prefix, axisUnit(quantity())));
    ui->Plot->setCursors(m_cursors);
    showCursorReadout();
}

void TrendWindow::setCursors(std::optional<std::array<qint64, 2>> times)
{
    m_cursors = times;
    {
        const QSignalBlocker blocker(ui->Cursors);
        ui->Cursors->setChecked(times.has_value());
    }
    ui->Plot->setCursors(times);
    showCursorReadout();
}

QString TrendWindow::cursorReadout() const
{
    return ui->Readout->text();
}

void TrendWindow::showCursorReadout()
{
    if (!m_cursors) {
        ui->Readout->clear();
        return;
    }
    const QuantityHistory &history = shownHistory();
    const std::array<qint64, 2> times = *m_cursors;
    const std::optional<double> a = valueNear(history, times[0]);
    const std::optional<double> b = valueNear(history, times[1]);
    const auto at = [this](qint64 timeMs, std::optional<double> value) {
        return QDateTime::fromMSecsSinceEpoch(timeMs).toString(QStringLiteral("HH:mm:ss.zzz"))
               + QLatin1Char(' ') + (value ? valueText(*value, quantity()) : QStringLiteral("—"));
    };
    const qint64 deltaMs = times[1] - times[0];
    const QString first = at(times[0], a);
    const QString second = at(times[1], b);
    const QString interval = QLocale().toString(double(deltaMs) / 1000.0, 'f', 3);
    // Whole lines, each as the translation has it: the difference needs both
    // values, the slope a time between them as well.
    QString text;
    if (!a || !b) {
        text = QCoreApplication::translate("TrendWindow", "A: %1   B: %2   Δt = %3 s")
                   .arg(first, second, interval);
    } else if (deltaMs == 0) {
        text = QCoreApplication::translate("TrendWindow", "A: %1   B: %2   Δt = %3 s   Δ = %4")
                   .arg(first, second, interval, valueText(*b - *a, quantity()));
    } else {
        text = QCoreApplication::translate("TrendWindow",
                                           "A: %1   B: %2   Δt = %3 s   Δ = %4   strmost = %5/s")
                   .arg(first, second, interval, valueText(*b - *a, quantity()),
                        valueText((*b - *a) * 1000.0 / double(deltaMs), quantity()));
    }
    ui->Readout->setText(text);
}

void TrendWindow::showSession()
{
    m_recording.reset();
    ui->Source->setText(QCoreApplication::translate("TrendWindow", SessionText));
    ui->BackToSession->hide();
    followSession();
    showWholeSession();
}

void TrendWindow::followSession()
{
    if (isVisible() && !m_recording && !ui->Pause->isChecked())
        m_follow.start();
    else
        m_follow.stop();
}

void TrendWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    followSession();
    refresh();
}

void TrendWindow::hideEvent(QHideEvent *event)
{
    m_follow.stop();
    QWidget::hideEvent(event);
}
