#pragma once

#include "analysis/sweeprun.h"
#include "readingoutput.h"
#include "stopsignals.h"

#include <QEventLoop>

class Output;

// zunov-cli sweep: runs the sweep and writes each step's row as soon as the
// step is done. Ctrl+C or SIGTERM stop it after the exchange under way; an
// instrument that stops answering, or goes away, ends it with a message and
// status 1, keeping the rows already written.
class SweepCommand : public QObject
{
    Q_OBJECT

public:
    SweepCommand(InstrumentSession &session, const SweepSettings &settings, OutputFormat format,
                 Output &out, Output &err);

    int run();

private:
    void writeStep(const SweepStep &step);
    void pause(SweepRun::Fault fault);

    SweepRun m_run;
    const OutputFormat m_format;
    Output &m_out;
    Output &m_err;
    StopSignals m_stopSignals;
    QEventLoop m_loop;
    std::optional<SweepRun::Fault> m_fault;
};
