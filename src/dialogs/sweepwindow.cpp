#include "dialogs/sweepwindow.h"

#include "analysis/trendscale.h"
#include "dialogs/sweepview.h"
#include "generator/waveform.h"
#include "platform/atomicwrite.h"
#include "platform/filedialog.h"
#include "platform/messages.h"
#include "record/graphpictures.h"
#include "record/sweeprows.h"
#include "ui_sweepwindow.h"

#include <QChart>
#include <QCoreApplication>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QMenu>
#include <QShortcut>
#include <QTime>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <string_view>

namespace {

constexpr int ClockMs = 250;
// A file name, the same in every language.
const QString PictureName = QStringLiteral("zunov-rozmitani");
// Translated where they are shown: the translation is chosen after start-up.
const char *const CsvFilter = QT_TRANSLATE_NOOP("SweepWindow", "Soubory CSV (*.csv)");
const char *const CannotSaveText =
    QT_TRANSLATE_NOOP("SweepWindow", "Soubor %1 se nepodařilo uložit.");
const char *const SilentText =
    QT_TRANSLATE_NOOP("SweepWindow", "Přístroj neodpovídá. Rozmítání je přerušeno: zkontrolujte "
                                     "přístroj a zvolte Pokračovat, nebo Stop. Změřené kroky "
                                     "zůstávají.");
const char *const LostText =
    QT_TRANSLATE_NOOP("SweepWindow", "Přístroj se odpojil. Rozmítání je přerušeno: připojte ho a "
                                     "zvolte Pokračovat, nebo Stop. Změřené kroky zůstávají.");
const char *const LogNeedsValuesText = QT_TRANSLATE_NOOP(
    "SweepWindow", "Logaritmické rozmístění kroků potřebuje obě hodnoty aspoň 1.");

// The waveforms' names as the generator panel gives them, for the
// translation tools: the list shows them translated, while the sweep's table
// keeps them as they are, whatever the language.
constexpr std::array<const char *, Waveforms::All.size()> WaveformNames{
    QT_TRANSLATE_NOOP("Waveform", "Sinus"), QT_TRANSLATE_NOOP("Waveform", "Sinus 1/2"),
    QT_TRANSLATE_NOOP("Waveform", "Obdélník"), QT_TRANSLATE_NOOP("Waveform", "Pila"),
    QT_TRANSLATE_NOOP("Waveform", "Trojúhelník")};

constexpr bool namesAsOnThePanel()
{
    for (size_t index = 0; index < WaveformNames.size(); ++index) {
        if (std::string_view(WaveformNames[index]) != Waveforms::All[index].panelName)
            return false;
    }
    return true;
}
static_assert(namesAsOnThePanel(), "a waveform was renamed: the list for translation must follow");

QString shownName(const Waveform &waveform)
{
    return QCoreApplication::translate("Waveform", waveform.panelName);
}

const std::array<QColor, AllQuantities.size()> SeriesColours{QColor(200, 0, 0), QColor(0, 90, 200),
                                                             QColor(0, 140, 0), QColor(150, 0, 150),
                                                             QColor(200, 120, 0)};
const QColor GainColour(0, 0, 0);

QString durationText(qint64 ms)
{
    const qint64 seconds = (ms + 999) / 1000;
    const QString minutesAndSeconds =
        QStringLiteral("%1:%2")
            .arg(seconds / 60 % 60, seconds >= 3600 ? 2 : 1, 10, QLatin1Char('0'))
            .arg(seconds % 60, 2, 10, QLatin1Char('0'));
    return seconds >= 3600 ? QStringLiteral("%1:%2").arg(seconds / 3600).arg(minutesAndSeconds)
                           : minutesAndSeconds;
}

// U2 against U1 in decibels, where both were measured and above zero.
std::optional<double> gainDb(const SweepStep &step)
{
    const RunningStatistics &u1 = step.of(Quantity::U1);
    const RunningStatistics &u2 = step.of(Quantity::U2);
    if (u1.count() == 0 || u2.count() == 0 || u1.mean() <= 0 || u2.mean() <= 0)
        return std::nullopt;
    return 20 * std::log10(u2.mean() / u1.mean());
}

void fitAxis(QValueAxis *axis, double lowest, double highest)
{
    if (!(lowest <= highest)) {
        lowest = 0;
        highest = 1;
    }
    const double margin =
        highest > lowest ? (highest - lowest) * 0.05 : std::max(1.0, std::abs(lowest) * 0.1);
    axis->setRange(lowest - margin, highest + margin);
    axis->applyNiceNumbers();
}

void moveToAxis(QAbstractSeries *series, QAbstractAxis *from, QAbstractAxis *to)
{
    if (series->attachedAxes().contains(to))
        return;
    series->detachAxis(from);
    series->attachAxis(to);
}

} // namespace

