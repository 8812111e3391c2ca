#pragma once

#include <chrono>
#include <optional>

// What the program knows of its link to the instrument, and the rules that
// follow: whether the link may be shown as ONLINE, how often to poll, and when
// to try a lost port again. Plain data in, plain answers out; the main window
// feeds it what happened and applies what it says.
class LinkLife
{
public:
    using Clock = std::chrono::steady_clock;

    // A bench instrument that misses three polls in a row is off or unplugged.
    static constexpr int SilentPollsBeforeOffline = 3;
    // Then it is only asked this often, so that each silent poll's read
    // time-out does not stall the window once a period.
    static constexpr int BackOffPollPeriodMs = 5000;
    // Opening a missing device costs next to nothing, but there is no point
    // in trying more often than a person replugs a cable.
    static constexpr std::chrono::milliseconds ReopenInterval{1000};

    void handshakePassed();
    void pollEnded(bool wholeReply);
    void portLost();
    void portReopened();
    void reopenTried(Clock::time_point when);

    // The instrument has answered and has not since gone quiet for
    // SilentPollsBeforeOffline polls or been lost with its port.
    bool instrumentAnswering() const { return m_answering; }
    // It missed SilentPollsBeforeOffline polls in a row and is asked only
    // at the back-off period.
    bool silentForBackOff() const { return m_silentPolls >= SilentPollsBeforeOffline; }
    // The configured period, or at least the back-off period while the
    // instrument stays silent. A period that never polls (0 or below) is
    // returned as it is.
    int pollPeriodMs(int configuredMs) const;
    bool reopenDue(Clock::time_point now) const;

    bool operator==(const LinkLife &) const = default;

private:
    int m_silentPolls = 0;
    bool m_answering = false;
    std::optional<Clock::time_point> m_lastReopen;
};
