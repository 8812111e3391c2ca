#include "analysis/statistics.h"

#include <cmath>

void RunningStatistics::add(double value, qint64 timeMs)
{
    if (!std::isfinite(value))
        return;
    ++m_count;
    if (m_count == 1 || value < m_minimum) {
        m_minimum = value;
        m_minimumTimeMs = timeMs;
    }
    if (m_count == 1 || value > m_maximum) {
        m_maximum = value;
        m_maximumTimeMs = timeMs;
    }
    const double delta = value - m_mean;
    m_mean += delta / double(m_count);
    m_squaredDeviations += delta * (value - m_mean);
}

double RunningStatistics::standardDeviation() const
{
    return m_count < 2 ? 0 : std::sqrt(m_squaredDeviations / double(m_count - 1));
}

void ReadingStatistics::add(const Reading &reading, qint64 timeMs)
{
    m_quantities[size_t(reading.quantity)].add(reading.value, timeMs);
}
