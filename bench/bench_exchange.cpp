// One four-byte exchange through a pseudo-terminal, run on the event loop as
// the program runs it, with the emulated instrument answering at once on its
// own thread. The wire itself would need
// 8.33 ms at 9600 baud; this measures what the program and the operating
// system add on top.
#include "emulator.h"
#include "link/exchange.h"
#include "link/tserial.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTemporaryDir>
#include <atomic>
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace {

void BM_Exchange(benchmark::State &state)
{
    QTemporaryDir dir;
    zunovsim::Emulator instrument;
    instrument.setLink(dir.path().toStdString(), 1);
    instrument.start();
    TSerial port(1, dir.path());
    applyStartupConfiguration(port);
    if (!port.IsOpen()) {
        state.SkipWithError("port did not open");
        return;
    }

    const Frame poll{Command::Poll, 0, 0, 0};
    Frame reply{};
    int incomplete = 0;
    Exchange exchange(port);
    QEventLoop loop;
    QObject::connect(&exchange, &Exchange::finished, [&](const Frame &answer, int received) {
        reply = answer;
        if (received != 4)
            ++incomplete;
    });
    QObject::connect(&exchange, &Exchange::freed, &loop, &QEventLoop::quit);
    for (auto _ : state) {
        exchange.start(poll, 4, reply);
        loop.exec();
        benchmark::DoNotOptimize(reply);
    }
    state.counters["incomplete"] = incomplete;
    instrument.stop();
}

// The floor set by the operating system: four single-byte round trips through
// a bare pseudo-terminal with the simplest echo on the other side, no
// emulator, no purge, blocking reads.
void BM_BarePtyFourRoundTrips(benchmark::State &state)
{
    zunovsim::PseudoTerminal terminal;
    const int port = ::open(terminal.slavePath().c_str(), O_RDWR | O_NOCTTY);
    termios raw{};
    tcgetattr(port, &raw);
    cfmakeraw(&raw);
    tcsetattr(port, TCSANOW, &raw);
    std::atomic<bool> stop = false;
    const int master = terminal.masterFd();
    ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) & ~O_NONBLOCK);
    std::thread echo([&] {
        uint8_t byte = 0;
        while (::read(master, &byte, 1) == 1 && !stop)
            (void)!::write(master, &byte, 1);
    });
    uint8_t byte = 0;
    for (auto _ : state) {
        for (int i = 0; i < 4; ++i) {
            (void)!::write(port, &byte, 1);
            (void)!::read(port, &byte, 1);
        }
    }
    stop = true;
    (void)!::write(port, &byte, 1);
    echo.join();
    ::close(port);
}

} // namespace

BENCHMARK(BM_BarePtyFourRoundTrips)->Unit(benchmark::kMicrosecond)->MinTime(2.0)->UseRealTime();
BENCHMARK(BM_Exchange)->Unit(benchmark::kMicrosecond)->MinTime(2.0)->UseRealTime();

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
