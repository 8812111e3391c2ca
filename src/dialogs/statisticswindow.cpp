#include "dialogs/statisticswindow.h"

#include "analysis/measurementanalysis.h"
#include "ui_statisticswindow.h"

#include <QDateTime>
#include <QHeaderView>
#include <QLocale>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTableWidget>
#include <array>

namespace {

constexpr int RefreshMs = 500;
constexpr int SignificantDigits = 6;
const QString TimeFormat = QStringLiteral("HH:mm:ss");

enum Column {
    Count,
    Minimum,
    Maximum,
    Mean,
    Deviation,
    MinimumTime,
    MaximumTime,
    Reference,
    Hold,
    Relative,
    Columns
};

QString valueText(double value, Quantity quantity)
{
    return QLocale().toString(value, 'g', SignificantDigits) + QLatin1Char(' ')
           + unitName(quantity).toString();
}

QString timeText(qint64 timeMs)
{
    return QDateTime::fromMSecsSinceEpoch(timeMs).toString(TimeFormat);
}

// The texts of one quantity's row; all but the count and the reference empty
// while it has no readings.
std::array<QString, Columns> rowTexts(const MeasurementAnalysis &analysis, Quantity quantity)
{
    const RunningStatistics &figures = analysis.statistics().of(quantity);
    std::array<QString, Columns> texts{};
    texts[Count] = QString::number(figures.count());
    if (const std::optional<double> reference = analysis.relative().reference(quantity))
        texts[Reference] = valueText(*reference, quantity);
    if (figures.count() == 0)
        return texts;
    texts[Minimum] = valueText(figures.minimum(), quantity);
    texts[Maximum] = valueText(figures.maximum(), quantity);
    texts[Mean] = valueText(figures.mean(), quantity);
    texts[Deviation] = valueText(figures.standardDeviation(), quantity);
    texts[MinimumTime] = timeText(figures.minimumTimeMs());
    texts[MaximumTime] = timeText(figures.maximumTimeMs());
    return texts;
}

} // namespace

StatisticsWindow::StatisticsWindow(const MeasurementAnalysis &analysis, StatisticsActions actions,
                                   QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_analysis(analysis)
    , m_actions(std::move(actions))
    , ui(std::make_unique<Ui::StatisticsWindow>())
{
    ui->setupUi(this);
    ui->Table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    for (int row = 0; row < ui->Table->rowCount(); ++row) {
        for (int column = 0; column < Columns; ++column) {
            auto *item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (column == Hold || column == Relative) {
                item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
                item->setCheckState(Qt::Unchecked);
            }
            ui->Table->setItem(row, column, item);
        }
    }
    connect(ui->Table, &QTableWidget::itemChanged, this, &StatisticsWindow::itemChanged);
    connect(ui->Reset, &QPushButton::clicked, this, [this] {
        m_actions.reset();
        refresh();
    });

    m_refresh.setInterval(RefreshMs);
    connect(&m_refresh, &QTimer::timeout, this, &StatisticsWindow::refresh);
    new QShortcut(QKeySequence::Cancel, this, this, &QWidget::close);
    refresh();
}

void StatisticsWindow::refresh()
{
    for (size_t row = 0; row < AllQuantities.size(); ++row) {
        const std::array<QString, Columns> texts = rowTexts(m_analysis, AllQuantities[row]);
        for (int column = 0; column < Hold; ++column)
            ui->Table->item(int(row), column)->setText(texts[size_t(column)]);
    }
}

void StatisticsWindow::itemChanged(QTableWidgetItem *item)
{
    const Quantity quantity = AllQuantities[size_t(item->row())];
    const bool checked = item->checkState() == Qt::Checked;
    if (item->column() == Hold)
        m_actions.hold(quantity, checked);
    if (item->column() != Relative)
        return;
    // Without a value there is nothing to take as the reference: the box
    // does not stay ticked.
    if (!m_actions.relative(quantity, checked)) {
        QSignalBlocker blocker(ui->Table);
        item->setCheckState(Qt::Unchecked);
    }
    refresh();
}

void StatisticsWindow::showEvent(QShowEvent *event)
{
    refresh();
    m_refresh.start();
    QWidget::showEvent(event);
}

void StatisticsWindow::hideEvent(QHideEvent *event)
{
    m_refresh.stop();
    QWidget::hideEvent(event);
}

StatisticsWindow::~StatisticsWindow() = default;