SweepWindow::SweepWindow(InstrumentSession &session, int pollPeriodMs, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_session(session)
    , ui(std::make_unique<Ui::SweepWindow>())
    , m_gain(new QLineSeries)
    , m_valueAxis(new QValueAxis)
    , m_logValueAxis(new QLogValueAxis)
    , m_quantityAxis(new QValueAxis)
    , m_gainAxis(new QValueAxis)
{
    ui->setupUi(this);
    for (const Waveform &waveform : Waveforms::All)
        ui->Waveform->addItem(shownName(waveform), waveform.code);
    if (pollPeriodMs > 0)
        ui->Period->setValue(pollPeriodMs);

    QChart *chart = ui->Plot->chart();
    chart->setLocalizeNumbers(true);
    chart->addAxis(m_valueAxis, Qt::AlignBottom);
    chart->addAxis(m_logValueAxis, Qt::AlignBottom);
    chart->addAxis(m_quantityAxis, Qt::AlignLeft);
    chart->addAxis(m_gainAxis, Qt::AlignRight);
    for (QAbstractAxis *axis :
         {static_cast<QAbstractAxis *>(m_valueAxis), static_cast<QAbstractAxis *>(m_logValueAxis)})
        axis->setTitleText(tr("Hodnota frekvence"));
    m_valueAxis->setLabelFormat(QStringLiteral("%.0f"));
    m_logValueAxis->setLabelFormat(QStringLiteral("%.0f"));
    m_logValueAxis->setMinorTickCount(8);
    m_gainAxis->setTitleText(QStringLiteral("U2/U1 [dB]"));
    m_shown = {ui->PlotU1, ui->PlotU2, ui->PlotR, ui->PlotF, ui->PlotI};
    for (Quantity quantity : AllQuantities) {
        auto *series = new QLineSeries;
        series->setName(quantityName(quantity).toString());
        series->setPointsVisible(true);
        chart->addSeries(series);
        // After addSeries, which gives the chart theme's colour.
        series->setPen(QPen(SeriesColours[size_t(quantity)], 2));
        series->attachAxis(m_valueAxis);
        series->attachAxis(m_quantityAxis);
        m_series[size_t(quantity)] = series;
        connect(m_shown[size_t(quantity)], &QCheckBox::toggled, this, &SweepWindow::plot);
    }
    m_gain->setName(QStringLiteral("U2/U1 [dB]"));
    m_gain->setPointsVisible(true);
    chart->addSeries(m_gain);
    m_gain->setPen(QPen(GainColour, 2, Qt::DashLine));
    m_gain->attachAxis(m_valueAxis);
    m_gain->attachAxis(m_gainAxis);
    connect(ui->PlotGain, &QCheckBox::toggled, this, &SweepWindow::plot);

    connect(ui->Start, &QPushButton::clicked, this, &SweepWindow::start);
    connect(ui->Stop, &QPushButton::clicked, this, &SweepWindow::stop);
    connect(ui->Resume, &QPushButton::clicked, this, &SweepWindow::resume);
    auto *saveMenu = new QMenu(ui->Save);
    saveMenu->addAction(tr("Obrázek &PNG…"), this, &SweepWindow::exportPng)
        ->setObjectName(QStringLiteral("SavePng"));
    saveMenu->addAction(tr("Obrázek &SVG…"), this, &SweepWindow::exportSvg)
        ->setObjectName(QStringLiteral("SaveSvg"));
    saveMenu->addAction(tr("&Data CSV…"), this, &SweepWindow::exportCsv)
        ->setObjectName(QStringLiteral("SaveCsv"));
    ui->Save->setMenu(saveMenu);
    m_clock.setInterval(ClockMs);
    connect(&m_clock, &QTimer::timeout, this, &SweepWindow::showTimeLeft);
    new QShortcut(QKeySequence::Cancel, this, this, &QWidget::close);
    plot();
}

SweepWindow::~SweepWindow() = default;

SweepSettings SweepWindow::shownSettings() const
{
    SweepSettings settings;
    settings.waveformCode = uint8_t(ui->Waveform->currentData().toInt());
    settings.from = ui->From->value();
    settings.to = ui->To->value();
    settings.steps = ui->Steps->value();
    settings.logSpacing = ui->LogSpacing->isChecked();
    settings.settleMs = ui->Settle->value();
    settings.readings = ui->Readings->value();
    settings.periodMs = ui->Period->value();
    return settings;
}

void SweepWindow::showSettings(const SweepSettings &settings)
{
    ui->Waveform->setCurrentIndex(ui->Waveform->findData(settings.waveformCode));
    ui->From->setValue(settings.from);
    ui->To->setValue(settings.to);
    ui->Steps->setValue(settings.steps);
    ui->LogSpacing->setChecked(settings.logSpacing);
    ui->Settle->setValue(settings.settleMs);
    ui->Readings->setValue(settings.readings);
    ui->Period->setValue(settings.periodMs);
}

void SweepWindow::allowStart(bool allowed)
{
    m_startAllowed = allowed;
    showRunState();
}

void SweepWindow::start()
{
    if ((m_run && m_run->isActive()) || !m_startAllowed)
        return;
    const SweepSettings settings = shownSettings();
    if (!settings.isValid()) {
        ui->Message->setText(tr(LogNeedsValuesText));
        return;
    }
    m_run = std::make_unique<SweepRun>(m_session, settings);
    connect(m_run.get(), &SweepRun::stepStarted, this, &SweepWindow::generatorSet);
    connect(m_run.get(), &SweepRun::stepFinished, this, &SweepWindow::stepFinished);
    connect(m_run.get(), &SweepRun::paused, this, &SweepWindow::paused);
    connect(m_run.get(), &SweepRun::ended, this, &SweepWindow::ended);
    ui->Message->clear();
    ui->Progress->setMaximum(int(m_run->values().size()));
    ui->Progress->setValue(0);
    plot();
    emit sweepRunning(true);
    m_clock.start();
    m_run->start();
    showRunState();
}

void SweepWindow::stop()
{
    if (m_run)
        m_run->stop();
}

void SweepWindow::resume()
{
    if (!m_run)
        return;
    ui->Message->clear();
    m_run->resume();
    showRunState();
}

void SweepWindow::stepFinished(const SweepStep &step)
{
    ui->Progress->setValue(step.number);
    plot();
}

void SweepWindow::paused(SweepRun::Fault fault)
{
    ui->Message->setText(tr(fault == SweepRun::Fault::Lost ? LostText : SilentText));
    showRunState();
}

void SweepWindow::ended()
{
    m_clock.stop();
    const int done = int(m_run->steps().size());
    const int planned = int(m_run->values().size());
    ui->Message->setText(m_run->state() == SweepRun::State::Finished
                             ? tr("Hotovo; změřené kroky: %1.").arg(done)
                             : tr("Zastaveno; změřené kroky: %1 z %2.").arg(done).arg(planned));
    showRunState();
    emit sweepRunning(false);
}

void SweepWindow::showRunState()
{
    const bool active = m_run && m_run->isActive();
    const bool paused = m_run && m_run->state() == SweepRun::State::Paused;
    ui->Settings->setEnabled(!active);
    ui->Start->setEnabled(!active && m_startAllowed);
    ui->Stop->setEnabled(active);
    ui->Resume->setEnabled(paused);
    ui->Save->setEnabled(m_run && !m_run->steps().empty());
    // A message the user must act on stands out.
    ui->Message->setStyleSheet(paused ? QStringLiteral("color: red") : QString());
    showTimeLeft();
}

void SweepWindow::showTimeLeft()
{
    ui->TimeLeft->setText(m_run && m_run->isActive()
                              ? tr("zbývá %1").arg(durationText(m_run->timeLeftMs()))
                              : QString());
}

void SweepWindow::plot()
{
    const SweepSettings settings = m_run ? m_run->settings() : shownSettings();
    const int lowestValue = std::min(settings.from, settings.to);
    const int highestValue = std::max(settings.from, settings.to);
    // A logarithmic sweep on a logarithmic axis, so that its steps stand
    // evenly apart.
    const bool logarithmic = settings.logSpacing && lowestValue > 0;
    QAbstractAxis *valueAxis = logarithmic ? static_cast<QAbstractAxis *>(m_logValueAxis)
                                           : static_cast<QAbstractAxis *>(m_valueAxis);
    QAbstractAxis *otherAxis = logarithmic ? static_cast<QAbstractAxis *>(m_valueAxis)
                                           : static_cast<QAbstractAxis *>(m_logValueAxis);
    for (QLineSeries *series : m_series)
        moveToAxis(series, otherAxis, valueAxis);
    moveToAxis(m_gain, otherAxis, valueAxis);
    valueAxis->setVisible(true);
    otherAxis->setVisible(false);
    if (logarithmic)
        m_logValueAxis->setRange(lowestValue * 0.9, highestValue * 1.1);
    else
        fitAxis(m_valueAxis, lowestValue, highestValue);
    const std::vector<SweepStep> noSteps;
    const std::vector<SweepStep> &steps = m_run ? m_run->steps() : noSteps;

    double lowest = INFINITY;
    double highest = -INFINITY;
    QStringList titles;
    for (Quantity quantity : AllQuantities) {
        QLineSeries *series = m_series[size_t(quantity)];
        const bool shown = m_shown[size_t(quantity)]->isChecked();
        series->setVisible(shown);
        QList<QPointF> points;
        QList<double> spreads;
        for (const SweepStep &step : steps) {
            const RunningStatistics &readings = step.of(quantity);
            if (readings.count() == 0)
                continue;
            points << QPointF(step.value, readings.mean());
            spreads << readings.standardDeviation();
            if (shown) {
                lowest = std::min(lowest, readings.mean() - readings.standardDeviation());
                highest = std::max(highest, readings.mean() + readings.standardDeviation());
            }
        }
        series->replace(points);
        ui->Plot->setErrorBars(series, spreads);
        if (shown)
            titles << QStringLiteral("%1 [%2]").arg(quantityName(quantity), axisUnit(quantity));
    }
    fitAxis(m_quantityAxis, lowest, highest);
    m_quantityAxis->setTitleText(titles.join(QStringLiteral(", ")));

    QList<QPointF> gains;
    for (const SweepStep &step : steps) {
        if (const auto gain = gainDb(step))
            gains << QPointF(step.value, *gain);
    }
    m_gain->replace(gains);
    const bool gainShown = ui->PlotGain->isChecked();
    m_gain->setVisible(gainShown);
    m_gainAxis->setVisible(gainShown);
    const auto [least, most] = std::minmax_element(
        gains.cbegin(), gains.cend(), [](QPointF a, QPointF b) { return a.y() < b.y(); });
    fitAxis(m_gainAxis, gains.isEmpty() ? 0.0 : least->y(), gains.isEmpty() ? 0.0 : most->y());
}

void SweepWindow::exportPng()
{
    savePicture(ui->Plot->grab().toImage(), tr("Uložit obrázek PNG"), PictureName);
}

void SweepWindow::exportSvg()
{
    saveSvgPicture(*ui->Plot, PictureName);
}

void SweepWindow::exportCsv()
{
    if (!m_run)
        return;
    const QString path = askSaveFileName(
        {tr("Uložit data CSV"), suggestedPath(PictureName, QStringLiteral("csv")), tr(CsvFilter)});
    if (path.isEmpty())
        return;
    QByteArray table = sweepCsvHeader();
    for (const SweepStep &step : m_run->steps())
        table += sweepCsvRow(step);
    if (writeFileAtomically(path, table) != WriteOutcome::Written)
        showError(tr(CannotSaveText).arg(path));
}
