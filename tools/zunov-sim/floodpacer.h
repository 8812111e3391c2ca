#pragma once

#include <algorithm>
#include <chrono>

namespace zunovsim {

// Paces the unsolicited bytes of the flood fault: how many are due now, for a
// rate that may change at any moment. A rate faster than the line can take is
// not made up for later, so the flood never turns into one endless burst.
class FloodPacer
{
public:
    using Clock = std::chrono::steady_clock;
    static constexpr int MaxBurst = 256;

    int bytesDue(int perSecond, Clock::time_point now)
    {
        if (perSecond != m_rate) {
            m_rate = perSecond;
            m_next = now;
        }
        if (m_rate <= 0)
            return 0;
        // In the clock's own ticks: a second divided in whole seconds would
        // be no time at all for any rate above one a second.
        const auto interval = Clock::duration(std::chrono::seconds{1}) / m_rate;
        int due = 0;
        for (; due < MaxBurst && m_next <= now; ++due)
            m_next += interval;
        m_next = std::max(m_next, now);
        return due;
    }

    // When the next byte is due, or never.
    Clock::time_point next() const { return m_rate > 0 ? m_next : Clock::time_point::max(); }

private:
    int m_rate = 0;
    Clock::time_point m_next;
};

} // namespace zunovsim
