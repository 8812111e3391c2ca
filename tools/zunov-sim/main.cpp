// zunov-sim: the ZUNOV instrument on a pseudo-terminal, for trying the
// program without hardware. See --help.
#include "commandline.h"
#include "emulator.h"

#include <csignal>
#include <ctime>
#include <iostream>
#include <mutex>
#include <system_error>

using namespace zunovsim;

namespace {
// How often the main thread looks whether the emulator has hung up.
constexpr long WaitSliceNs = 100'000'000;
// The exit status when COM<N> is someone else's: scripts/run then starts the
// program against that link without us.
constexpr int LinkNameTaken = 3;

std::mutex outputMutex;

void printLine(std::string_view text)
{
    std::lock_guard lock(outputMutex);
    std::cout << text << std::endl;
}
} // namespace

int main(int argc, char *argv[])
{
    const CommandLine options = CommandLine::parse(std::vector<std::string>(argv + 1, argv + argc));
    if (!options.error.empty()) {
        std::cerr << "zunov-sim: " << options.error << '\n';
        return 2;
    }
    if (options.help) {
        std::cout << CommandLine::helpText();
        return 0;
    }

    // Block the signals before the emulator's thread exists, so that it
    // inherits the mask and only the wait below ever takes them.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);
    // Whoever reads our reports may go away first; that must not kill us
    // before the link is removed.
    std::signal(SIGPIPE, SIG_IGN);

    Emulator emulator(options.seed);
    emulator.setFaults(options.faults);
    emulator.setBench(options.benchCornerHz);
    emulator.setLink(options.dir, options.port);
    emulator.setReportHandler(printLine);
    try {
        emulator.start();
    } catch (const std::system_error &error) {
        if (error.code() == std::errc::file_exists) {
            std::cerr << "zunov-sim: " << error.what()
                      << ": not a link left by the emulator, so it is left alone\n";
            return LinkNameTaken;
        }
        std::cerr << "zunov-sim: " << error.what() << '\n';
        return 1;
    }
    printLine(emulator.slavePath());

    const timespec slice{0, WaitSliceNs};
    while (sigtimedwait(&stopSignals, nullptr, &slice) < 0) {
        if (!emulator.isRunning())
            break; // hung up on purpose: the instrument is gone
    }
    emulator.stop();
    return 0;
}
