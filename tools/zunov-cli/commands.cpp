#include "commands.h"

#include "clitexts.h"
#include "config/configuration.h"
#include "link/devicestatus.h"
#include "link/handshake.h"
#include "link/instrumentsession.h"
#include "link/openfailure.h"
#include "link/portlist.h"
#include "link/tserial.h"
#include "measurement.h"
#include "platform/writeall.h"
#include "record/rowfields.h"
#include "sweepcommand.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QTimer>
#include <memory>

bool Output::write(const QByteArray &bytes)
{
    if (m_error == 0)
        m_error = writeAll(m_fd, bytes);
    return m_error == 0;
}

namespace {

constexpr int DefaultPeriodMs = 1000;
// The instrument has always had the echo test's steps half a second apart.
constexpr int StepPauseMs = 500;

// --period, else TSER of ZUNOV.INI where it is one that can run (the program
// never polls with 0), else a second.
int periodOf(const CliRequest &request, const Configuration &configuration)
{
    if (request.periodMs)
        return *request.periodMs;
    return configuration.pollPeriodMs > 0 ? configuration.pollPeriodMs : DefaultPeriodMs;
}

// The device of --device, the COM<N> of --port, or else the port ZUNOV.INI of
// the current folder names (Zarizeni, else Port), opened and configured as the
// program opens it.
std::unique_ptr<InstrumentSession> openInstrumentSession(const CliRequest &request,
                                                         const Configuration &configuration)
{
    // --port names the port by its number alone, whatever device ZUNOV.INI names.
    const int number = request.port.value_or(configuration.port);
    const QString device = !request.device.isEmpty() ? request.device
                           : request.port            ? QString()
                                                     : configuration.device;
    return std::make_unique<InstrumentSession>(number, QDir::currentPath(), device);
}

QString stepLine(int step, std::optional<uint8_t> echo)
{
    const QString received =
        echo ? QString::number(*echo) : QCoreApplication::translate("CliText", "nic");
    return QCoreApplication::translate("CliText", "%1: odesláno %2, přijato %3\n")
        .arg(Handshake::stepText(step), QString::number(Handshake::TestByte), received);
}

// zunov-cli test: the device it opened (found by a port's number or from
// ZUNOV.INI, it may not be the one the user thought of), then the four-byte
// echo test of the connect window, step by step: each step's text, the byte
// sent and the byte that came back, and the step's failure message when it did
// not pass. Only the fourth echo decides, as in the program.
int runEchoTest(InstrumentSession &session, Output &out)
{
    out.write(deviceLine(session.port().deviceStatus()) + QLatin1Char('\n'));
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

// zunov-cli generator: sends the generator frame as the program's send button
// does (100, the waveform code, the frequency value, 0) and prints both frames.
int runGenerator(InstrumentSession &session, uint8_t waveformCode, uint8_t frequencyValue,
                 Output &out, Output &err)
{
    const Frame request = generatorFrame(waveformCode, frequencyValue);
    Frame reply{};
    int received = 0;
    QEventLoop loop;
    QObject::connect(&session, &InstrumentSession::uploaded, &loop,
                     [&](const Frame &answer, int count) {
                         reply = answer;
                         received = count;
                         loop.quit();
                     });
    session.upload(request);
    loop.exec();
    out.write(QCoreApplication::translate("CliText", "Odesláno: %1\n").arg(rowRawBytes(request)));
    if (received < int(reply.size())) {
        err.write(CliText::incompleteReply(received));
        return ExitStatus::Failed;
    }
    out.write(QCoreApplication::translate("CliText", "Přijato: %1\n").arg(rowRawBytes(reply)));
    return ExitStatus::Success;
}

int runOnInstrument(const CliRequest &request, Output &out, Output &err)
{
    const Configuration configuration = readConfiguration(configurationFilePath());
    const std::unique_ptr<InstrumentSession> session =
        openInstrumentSession(request, configuration);
    if (!session->port().IsOpen()) {
        err.write(CliText::line(
            cannotOpenMessage(session->port().deviceStatus(), DeviceChoice::CommandLine)));
        return ExitStatus::CannotOpen;
    }
    switch (request.command) {
    case CliCommand::Test:
        return runEchoTest(*session, out);
    case CliCommand::Generator:
        return runGenerator(*session, request.waveformCode, request.frequencyValue, out, err);
    case CliCommand::Measure:
        return Measurement(*session,
                           {request.count, periodOf(request, configuration), request.format,
                            request.statistics, request.limits, request.logFile,
                            request.logRotation},
                           out, err)
            .run();
    case CliCommand::Sweep: {
        SweepSettings settings = request.sweep;
        settings.periodMs = periodOf(request, configuration);
        return SweepCommand(*session, settings, request.format, out, err).run();
    }
    case CliCommand::None:
    case CliCommand::Ports:
        break;
    }
    return ExitStatus::Usage;
}

} // namespace

int runCommand(const CliRequest &request, Output &out, Output &err)
{
    int status = ExitStatus::Success;
    if (request.command == CliCommand::Ports)
        out.write(portListText(listSerialPorts(), listPortLinks(QDir::currentPath())));
    else
        status = runOnInstrument(request, out, err);
    // A command whose output was lost has not done its job.
    if (status == ExitStatus::Success && out.error() != 0) {
        err.write(CliText::outputFailed(out.error()));
        status = ExitStatus::Failed;
    }
    return status;
}
