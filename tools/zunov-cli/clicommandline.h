#pragma once

#include "analysis/sweepplan.h"
#include "measure/replyinterpreter.h"
#include "readingoutput.h"
#include "record/recordingrotation.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <vector>

enum class CliCommand { None, Ports, Test, Measure, Generator, Sweep };

// measure --limit: the bounds of one quantity's readings, in its base unit;
// a missing bound does not limit.
struct QuantityLimit
{
    Quantity quantity;
    std::optional<double> lowest;
    std::optional<double> highest;

    bool admits(const Reading &reading) const
    {
        return reading.quantity != quantity
               || ((!lowest || reading.value >= *lowest)
                   && (!highest || reading.value <= *highest));
    }
};

// What zunov-cli was asked to do, checked: every number is in its range and
// every name is known, so that running it needs no more checks.
struct CliRequest
{
    CliCommand command = CliCommand::None;
    bool help = false;
    bool version = false;
    QString error;    // not empty: a usage error, and this says what is wrong
    QString language; // --lang as typed; empty without it

    // The device: a path, or a port number by the COM<N> rule; neither: as
    // ZUNOV.INI of the current folder says.
    QString device;
    std::optional<int> port;

    std::optional<int> count;    // measure: polls to make; none: until stopped
    std::optional<int> periodMs; // measure, sweep: none: as ZUNOV.INI says
    OutputFormat format = OutputFormat::Csv;
    bool statistics = false;           // measure: statistics after the readings
    std::vector<QuantityLimit> limits; // measure: readings outside end with status 4
    QString logFile;                   // measure: the rows also recorded in this file
    RecordingRotation logRotation;     // measure: when that recording goes on in a new file
    uint8_t waveformCode = 0;          // generator
    uint8_t frequencyValue = 0;        // generator
    SweepSettings sweep;               // sweep; its period is periodMs
};

// The arguments after the program name.
CliRequest parseCliArguments(const QStringList &arguments);

// The help of one command, or of the whole program for CliCommand::None.
QString cliHelp(CliCommand command);
QString cliVersion();
// How to ask for help, to end a usage error: "zunov-cli measure --help".
QString cliHelpHint(CliCommand command);
