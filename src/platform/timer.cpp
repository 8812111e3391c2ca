#include "platform/timer.h"

Timer::Timer(int intervalMs, QObject *parent)
    : QObject(parent)
    , m_interval(intervalMs)
{
    // The handshake steps and the status tick are short; coarse timers could
    // stretch a 100 ms tick by 5 %.
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &Timer::fired);
    m_rhythm.start();
}

void Timer::setEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    apply();
}

void Timer::setInterval(int intervalMs)
{
    if (intervalMs == m_interval)
        return;
    m_interval = intervalMs;
    apply();
}

void Timer::apply()
{
    m_timer.stop();
    m_rhythm.start();
    if (m_enabled && m_interval > 0 && !m_suspended)
        m_timer.start(m_interval);
}

void Timer::suspend()
{
    m_suspended = true;
    m_timer.stop();
}

void Timer::resume()
{
    if (!m_suspended)
        return;
    m_suspended = false;
    if (!m_enabled || m_interval <= 0)
        return;
    const qint64 intoTick = m_rhythm.elapsed() % m_interval;
    m_timer.start(int(m_interval - intoTick));
}

void Timer::fired()
{
    // The first tick after a resume came early in the countdown's terms; the
    // ones after it are a whole interval apart again.
    if (m_timer.interval() != m_interval)
        m_timer.start(m_interval);
    emit timeout();
}
