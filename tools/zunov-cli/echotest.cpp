#include "echotest.h"

#include "exitstatus.h"
#include "link/exchange.h"
#include "link/handshake.h"
#include "output.h"

#include <QThread>

namespace {

// The instrument has always had the steps half a second apart.
constexpr unsigned long StepPauseMs = 500;

QString stepLine(int step, std::optional<uint8_t> echo)
{
    const QString received = echo ? QString::number(*echo) : QStringLiteral("nic");
    return QStringLiteral("%1: odesláno %2, přijato %3\n")
        .arg(Handshake::stepText(step), QString::number(Handshake::TestByte), received);
}

} // namespace

int runEchoTest(TSerial &port, Output &out)
{
    bool passed = false;
    for (int step = 1; step <= Handshake::Steps; ++step) {
        if (step > 1)
            QThread::msleep(StepPauseMs);
        uint8_t byte = 0;
        const std::optional<uint8_t> echo =
            exchangeByte(port, Handshake::TestByte, byte) ? std::optional(byte) : std::nullopt;
        passed = echo == Handshake::TestByte;
        out.write(stepLine(step, echo));
        if (!passed)
            out.write(Handshake::failureMessage(step) + QLatin1Char('\n'));
    }
    if (passed)
        out.write(Handshake::OnlineMessage + QLatin1Char('\n'));
    return passed ? ExitStatus::Success : ExitStatus::Failed;
}
