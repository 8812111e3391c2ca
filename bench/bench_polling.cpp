// Polling at a 10 ms period against the emulated instrument for a few
// seconds, the way the program runs once online: how many polls it achieves,
// whether any reply comes back out of step, and the GUI thread's CPU time per
// poll, the three graph updates included.
#include "app/tt_zunov.h"
#include "link/instrumentsession.h"
#include "support/programfixture.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <cstdio>
#include <ctime>

namespace {

constexpr int RunSeconds = 5;

double threadCpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

// The emulator's replies each have one of these forms; a reply read out of
// step would mix the bytes of two replies.
bool wellFormed(const zunovsim::Frame &r)
{
    switch (r[0]) {
    case 'c':
    case 'b':
        return r[1] == 'a' || r[1] == '`';
    case 'f':
        return r[1] >= 200 && r[1] <= 205 && r[2] == 0;
    case 'e':
        return true;
    case 'g':
        return r[1] == 0 && r[2] == 0;
    default:
        return false;
    }
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    ProgramFixture program({QByteArray("[NASTAVENI]\nPort=1\nTSER=10\n"), true, "help"});
    program.start();
    TT_ZUNOV *window = program.window();

    int polls = 0;
    int misaligned = 0;
    int incomplete = 0;
    QObject::connect(&window->session(), &InstrumentSession::polled, window,
                     [&](const Frame &rx, int received) {
                         ++polls;
                         if (received < int(rx.size()))
                             ++incomplete;
                         else if (!wellFormed({rx[0], rx[1], rx[2], rx[3]}))
                             ++misaligned;
                     });

    const double cpuStart = threadCpuSeconds();
    QElapsedTimer clock;
    clock.start();
    window->state.online = true;
    window->Timer2->setEnabled(true);
    // A loop that waits for events, as the program's own does; the test
    // helpers' waits look for them only every 10 ms.
    QEventLoop loop;
    QTimer::singleShot(RunSeconds * 1000, &loop, &QEventLoop::quit);
    loop.exec();
    window->Timer2->setEnabled(false);
    const double seconds = clock.elapsed() / 1000.0;
    const double cpu = threadCpuSeconds() - cpuStart;

    std::printf("polls: %d in %.2f s = %.1f polls/s\n", polls, seconds, polls / seconds);
    std::printf("misaligned replies: %d\n", misaligned);
    std::printf("GUI thread CPU per poll: %.1f us\n", polls ? cpu / polls * 1e6 : 0.0);
    std::printf("incomplete replies: %d\n", incomplete);
    return misaligned == 0 ? 0 : 1;
}
