#include "measurement.h"

#include "clitexts.h"
#include "commands.h"
#include "link/instrumentsession.h"
#include "link/tserial.h"
#include "measure/replyinterpreter.h"
#include "record/csvrows.h"
#include "record/rotatingrecord.h"
#include "record/rowfields.h"

#include <QDateTime>

namespace {

// What the program sends when no generator control has been touched: the
// poll command, no waveform and the frequency value 0.
constexpr Frame PollFrame{Command::Poll, 0, 0, 0};

} // namespace

Measurement::Measurement(InstrumentSession &session, const MeasureSettings &settings, Output &out,
                         Output &err)
    : m_session(session)
    , m_settings(settings)
    , m_out(out)
    , m_err(err)
    , m_linkGaps(linkState(session))
{
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(m_settings.periodMs);
    connect(&m_timer, &QTimer::timeout, this, &Measurement::poll);
    connect(&m_session, &InstrumentSession::polled, this, &Measurement::pollEnded);
    // A port lost between polls is noticed without one.
    connect(&m_session, &InstrumentSession::linkChanged, this, &Measurement::writeLinkChange);
    connect(&m_stopSignals, &StopSignals::received, this, [this] {
        // The poll under way ends first, so that the last row is whole.
        if (!m_pollUnderWay)
            finish();
        else
            m_stopping = true;
    });
}

Measurement::~Measurement() = default;

bool Measurement::startRecording()
{
    if (m_settings.logFile.isEmpty())
        return true;
    const DeviceStatus device = m_session.port().deviceStatus();
    const RunSettings settings{
        cliVersion(),
        device.resolvedPath.isEmpty() ? device.path : device.resolvedPath,
        device.path,
        m_session.port().portNumber(),
        m_settings.periodMs,
        std::nullopt, // the client polls; it does not set the generator
        m_settings.logRotation,
    };
    m_record = std::make_unique<RotatingRecord>(m_settings.logFile, settings);
    if (m_record->isOpen())
        return true;
    m_err.write(CliText::recordingCannotStart(m_record->path()));
    m_record.reset();
    return false;
}

void Measurement::record(const QByteArray &rows)
{
    if (!m_record || m_record->append(rows))
        return;
    m_err.write(CliText::recordingStopped(m_record->path()));
    m_record.reset();
    m_recordFailed = true;
}

int Measurement::run()
{
    if (!startRecording())
        return ExitStatus::Failed;
    // The first poll runs at once, before any event: a stop signal that comes
    // after the header waits for its reply.
    if (m_out.write(outputHeader(m_settings.format))) {
        m_timer.start();
        poll();
        if (!m_finished)
            m_loop.exec();
    }
    // The recording's description gets its end before anything is said.
    m_record.reset();
    if (m_settings.statistics)
        writeStatistics();
    if (m_out.error() != 0) {
        m_err.write(CliText::outputFailed(m_out.error()));
        return ExitStatus::Failed;
    }
    if (!m_answered) {
        m_err.write(CliText::noAnswer());
        return ExitStatus::Failed;
    }
    if (m_recordFailed)
        return ExitStatus::Failed;
    return m_outsideLimits ? ExitStatus::OutsideLimits : ExitStatus::Success;
}

void Measurement::writeStatistics()
{
    m_err.write(statisticsLines(m_statistics));
    if (m_settings.format == OutputFormat::Json && m_out.error() == 0)
        m_out.write(statisticsJson(m_statistics));
}

void Measurement::poll()
{
    // A device that went away (an adapter pulled out) is opened again as soon
    // as it is back.
    m_session.watchLink();
    m_session.poll(PollFrame);
    m_pollUnderWay = true;
}

void Measurement::pollEnded(const Frame &reply, int received)
{
    m_pollUnderWay = false;
    ++m_polls;
    // Before the readings, so that a mark of the instrument's return stands
    // before the values it brought.
    writeLinkChange();
    if (received == int(reply.size()))
        writeReply(reply);
    else
        m_err.write(CliText::incompleteReply(received));
    if (m_stopping || m_out.error() != 0 || (m_settings.count && m_polls >= *m_settings.count))
        finish();
}

void Measurement::writeReply(const Frame &reply)
{
    m_answered = true;
    const std::vector<Reading> readings = interpretReply(reply).readings;
    if (readings.empty()) {
        m_err.write(CliText::replyWithoutReading(rowRawBytes(reply)));
        return;
    }
    const QDateTime now = QDateTime::currentDateTime();
    for (const Reading &reading : readings) {
        m_statistics.add(reading, now.toMSecsSinceEpoch());
        for (const QuantityLimit &limit : m_settings.limits)
            m_outsideLimits = m_outsideLimits || !limit.admits(reading);
    }
    m_out.write(outputRows(m_settings.format, readings, reply, now));
    record(csvRows(readings, reply, now));
}

void Measurement::writeLinkChange()
{
    const std::optional<bool> online = m_linkGaps.update(linkState(m_session));
    if (!online)
        return;
    const QDateTime now = QDateTime::currentDateTime();
    m_out.write(outputLinkRow(m_settings.format, *online, now));
    record(csvLinkRow(*online, now));
}

void Measurement::finish()
{
    m_finished = true;
    m_timer.stop();
    m_loop.quit();
}
