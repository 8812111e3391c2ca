#include "analysis/sweeprun.h"

#include "link/instrumentsession.h"
#include "link/tserial.h"

#include <QDateTime>
#include <algorithm>

SweepRun::SweepRun(InstrumentSession &session, const SweepSettings &settings, QObject *parent)
    : QObject(parent)
    , m_session(session)
    , m_settings(settings)
    , m_values(sweepValues(settings))
{
    m_wait.setSingleShot(true);
    m_wait.setTimerType(Qt::PreciseTimer);
    connect(&m_wait, &QTimer::timeout, this, &SweepRun::pollNext);
    connect(&m_session, &InstrumentSession::uploaded, this, &SweepRun::uploadEnded);
    connect(&m_session, &InstrumentSession::polled, this, &SweepRun::pollEnded);
}

void SweepRun::start()
{
    if (m_state != State::Ready)
        return;
    m_state = State::Running;
    beginStep();
}

void SweepRun::stop()
{
    if (!isActive())
        return;
    if (m_awaiting == Awaiting::Nothing)
        end(State::Stopped);
    else
        m_stopRequested = true;
}

void SweepRun::resume()
{
    if (m_state != State::Paused)
        return;
    m_state = State::Running;
    // A device that went away may be back; the step's upload finds out.
    m_session.openPort();
    beginStep();
}

qint64 SweepRun::timeLeftMs() const
{
    const qint64 stepsLeft = qint64(m_values.size()) - qint64(m_steps.size());
    qint64 left = stepsLeft * m_settings.stepMs();
    if (m_state == State::Running && m_stepClock.isValid())
        left -= std::min<qint64>(m_stepClock.elapsed(), m_settings.stepMs());
    return isActive() || m_state == State::Ready ? std::max<qint64>(left, 0) : 0;
}

void SweepRun::beginStep()
{
    if (m_steps.size() == m_values.size()) {
        end(State::Finished);
        return;
    }
    const uint8_t value = m_values[m_steps.size()];
    m_current = SweepStep{int(m_steps.size()) + 1,
                          m_settings.waveformCode,
                          value,
                          generatorFrame(m_settings.waveformCode, value),
                          {}};
    m_pollsDone = 0;
    m_stepClock.start();
    emit stepStarted(m_current.tx);
    if (m_state != State::Running)
        return; // a listener stopped the sweep
    m_session.watchLink();
    m_awaiting = Awaiting::Upload;
    m_session.upload(m_current.tx);
}

void SweepRun::uploadEnded(const Frame &, int received)
{
    if (m_awaiting != Awaiting::Upload)
        return;
    m_awaiting = Awaiting::Nothing;
    if (goOnAfter(received))
        m_wait.start(m_settings.settleMs);
}

void SweepRun::pollNext()
{
    m_pollClock.start();
    m_session.watchLink();
    m_awaiting = Awaiting::Poll;
    // As the main window polls after an upload: the poll command, with the
    // generator's setting still in the frame.
    Frame request = m_current.tx;
    request[0] = Command::Poll;
    m_session.poll(request);
}

void SweepRun::pollEnded(const Frame &reply, int received)
{
    if (m_awaiting != Awaiting::Poll)
        return;
    m_awaiting = Awaiting::Nothing;
    if (received == int(reply.size())) {
        const qint64 nowMs = QDateTime::currentMSecsSinceEpoch();
        for (const Reading &reading : interpretReply(reply).readings)
            m_current.readings[size_t(reading.quantity)].add(reading.value, nowMs);
        ++m_pollsDone;
    }
    // A step whose last poll came back is kept even when a stop came
    // meanwhile: it is as good as any other.
    const bool stepDone = m_pollsDone == m_settings.readings;
    if (stepDone) {
        m_steps.push_back(m_current);
        emit stepFinished(m_steps.back());
    }
    // A listener may have stopped the sweep.
    if (m_state != State::Running || !goOnAfter(received))
        return;
    if (stepDone)
        beginStep();
    else
        m_wait.start(std::max<qint64>(0, m_settings.periodMs - m_pollClock.elapsed()));
}

bool SweepRun::goOnAfter(int received)
{
    if (m_stopRequested) {
        end(State::Stopped);
        return false;
    }
    if (received == int(Frame{}.size()))
        return true;
    m_state = State::Paused;
    emit paused(m_session.port().IsOpen() ? Fault::Silent : Fault::Lost);
    return false;
}

void SweepRun::end(State state)
{
    m_wait.stop();
    m_awaiting = Awaiting::Nothing;
    m_stopRequested = false;
    m_state = state;
    emit ended();
}
