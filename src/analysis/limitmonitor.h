#pragma once

#include <QtGlobal>
#include <cstdint>
#include <optional>

// The limits of one quantity as the user sets them; either limit may be
// absent.
struct QuantityLimits
{
    std::optional<double> lower;
    std::optional<double> upper;
    // How far back inside the limits a value must come to end a violation
    // (in the base unit), so that a value wavering at a limit does not start
    // one violation after another.
    double hysteresis = 0;
    // How long a value must stay outside before it counts, so that a single
    // spike does not.
    qint64 minimumDurationMs = 0;

    bool isSet() const { return lower || upper; }
    bool operator==(const QuantityLimits &) const = default;
};

enum class LimitState : uint8_t { Inside, Below, Above };

struct LimitChange
{
    LimitState state; // Below or Above: a violation started; Inside: it ended
    qint64 timeMs;    // started: when the value first went out; ended: the reading's time
};

// Follows the values of one quantity against its limits. A value equal to a
// limit is inside. A violation keeps the side it started on until it ends,
// even if the value swings past the other limit meanwhile.
class LimitMonitor
{
public:
    // Takes effect from the next value; a violation under way ends only as
    // the new limits say.
    void setLimits(const QuantityLimits &limits) { m_limits = limits; }
    const QuantityLimits &limits() const { return m_limits; }

    // What the value changes, if anything. A value that is not a finite
    // number changes nothing.
    std::optional<LimitChange> add(double value, qint64 timeMs);
    LimitState state() const { return m_state; }

private:
    LimitState m_state = LimitState::Inside;
    std::optional<qint64> m_outsideSinceMs;
    QuantityLimits m_limits;
};

// When a recording triggered by the violations starts and stops. It starts
// with the first violation, and its rows begin preTriggerMs before the value
// first went out; it stops postTriggerMs after the last violation ended,
// unless another one started meanwhile, which the same recording then goes
// on through.
class TriggeredRecording
{
public:
    TriggeredRecording(qint64 preTriggerMs, qint64 postTriggerMs);

    // Takes a change of any quantity's monitor. True when it starts the
    // recording: the rows from historyFromMs() on are written first.
    bool add(const LimitChange &change);
    // True, once, when the recording is to stop at nowMs; called with the
    // time of each reading after its changes were added.
    bool tick(qint64 nowMs);

    bool isRecording() const { return m_recording; }
    qint64 historyFromMs() const { return m_historyFromMs; }

private:
    qint64 m_preTriggerMs;
    qint64 m_postTriggerMs;
    bool m_recording = false;
    int m_violations = 0; // the quantities now in violation
    qint64 m_lastEndMs = 0;
    qint64 m_historyFromMs = 0;
    // The rows up to the last stop are in the file already; the history of
    // the next recording does not write them twice.
    std::optional<qint64> m_stoppedAtMs;
};
