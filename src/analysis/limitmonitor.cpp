#include "analysis/limitmonitor.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

LimitState sideOf(const QuantityLimits &limits, double value)
{
    if (limits.lower && value < *limits.lower)
        return LimitState::Below;
    if (limits.upper && value > *limits.upper)
        return LimitState::Above;
    return LimitState::Inside;
}

bool isBackInside(const QuantityLimits &limits, double value)
{
    return (!limits.lower || value >= *limits.lower + limits.hysteresis)
           && (!limits.upper || value <= *limits.upper - limits.hysteresis);
}

} // namespace

std::optional<LimitChange> LimitMonitor::add(double value, qint64 timeMs)
{
    if (!std::isfinite(value))
        return std::nullopt;
    if (m_state != LimitState::Inside) {
        if (!isBackInside(m_limits, value))
            return std::nullopt;
        m_state = LimitState::Inside;
        return LimitChange{LimitState::Inside, timeMs};
    }
    const LimitState side = sideOf(m_limits, value);
    if (side == LimitState::Inside) {
        m_outsideSinceMs.reset();
        return std::nullopt;
    }
    if (!m_outsideSinceMs)
        m_outsideSinceMs = timeMs;
    if (timeMs - *m_outsideSinceMs < m_limits.minimumDurationMs)
        return std::nullopt;
    m_state = side;
    return LimitChange{side, *std::exchange(m_outsideSinceMs, std::nullopt)};
}

TriggeredRecording::TriggeredRecording(qint64 preTriggerMs, qint64 postTriggerMs)
    : m_preTriggerMs(preTriggerMs)
    , m_postTriggerMs(postTriggerMs)
{}

bool TriggeredRecording::add(const LimitChange &change)
{
    if (change.state == LimitState::Inside) {
        // An end without its start (the recording was switched on during a
        // violation) is nothing to count.
        m_violations = std::max(m_violations - 1, 0);
        m_lastEndMs = change.timeMs;
        return false;
    }
    ++m_violations;
    if (m_recording)
        return false;
    m_recording = true;
    m_historyFromMs = change.timeMs - m_preTriggerMs;
    if (m_stoppedAtMs)
        m_historyFromMs = std::max(m_historyFromMs, *m_stoppedAtMs + 1);
    return true;
}

bool TriggeredRecording::tick(qint64 nowMs)
{
    if (!m_recording || m_violations > 0 || nowMs - m_lastEndMs < m_postTriggerMs)
        return false;
    m_recording = false;
    m_stoppedAtMs = nowMs;
    return true;
}
