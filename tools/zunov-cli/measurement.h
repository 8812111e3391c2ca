#pragma once

#include "analysis/statistics.h"
#include "clicommandline.h"
#include "readingoutput.h"
#include "record/linkgaps.h"
#include "stopsignals.h"

#include <QEventLoop>
#include <QObject>
#include <QTimer>
#include <memory>
#include <optional>

class Output;
class InstrumentSession;
class RotatingRecord;

struct MeasureSettings
{
    std::optional<int> count; // polls; none: until a stop signal
    int periodMs = 0;
    OutputFormat format = OutputFormat::Csv;
    bool statistics = false;
    std::vector<QuantityLimit> limits;
    QString logFile; // empty: the rows go to the output alone
    RecordingRotation logRotation;
};

// zunov-cli measure: polls the instrument once a period, the first time at
// once, and writes the readings of each whole reply as soon as it is in.
// Incomplete replies are warned of on standard error. It ends after the
// count of polls, at Ctrl+C or SIGTERM (after the exchange under way, so the
// last row is whole), or when the output cannot be written. When the
// instrument goes away (its port lost, or silent for three polls) and when
// it comes back, a link row says so. With --log the rows, link rows too, are
// recorded in a file as the program records them, CSV whatever the output's
// format; a file that fails stops only the recording, with a message, and
// the run ends with status 1.
class Measurement : public QObject
{
    Q_OBJECT

public:
    Measurement(InstrumentSession &session, const MeasureSettings &settings, Output &out,
                Output &err);
    ~Measurement() override;

    // Runs to the end; returns the exit status: 1 when the output failed or
    // no poll got a whole reply, else 4 when a reading was outside its limits.
    int run();

private:
    void poll();
    void pollEnded(const Frame &reply, int received);
    void writeReply(const Frame &reply);
    void writeLinkChange();
    void finish();
    void writeStatistics();
    bool startRecording();
    void record(const QByteArray &rows);

    InstrumentSession &m_session;
    const MeasureSettings m_settings;
    Output &m_out;
    Output &m_err;
    StopSignals m_stopSignals;
    QTimer m_timer;
    QEventLoop m_loop;
    ReadingStatistics m_statistics;
    LinkGapMarks m_linkGaps;
    std::unique_ptr<RotatingRecord> m_record;
    bool m_recordFailed = false;
    bool m_outsideLimits = false;
    int m_polls = 0;
    bool m_answered = false;
    bool m_finished = false;
    bool m_pollUnderWay = false;
    bool m_stopping = false; // a stop came while a poll was under way
};
