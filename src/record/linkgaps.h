#pragma once

#include <optional>

class InstrumentSession;

// How the instrument stands as a recording sees it.
enum class LinkState {
    Waiting,   // the port is open but nothing has answered on it yet
    Answering, // whole replies come
    Away,      // the port was lost, or the instrument stayed silent for the back-off
};

LinkState linkState(const InstrumentSession &session);

// When a recording marks a gap: one row when the instrument goes away and one
// when it comes back, however many polls the absence lasts, so that a plot
// shows the gap instead of a straight line across it. Nothing is marked on
// the way from Waiting to Answering: the readings themselves say that the
// instrument is there, and a recording that starts before the first reply
// has no gap to show.
class LinkGapMarks
{
public:
    explicit LinkGapMarks(LinkState atStart);

    // The row due now, if any: false for "went away", true for "came back".
    std::optional<bool> update(LinkState now);

private:
    std::optional<bool> m_online; // as last marked, or as found at the start
};
