#include "commands.h"

#include "clitexts.h"
#include "echotest.h"
#include "exitstatus.h"
#include "generatorcommand.h"
#include "instrumentport.h"
#include "link/openfailure.h"
#include "link/portlist.h"
#include "link/tserial.h"
#include "measurement.h"
#include "output.h"
#include "sweepcommand.h"

namespace {

constexpr int DefaultPeriodMs = 1000;

// --period, else TSER of ZUNOV.INI where it is one that can run (the program
// never polls with 0), else a second.
int periodOf(const CliRequest &request, const Configuration &configuration)
{
    if (request.periodMs)
        return *request.periodMs;
    return configuration.pollPeriodMs > 0 ? configuration.pollPeriodMs : DefaultPeriodMs;
}

int runOnInstrument(const CliRequest &request, Output &out, Output &err)
{
    const Configuration configuration = readConfiguration(configurationFilePath());
    const std::unique_ptr<InstrumentSession> session =
        openInstrumentSession(request, configuration);
    if (!session->port().IsOpen()) {
        err.write(CliText::line(cannotOpenMessage(session->port().deviceStatus())));
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
                            request.statistics, request.limits},
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
        out.write(portListText(listSerialPorts()));
    else
        status = runOnInstrument(request, out, err);
    // A command whose output was lost has not done its job.
    if (status == ExitStatus::Success && out.error() != 0) {
        err.write(CliText::outputFailed(out.error()));
        status = ExitStatus::Failed;
    }
    return status;
}
