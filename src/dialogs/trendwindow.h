#pragma once

#include "analysis/readinghistory.h"

#include <QTimer>
#include <QWidget>
#include <array>
#include <memory>
#include <optional>

namespace Ui {
class TrendWindow;
}
class QDateTimeAxis;
class QLineSeries;
class QValueAxis;

// "ZUNOV - Průběh": one quantity over the whole session, or over a recording
// read back, with local time on one axis and the value with its unit on the
// other. Each drawing takes from the history only the extremes of each
// pixel column, so a day of readings draws as fast as a minute. While the
// window is open and not paused it follows the session twice a second.
class TrendWindow : public QWidget
{
public:
    explicit TrendWindow(const ReadingHistory &session, QWidget *parent = nullptr);
    ~TrendWindow() override;

    Quantity quantity() const;
    // The visible time range, in ms since the epoch; setting one leaves the
    // whole-session view.
    void setTimeRange(qint64 fromMs, qint64 toMs);
    std::array<qint64, 2> timeRange() const { return {m_fromMs, m_toMs}; }
    void showWholeSession();
    // Draws afresh from the history.
    void refresh();
    // Shows a recorded CSV file instead of the session; malformed rows are
    // reported with their line numbers. False when nothing could be shown.
    bool openRecording(const QString &path);
    void showSession();
    void setCursors(std::optional<std::array<qint64, 2>> times);
    QString cursorReadout() const;

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    const QuantityHistory &shownHistory() const;
    void zoomAt(qint64 centreMs, double factor);
    void panBy(qint64 shiftMs);
    void followSession();
    void showCursorReadout();
    void exportPng();
    void exportSvg();
    void exportCsv();
    void askForRecording();

    const ReadingHistory &m_session;
    std::unique_ptr<ReadingHistory> m_recording; // a file read back; null: the session
    bool m_wholeSession = true;
    qint64 m_fromMs = 0;
    qint64 m_toMs = 0;
    std::optional<std::array<qint64, 2>> m_cursors;

    std::unique_ptr<Ui::TrendWindow> ui;
    QLineSeries *m_series;
    QDateTimeAxis *m_timeAxis;
    QValueAxis *m_valueAxis;
    QTimer m_follow;
};
