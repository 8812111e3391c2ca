#pragma once

#include "record/recordingrotation.h"

#include <QByteArray>
#include <QDateTime>
#include <QJsonArray>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

// What the generator was set to: the waveform's code and the frequency value.
struct GeneratorSetting
{
    uint8_t waveformCode = 0;
    int value = 0;

    bool operator==(const GeneratorSetting &) const = default;
};

struct GeneratorChange
{
    QDateTime time;
    GeneratorSetting setting;
};

// What the program that records knows of the run when it starts.
struct RunSettings
{
    QString program;    // name and version: "zunov 1.4.0"
    QString devicePath; // the device the port leads to; the name as opened when unknown
    QString deviceName; // as opened: COM1 in the working folder, /dev/ttyUSB0…
    int port = 0;
    int pollPeriodMs = 0;
    // None where the program does not drive the generator (zunov-cli measure).
    std::optional<GeneratorSetting> generator;
    RecordingRotation rotation;
};

// One file's share of a run, as its sidecar describes it.
struct FileDescription
{
    RunSettings settings;
    QDateTime runStarted;           // the first row of the run, perhaps in an earlier file
    QDateTime started;              // this file's first moment
    std::optional<QDateTime> ended; // none while rows are still coming, or after a crash
    qint64 rows = 0;                // this run's rows in this file
    std::optional<GeneratorSetting> generatorAtStart;
    std::vector<GeneratorChange> generatorChanges; // while this file was written
    QString previousFile;                          // file names alone; empty for none
    QString nextFile;
};

// The sidecar: a JSON object with the CSV file's name and its runs, the
// earlier ones (of a file that was continued) first. Times are written as in
// the rows, with the offset; the system's time zone is named beside them.
QByteArray sidecarBytes(const QString &csvFileName, const QJsonArray &earlierRuns,
                        const FileDescription &file);

// The runs of a sidecar already there; none when the bytes are not one of
// ours, which is then left alone.
std::optional<QJsonArray> sidecarRuns(const QByteArray &existing);
