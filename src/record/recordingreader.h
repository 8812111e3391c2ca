#pragma once

#include "link/frame.h"
#include "measure/replyinterpreter.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

// A recording grows by a few kilobytes a second at the fastest polling, so
// this holds more than half a day of it; a larger file is refused rather than
// read whole into memory.
inline constexpr qint64 RecordingFileLimit = qint64(256) << 20;

// A file with thousands of bad rows is no use to list in full.
inline constexpr size_t ProblemsKept = 1000;

struct RecordedRow
{
    qint64 timeMs; // since the epoch
    Reading reading;
    Frame raw; // all zero when the row has none
};

// When the instrument went away or came back, as the recording marks it.
struct LinkEvent
{
    qint64 timeMs;
    bool online;
};

// A row that was left out, and why.
struct RecordingProblem
{
    qsizetype line; // 1-based, the line on which the row starts
    QString reason;
};

struct RecordingContents
{
    std::vector<RecordedRow> rows;
    std::vector<LinkEvent> linkEvents;
    std::vector<RecordingProblem> problems; // the first ProblemsKept of them
    size_t problemCount = 0;
};

// Reads the rows that csvHeader() and csvRows() wrote, also from a file that
// several runs continued or a crash cut off, with LF line ends or a UTF-8
// byte-order mark. A row that cannot be read whole is left out and named in
// the problems; the rows around it are kept. Without the header the bytes
// are no recording: nothing is read, and line 1 is the one problem.
RecordingContents readRecording(const QByteArray &bytes);

// Nothing when the path is no regular file, cannot be read or is larger than
// RecordingFileLimit.
std::optional<RecordingContents> readRecordingFile(const QString &path);
