#include "stopsignals.h"

#include <csignal>
#include <sys/signalfd.h>

namespace {

sigset_t stopSignalSet()
{
    sigset_t set;
    sigemptyset(&set);
    for (int signal : {SIGINT, SIGTERM, SIGHUP})
        sigaddset(&set, signal);
    return set;
}

int openSignalFd()
{
    const sigset_t set = stopSignalSet();
    return signalfd(-1, &set, SFD_CLOEXEC | SFD_NONBLOCK);
}

} // namespace

void StopSignals::block()
{
    const sigset_t set = stopSignalSet();
    pthread_sigmask(SIG_BLOCK, &set, nullptr);
}

StopSignals::StopSignals()
    : m_fd(openSignalFd())
{
    if (!m_fd.isOpen()) {
        // Nothing would ever read them: better stopped the hard way than not at all.
        const sigset_t set = stopSignalSet();
        pthread_sigmask(SIG_UNBLOCK, &set, nullptr);
        return;
    }
    m_notifier = std::make_unique<QSocketNotifier>(m_fd.get(), QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, &StopSignals::readSignal);
}

StopSignals::~StopSignals() = default;

void StopSignals::readSignal()
{
    signalfd_siginfo info{};
    while (::read(m_fd.get(), &info, sizeof info) == ssize_t(sizeof info)) {
    }
    emit received();
}
