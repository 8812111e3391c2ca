#include "emulator.h"

#include "decimal.h"
#include "floodpacer.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <deque>
#include <poll.h>
#include <unistd.h>

namespace zunovsim {

namespace {
using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// The thread looks at the stop request this often, also when the line is quiet.
constexpr milliseconds PollSlice{50};
// The program writes the next byte of a frame at most one read time-out
// (1000 ms) after the previous one; a silence much longer than that means the
// frame will never be finished, and the next byte must be looked at afresh.
constexpr milliseconds FrameGap{2500};
// Time for the program to read the last reply byte before the line goes dead.
constexpr milliseconds HangUpGrace{100};
constexpr std::size_t ReadChunk = 64;

struct Pending
{
    uint8_t byte;
    Clock::time_point due;
};

int millisecondsUntil(Clock::time_point when, Clock::time_point now)
{
    const auto left = std::chrono::ceil<milliseconds>(when - now);
    return static_cast<int>(std::clamp(left, milliseconds{0}, PollSlice).count());
}
} // namespace

Emulator::Emulator(uint32_t seed)
    : m_instrument(seed)
{}

Emulator::~Emulator()
{
    stop();
}

void Emulator::setLink(const std::string &dirPath, int portNumber)
{
    std::lock_guard lock(m_mutex);
    m_linkDir = dirPath;
    m_linkPort = portNumber;
}

void Emulator::setReportHandler(ReportHandler handler)
{
    std::lock_guard lock(m_mutex);
    m_reportHandler = std::move(handler);
}

void Emulator::start()
{
    stop();
    auto terminal = std::make_unique<PseudoTerminal>();
    {
        std::lock_guard lock(m_mutex);
        if (!m_linkDir.empty())
            terminal->createLink(m_linkDir, "COM" + decimal(m_linkPort));
        m_slavePath = terminal->slavePath();
        m_linkPath = terminal->linkPath();
        m_hungUp = false;
        // A frame cut off by the last hang-up or stop is not continued on a
        // new line: the instrument starts afresh as after power-up.
        m_instrument.abandonFrame();
    }
    m_terminal = std::move(terminal);
    m_stopRequested = false;
    m_running = true;
    m_thread = std::thread([this, fd = m_terminal->masterFd()] { run(fd); });
}

void Emulator::stop()
{
    m_stopRequested = true;
    if (m_thread.joinable())
        m_thread.join();
    m_running = false;
    m_terminal.reset();
}

bool Emulator::isRunning() const
{
    return m_running;
}

std::string Emulator::slavePath() const
{
    std::lock_guard lock(m_mutex);
    return m_slavePath;
}

std::string Emulator::linkPath() const
{
    std::lock_guard lock(m_mutex);
    return m_linkPath;
}

void Emulator::setFaults(const Faults &faults)
{
    std::lock_guard lock(m_mutex);
    m_instrument.setFaults(faults);
}

void Emulator::setBench(std::optional<double> cornerHz)
{
    std::lock_guard lock(m_mutex);
    m_instrument.setBench(cornerHz);
}

void Emulator::queueReplies(const std::vector<Frame> &replies)
{
    std::lock_guard lock(m_mutex);
    m_instrument.queueReplies(replies);
}

int Emulator::handshakeCount() const
{
    std::lock_guard lock(m_mutex);
    return m_instrument.handshakeCount();
}

int Emulator::exchangeCount() const
{
    std::lock_guard lock(m_mutex);
    return m_instrument.exchangeCount();
}

std::vector<Frame> Emulator::framesReceived() const
{
    std::lock_guard lock(m_mutex);
    return m_instrument.framesReceived();
}

std::optional<GeneratorSetting> Emulator::lastGenerator() const
{
    std::lock_guard lock(m_mutex);
    return m_instrument.lastGenerator();
}

std::vector<std::string> Emulator::reports() const
{
    std::lock_guard lock(m_mutex);
    return m_reports;
}

bool Emulator::hungUp() const
{
    std::lock_guard lock(m_mutex);
    return m_hungUp;
}

std::optional<Answer> Emulator::receive(uint8_t byte, std::vector<std::string> &newReports)
{
    std::lock_guard lock(m_mutex);
    const int exchangesBefore = m_instrument.exchangeCount();
    auto answer = m_instrument.onByte(byte);
    if (m_instrument.exchangeCount() != exchangesBefore
        && m_instrument.framesReceived().back()[0] == Instrument::Generator) {
        newReports.push_back(Instrument::describe(*m_instrument.lastGenerator()));
    }
    return answer;
}

// Reports go out without the lock held, so a handler may call back into us.
void Emulator::publish(const std::vector<std::string> &newReports)
{
    ReportHandler handler;
    {
        std::lock_guard lock(m_mutex);
        m_reports.insert(m_reports.end(), newReports.begin(), newReports.end());
        handler = m_reportHandler;
    }
    if (handler) {
        for (const auto &text : newReports)
            handler(text);
    }
}

void Emulator::run(int masterFd)
{
    // Answers leave in the order they were made: a late byte holds back the
    // ones behind it, as a busy instrument would.
    std::deque<Pending> outgoing;
    Clock::time_point lastReceived = Clock::now();
    Clock::time_point hangUpAt = Clock::time_point::max();
    FloodPacer flood;

    while (!m_stopRequested) {
        Clock::time_point now = Clock::now();
        Clock::time_point wakeUp = std::min(flood.next(), now + PollSlice);
        if (!outgoing.empty())
            wakeUp = std::min(wakeUp, outgoing.front().due);
        pollfd watch{masterFd, POLLIN, 0};
        if (::poll(&watch, 1, millisecondsUntil(wakeUp, now)) < 0 && errno != EINTR)
            break;
        // We hold a slave descriptor ourselves, so the master never hangs up
        // under us; anything else is a broken line we must not spin on.
        if (watch.revents & (POLLERR | POLLNVAL))
            break;

        now = Clock::now();
        std::vector<std::string> newReports;
        if (watch.revents & POLLIN) {
            std::array<uint8_t, ReadChunk> received{};
            const ssize_t count = ::read(masterFd, received.data(), received.size());
            for (ssize_t i = 0; i < count; ++i) {
                if (auto answer = receive(received[static_cast<std::size_t>(i)], newReports)) {
                    Clock::time_point due = now + answer->delay;
                    if (!outgoing.empty())
                        due = std::max(due, outgoing.back().due);
                    outgoing.push_back({answer->byte, due});
                }
            }
            if (count > 0)
                lastReceived = now;
        }

        while (!outgoing.empty() && outgoing.front().due <= now) {
            if (::write(masterFd, &outgoing.front().byte, 1) != 1)
                break; // the program's input queue is full; try again on the next pass
            outgoing.pop_front();
        }

        bool hangUpDue = false;
        int wantedFlood = 0;
        {
            std::lock_guard lock(m_mutex);
            if (m_instrument.insideFrame() && now - lastReceived > FrameGap)
                m_instrument.abandonFrame();
            hangUpDue = m_instrument.hangUpDue();
            wantedFlood = m_instrument.faults().floodPerSecond;
        }

        // Unasked bytes skip the byte delay and any late byte: a steady random
        // stream shifted in time looks just the same.
        for (int i = flood.bytesDue(wantedFlood, now); i > 0; --i) {
            uint8_t byte = 0;
            {
                std::lock_guard lock(m_mutex);
                byte = m_instrument.unsolicitedByte();
            }
            (void)!::write(masterFd, &byte, 1); // nobody is reading: the byte is lost, as on a wire
        }

        if (hangUpDue && outgoing.empty()) {
            hangUpAt = std::min(hangUpAt, now + HangUpGrace);
            if (now >= hangUpAt) {
                m_terminal->hangUp();
                {
                    std::lock_guard lock(m_mutex);
                    m_hungUp = true;
                }
                newReports.push_back("hang-up");
            }
        }
        if (!newReports.empty())
            publish(newReports);
        if (!m_terminal->isOpen())
            break;
    }
    m_running = false;
}

} // namespace zunovsim
