#pragma once

#include "instrument.h"
#include "pseudoterminal.h"

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace zunovsim {

// Runs the instrument on a pseudo-terminal, on a thread of its own, so that a
// test or the zunov-sim program can talk to it through the slave like through
// a real serial port.
//
// start() opens a fresh pseudo-terminal (and the COM<N> link, if one was
// asked for) and starts the thread; stop() ends the thread and closes the
// line. The instrument, with its counters, script and faults, lives as long
// as the Emulator, across any number of start/stop rounds.
//
// Every method may be called from any thread while the emulator runs. The
// report handler is called on the emulator's thread.
class Emulator
{
public:
    using ReportHandler = std::function<void(std::string_view)>;

    explicit Emulator(uint32_t seed = 1);
    ~Emulator();
    Emulator(const Emulator &) = delete;
    Emulator &operator=(const Emulator &) = delete;

    // Before start(): where the COM<portNumber> link goes, and who hears the reports.
    void setLink(const std::string &dirPath, int portNumber);
    void setReportHandler(ReportHandler handler);

    // Throws std::system_error when no pseudo-terminal can be made, or (with
    // EEXIST) when the link's name is taken by something not ours.
    void start();
    void stop();
    bool isRunning() const;

    std::string slavePath() const;
    std::string linkPath() const;

    void setFaults(const Faults &faults);
    // A corner frequency in Hz switches the bench model on (see BenchModel);
    // nullopt switches it off.
    void setBench(std::optional<double> cornerHz);
    void queueReplies(const std::vector<Frame> &replies);

    int handshakeCount() const;
    int exchangeCount() const;
    std::vector<Frame> framesReceived() const;
    std::optional<GeneratorSetting> lastGenerator() const;
    std::vector<std::string> reports() const;
    bool hungUp() const;

private:
    void run(int masterFd);
    std::optional<Answer> receive(uint8_t byte, std::vector<std::string> &newReports);
    void publish(const std::vector<std::string> &newReports);

    mutable std::mutex m_mutex;
    Instrument m_instrument;
    std::vector<std::string> m_reports;
    bool m_hungUp = false;
    ReportHandler m_reportHandler;
    std::string m_linkDir;
    int m_linkPort = 0;
    std::string m_slavePath;
    std::string m_linkPath;
    std::unique_ptr<PseudoTerminal> m_terminal;
    std::atomic<bool> m_stopRequested = false;
    std::atomic<bool> m_running = false;
    std::thread m_thread;
};

} // namespace zunovsim
