#include "app/appwindows.h"

#include "app/tt_zunov.h"
#include "config/configuration.h"
#include "dialogs/limitswindow.h"
#include "dialogs/statisticswindow.h"
#include "dialogs/sweepwindow.h"
#include "dialogs/tfrmoprogramu.h"
#include "dialogs/tnapoved.h"
#include "dialogs/tnast.h"
#include "dialogs/tpripoj.h"
#include "dialogs/trendwindow.h"
#include "measure/tgraff.h"
#include "platform/framepacer.h"

AppWindows::AppWindows()
    : AppWindows(readConfiguration(configurationFilePath()))
{}

AppWindows::AppWindows(const Configuration &configuration)
    : m_main(std::make_unique<TT_ZUNOV>(configuration))
    , m_about(std::make_unique<TfrmOProgramu>())
    , m_help(std::make_unique<Tnapoved>())
    , m_graph(std::make_unique<TGraff>())
    , m_connect(std::make_unique<TPripoj>())
    , m_settings(
          std::make_unique<TNast>([main = m_main.get()] { main->requestRestart(); }, configuration))
    , m_statistics(std::make_unique<StatisticsWindow>(
          m_main->analysis(),
          StatisticsActions{[main = m_main.get()] { main->resetStatistics(); },
                            [main = m_main.get()](Quantity quantity, bool held) {
                                main->holdValue(quantity, held);
                            },
                            [main = m_main.get()](Quantity quantity, bool relative) {
                                return main->showRelative(quantity, relative);
                            }}))
    , m_trend(std::make_unique<TrendWindow>(m_main->analysis().history()))
    , m_limits(std::make_unique<LimitsWindow>(m_main->limitSettings(),
                                              [main = m_main.get()](const LimitSettings &settings) {
                                                  return main->applyLimits(settings);
                                              }))
    , m_sweep(std::make_unique<SweepWindow>(m_main->session(), configuration.pollPeriodMs))
{
    m_main->attachWindows({*m_about, *m_help, *m_graph, *m_connect, *m_settings, *m_statistics,
                           *m_trend, *m_limits, *m_sweep});
    // The two windows that every poll changes.
    new FramePacer(m_main.get());
    new FramePacer(m_graph.get());
    QObject::connect(m_graph.get(), &TGraff::closed, m_main.get(), &TT_ZUNOV::graphWindowClosed);
}

AppWindows::~AppWindows()
{
    // The main window drives the others, so they go first, and the main
    // window with the serial port last.
    m_sweep.reset();
    m_limits.reset();
    m_trend.reset();
    m_statistics.reset();
    m_settings.reset();
    m_connect.reset();
    m_graph.reset();
    m_help.reset();
    m_about.reset();
    m_main.reset();
}
