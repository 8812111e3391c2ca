#include "echotest.h"

#include "exitstatus.h"
#include "link/handshake.h"
#include "link/instrumentsession.h"
#include "output.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

namespace {

// The instrument has always had the steps half a second apart.
constexpr int StepPauseMs = 500;

QString stepLine(int step, std::optional<uint8_t> echo)
{
    const QString received =
        echo ? QString::number(*echo) : QCoreApplication::translate("CliText", "nic");
    return QCoreApplication::translate("CliText", "%1: odesláno %2, přijato %3\n")
        .arg(Handshake::stepText(step), QString::number(Handshake::TestByte), received);
}

} // namespace

int runEchoTest(InstrumentSession &session, Output &out)
{
    bool passed = false;
    QEventLoop loop;
    QTimer pause;
    pause.setSingleShot(true);
    pause.setInterval(StepPauseMs);
    int step = 1;
    QObject::connect(&pause, &QTimer::timeout, &loop, [&] { session.echoStep(++step); });
    QObject::connect(&session, &InstrumentSession::echoed, &loop,
                     [&](int answered, std::optional<uint8_t> echo) {
                         passed = echo == Handshake::TestByte;
                         out.write(stepLine(answered, echo));
                         if (!passed)
                             out.write(Handshake::failureMessage(answered) + QLatin1Char('\n'));
                         if (answered < Handshake::Steps)
                             pause.start();
                         else
                             loop.quit();
                     });
    session.echoStep(step);
    loop.exec();
    if (passed)
        out.write(Handshake::onlineMessage() + QLatin1Char('\n'));
    return passed ? ExitStatus::Success : ExitStatus::Failed;
}
