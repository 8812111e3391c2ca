#pragma once

#include <memory>

class TT_ZUNOV;
class TfrmOProgramu;
class Tnapoved;
class TPripoj;
class TGraff;
class TNast;
class StatisticsWindow;
class TrendWindow;
class LimitsWindow;
class SweepWindow;
struct Configuration;

// All windows of the program, created hidden in their fixed order and living
// until the program ends; the main window is handed the others. A test can
// create and destroy a whole set more than once.
class AppWindows
{
public:
    // Reads the settings file of the working directory once, for all windows.
    AppWindows();
    explicit AppWindows(const Configuration &configuration);
    ~AppWindows();

    AppWindows(const AppWindows &) = delete;
    AppWindows &operator=(const AppWindows &) = delete;

    TT_ZUNOV *mainWindow() const { return m_main.get(); }
    TfrmOProgramu *aboutWindow() const { return m_about.get(); }
    Tnapoved *helpWindow() const { return m_help.get(); }
    TGraff *graphWindow() const { return m_graph.get(); }
    TPripoj *connectWindow() const { return m_connect.get(); }
    TNast *settingsWindow() const { return m_settings.get(); }
    StatisticsWindow *statisticsWindow() const { return m_statistics.get(); }
    TrendWindow *trendWindow() const { return m_trend.get(); }
    LimitsWindow *limitsWindow() const { return m_limits.get(); }
    SweepWindow *sweepWindow() const { return m_sweep.get(); }

private:
    std::unique_ptr<TT_ZUNOV> m_main;
    std::unique_ptr<TfrmOProgramu> m_about;
    std::unique_ptr<Tnapoved> m_help;
    std::unique_ptr<TGraff> m_graph;
    std::unique_ptr<TPripoj> m_connect;
    std::unique_ptr<TNast> m_settings;
    std::unique_ptr<StatisticsWindow> m_statistics;
    std::unique_ptr<TrendWindow> m_trend;
    std::unique_ptr<LimitsWindow> m_limits;
    std::unique_ptr<SweepWindow> m_sweep;
};
