#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

// A timer with the semantics the handlers rely on, which QTimer alone does not
// give: enabling a running timer does not restart its countdown, setting the
// interval it already has changes nothing, and an interval of 0 or below means
// the timer never fires (QTimer would spin on 0 and report a negative one as
// active). A new interval on a running timer restarts the countdown.
class Timer : public QObject
{
    Q_OBJECT

public:
    explicit Timer(int intervalMs = 1000, QObject *parent = nullptr);

    bool enabled() const { return m_enabled; }
    void setEnabled(bool enabled);

    int interval() const { return m_interval; }
    void setInterval(int intervalMs);

    // True while a countdown is actually running (enabled with a positive
    // interval, and not suspended).
    bool isCounting() const { return m_timer.isActive(); }

    // Suspended, the timer stays enabled but wakes nobody: its ticks are
    // skipped. Resumed, it fires at the next tick of the rhythm it had, as if
    // it had been ticking all along.
    void suspend();
    void resume();

signals:
    void timeout();

private:
    void apply();
    void fired();

    QTimer m_timer;
    // Ticks fall due a whole number of intervals after this.
    QElapsedTimer m_rhythm;
    bool m_enabled = false;
    bool m_suspended = false;
    int m_interval;
};
