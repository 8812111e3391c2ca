#include "platform/timer.h"

Timer::Timer(int intervalMs, QObject *parent)
    : QObject(parent)
    , m_interval(intervalMs)
{
    // The handshake steps and the status tick are short; coarse timers could
    // stretch a 100 ms tick by 5 %.
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &Timer::timeout);
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
    if (m_enabled && m_interval > 0)
        m_timer.start(m_interval);
}
