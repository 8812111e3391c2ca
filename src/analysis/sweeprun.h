#pragma once

#include "analysis/sweepplan.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <vector>

class InstrumentSession;

// Runs a sweep through the instrument session, step by step as a person
// would by hand: the generator frame for the step's value, the settle time
// once the instrument has taken it, then the step's polls a period apart,
// whose readings make the step's statistics. Nothing here waits: every wait
// is a timer or an exchange on the event loop.
//
// An exchange that does not come back whole (a silent instrument, a device
// that went away) pauses the sweep; resume() runs the interrupted step again
// from its upload, and what the finished steps measured stays as it is.
class SweepRun : public QObject
{
    Q_OBJECT

public:
    enum class State { Ready, Running, Paused, Finished, Stopped };
    enum class Fault { Silent, Lost };
    Q_ENUM(State)
    Q_ENUM(Fault)

    // The settings must be valid.
    SweepRun(InstrumentSession &session, const SweepSettings &settings, QObject *parent = nullptr);

    void start();
    // Ends the sweep: after the exchange under way, or at once while it
    // waits for the settle time, the next poll or a resume.
    void stop();
    void resume();

    State state() const { return m_state; }
    bool isActive() const { return m_state == State::Running || m_state == State::Paused; }
    const SweepSettings &settings() const { return m_settings; }
    const std::vector<uint8_t> &values() const { return m_values; }
    const std::vector<SweepStep> &steps() const { return m_steps; }
    // What the rest of the sweep takes by its settings, less what the step
    // under way has already spent.
    qint64 timeLeftMs() const;

signals:
    // The generator is being set for a step.
    void stepStarted(const Frame &tx);
    void stepFinished(const SweepStep &step);
    void paused(SweepRun::Fault fault);
    // Finished or stopped; state() says which.
    void ended();

private:
    enum class Awaiting { Nothing, Upload, Poll };

    void beginStep();
    void uploadEnded(const Frame &reply, int received);
    void pollNext();
    void pollEnded(const Frame &reply, int received);
    // False, and the sweep has paused or ended, when the exchange that just
    // came back stops it from going on.
    bool goOnAfter(int received);
    void end(State state);

    InstrumentSession &m_session;
    const SweepSettings m_settings;
    const std::vector<uint8_t> m_values;
    std::vector<SweepStep> m_steps;
    SweepStep m_current;
    State m_state = State::Ready;
    Awaiting m_awaiting = Awaiting::Nothing;
    bool m_stopRequested = false;
    int m_pollsDone = 0;
    QTimer m_wait;
    QElapsedTimer m_stepClock;
    QElapsedTimer m_pollClock;
};
