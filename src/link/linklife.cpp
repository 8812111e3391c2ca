#include "link/linklife.h"

#include <algorithm>

void LinkLife::handshakePassed()
{
    m_silentPolls = 0;
    m_answering = true;
}

void LinkLife::pollEnded(bool wholeReply)
{
    if (wholeReply) {
        handshakePassed();
        return;
    }
    m_silentPolls = std::min(m_silentPolls + 1, SilentPollsBeforeOffline);
    if (m_silentPolls == SilentPollsBeforeOffline)
        m_answering = false;
}

void LinkLife::portLost()
{
    m_answering = false;
}

// A device that has just come back is asked at the usual pace, so that its
// values return as soon as it answers; it is shown as ONLINE only then.
void LinkLife::portReopened()
{
    m_silentPolls = 0;
}

void LinkLife::reopenTried(Clock::time_point when)
{
    m_lastReopen = when;
}

int LinkLife::pollPeriodMs(int configuredMs) const
{
    if (configuredMs <= 0 || m_silentPolls < SilentPollsBeforeOffline)
        return configuredMs;
    return std::max(configuredMs, BackOffPollPeriodMs);
}

bool LinkLife::reopenDue(Clock::time_point now) const
{
    return !m_lastReopen || now - *m_lastReopen >= ReopenInterval;
}
