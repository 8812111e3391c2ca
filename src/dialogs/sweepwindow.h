#pragma once

#include "analysis/sweeprun.h"

#include <QTimer>
#include <QWidget>
#include <array>
#include <memory>

namespace Ui {
class SweepWindow;
}
class InstrumentSession;
class QCheckBox;
class QLineSeries;
class QLogValueAxis;
class QValueAxis;

// "ZUNOV - Rozmítání": the generator stepped through its frequency values
// with the response measured at each, plotted as it comes (the mean of each
// chosen quantity with its standard deviation as error bars, and U2/U1 in dB
// if asked for) and saved as a table or a picture. The sweep itself is a
// SweepRun on the program's instrument session; the window sets it up and
// shows it.
class SweepWindow : public QWidget
{
    Q_OBJECT

public:
    // The period is where the poll period field starts.
    SweepWindow(InstrumentSession &session, int pollPeriodMs, QWidget *parent = nullptr);
    ~SweepWindow() override;

    SweepSettings shownSettings() const;
    void showSettings(const SweepSettings &settings);
    // The sweep under way or the last one; null before the first.
    const SweepRun *run() const { return m_run.get(); }

    void start();
    void stop();
    void resume();
    // While the connect test runs, a sweep waits for it to end.
    void allowStart(bool allowed);

signals:
    // A sweep began, or ended however it ended.
    void sweepRunning(bool running);
    // The generator is being set to this frame for the next step.
    void generatorSet(const Frame &tx);

private:
    void stepFinished(const SweepStep &step);
    void paused(SweepRun::Fault fault);
    void ended();
    void showRunState();
    void showTimeLeft();
    void plot();
    void exportPng();
    void exportSvg();
    void exportCsv();

    InstrumentSession &m_session;
    std::unique_ptr<SweepRun> m_run;
    std::unique_ptr<Ui::SweepWindow> ui;
    std::array<QLineSeries *, AllQuantities.size()> m_series{};
    std::array<QCheckBox *, AllQuantities.size()> m_shown{};
    QLineSeries *m_gain;
    QValueAxis *m_valueAxis;
    QLogValueAxis *m_logValueAxis;
    QValueAxis *m_quantityAxis;
    QValueAxis *m_gainAxis;
    QTimer m_clock; // the time left, while a sweep runs
    bool m_startAllowed = true;
};
