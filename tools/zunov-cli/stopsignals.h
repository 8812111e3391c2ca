#pragma once

#include "platform/filedescriptor.h"

#include <QObject>
#include <QSocketNotifier>
#include <memory>

// Ctrl+C (SIGINT), SIGTERM and SIGHUP as an event of the event loop. The
// signals are blocked and read from a signalfd, so there is no asynchronous
// handler at all, and a signal that comes in the middle of an exchange waits
// until the reply is whole and written.
class StopSignals : public QObject
{
    Q_OBJECT

public:
    // Before any thread is started, so that every thread inherits the mask
    // and none of them is killed by the signal instead.
    static void block();

    StopSignals();
    ~StopSignals() override;

signals:
    void received();

private:
    void readSignal();

    FileDescriptor m_fd;
    std::unique_ptr<QSocketNotifier> m_notifier;
};
