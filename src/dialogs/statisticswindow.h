#pragma once

#include "measure/replyinterpreter.h"

#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

namespace Ui {
class StatisticsWindow;
}
class QTableWidgetItem;
class MeasurementAnalysis;

// What the window's buttons and check boxes ask of the main window.
struct StatisticsActions
{
    std::function<void()> reset;
    std::function<void(Quantity, bool)> hold;
    // False when REL cannot start: the quantity has had no reading yet.
    std::function<bool(Quantity, bool)> relative;
};

// "ZUNOV - Statistika": count, extremes with their times, mean and standard
// deviation of each quantity since the start or the last "Vynulovat". The
// figures are kept by whoever reads the instrument; the window only shows
// them, twice a second while it is open, so that polling costs no more
// with it open than closed. Its HOLD column freezes a quantity's value on the
// main window while measuring goes on; its REL column shows and records the
// quantity as its difference to the reference taken when it is ticked.
class StatisticsWindow : public QWidget
{
public:
    StatisticsWindow(const MeasurementAnalysis &analysis, StatisticsActions actions,
                     QWidget *parent = nullptr);

    // Shows the figures as they are now.
    void refresh();
    ~StatisticsWindow() override;

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void itemChanged(QTableWidgetItem *item);

    const MeasurementAnalysis &m_analysis;
    StatisticsActions m_actions;
    std::unique_ptr<Ui::StatisticsWindow> ui;
    QTimer m_refresh;
};
