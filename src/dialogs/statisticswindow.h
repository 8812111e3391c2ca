#pragma once

#include "measure/replyinterpreter.h"

#include <QTimer>
#include <QWidget>
#include <functional>

class QTableWidget;
class ReadingStatistics;

// "ZUNOV - Statistika": count, extremes with their times, mean and standard
// deviation of each quantity since the start or the last "Vynulovat". The
// figures are kept by whoever reads the instrument; the window only shows
// them, twice a second while it is open, so that polling costs no more
// with it open than closed. Its HOLD column freezes a quantity's value on the
// main window while measuring goes on.
class StatisticsWindow : public QWidget
{
public:
    StatisticsWindow(const ReadingStatistics &statistics, std::function<void()> reset,
                     std::function<void(Quantity, bool)> hold, QWidget *parent = nullptr);

    // Shows the figures as they are now.
    void refresh();

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    const ReadingStatistics &m_statistics;
    std::function<void()> m_reset;
    std::function<void(Quantity, bool)> m_hold;
    QTableWidget *m_table;
    QTimer m_refresh;
};
