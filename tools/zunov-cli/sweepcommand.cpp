#include "sweepcommand.h"

#include "clitexts.h"
#include "commands.h"

SweepCommand::SweepCommand(InstrumentSession &session, const SweepSettings &settings,
                           OutputFormat format, Output &out, Output &err)
    : m_run(session, settings)
    , m_format(format)
    , m_out(out)
    , m_err(err)
{
    connect(&m_run, &SweepRun::stepFinished, this, &SweepCommand::writeStep);
    connect(&m_run, &SweepRun::paused, this, &SweepCommand::pause);
    connect(&m_run, &SweepRun::ended, &m_loop, &QEventLoop::quit);
    connect(&m_stopSignals, &StopSignals::received, &m_run, &SweepRun::stop);
}

int SweepCommand::run()
{
    if (m_out.write(sweepOutputHeader(m_format))) {
        m_run.start();
        if (m_run.isActive())
            m_loop.exec();
    }
    if (m_out.error() != 0) {
        m_err.write(CliText::outputFailed(m_out.error()));
        return ExitStatus::Failed;
    }
    if (m_fault) {
        m_err.write(CliText::sweepInterrupted(*m_fault == SweepRun::Fault::Lost,
                                              int(m_run.steps().size()),
                                              int(m_run.values().size())));
        return ExitStatus::Failed;
    }
    return ExitStatus::Success;
}

void SweepCommand::writeStep(const SweepStep &step)
{
    if (!m_out.write(sweepOutputRow(m_format, step)))
        m_run.stop();
}

void SweepCommand::pause(SweepRun::Fault fault)
{
    // Nobody is there to plug the instrument in again and say so.
    m_fault = fault;
    m_run.stop();
}
