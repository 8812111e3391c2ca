// How long the program's GUI thread is held while the instrument is slow,
// silent or misbehaving. The real windows run in this process, on the
// offscreen platform, against the zunov-sim program on a pseudo-terminal;
// each case starts both afresh in a working folder of its own.
//
// The figures of each case, all taken on the GUI thread itself:
// - the worst lateness of a 1 ms precise timer in the program's event loop
//   (the time between two ticks, less the 1 ms), which is how long input and
//   painting would have waited at worst;
// - the longest spans between the event dispatcher's awake and aboutToBlock
//   signals, both ways round. Qt emits awake when a pass through the loop
//   begins and aboutToBlock just before it waits; timers and sockets are
//   handled after the wait, so a handler that holds the thread shows up in
//   the span from aboutToBlock to the next awake (which also holds the wait
//   itself, at most about 1 ms here, since the timer above wakes the loop).
//
// Polling cases are measured from the moment the link is up, with the fault
// set to strike about half a second into the measurement; handshake cases are
// measured from the click on "Připojit" on, long enough for all four steps.
// scripts/bench-stall builds and runs this; docs/performance.md has the
// figures.
#include "app/appwindows.h"
#include "app/tt_zunov.h"
#include "config/configuration.h"
#include "platform/application.h"
#include "platform/messages.h"

#include <QAbstractEventDispatcher>
#include <QAction>
#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <cstdlib>
#include <functional>
#include <optional>
#include <vector>

namespace {

constexpr int PortNumber = 1;
constexpr int EmulatorStartLimitMs = 5000;
constexpr int EmulatorEndLimitMs = 5000;
constexpr int OnlineLimitMs = 10000;
// A handshake that did not bring the link up is tried again after this long;
// unasked bytes (the flood) can spoil an echo now and then.
constexpr int ConnectRetryMs = 4000;
constexpr int OnlineCheckMs = 5;
// Four steps, half a second apart, each up to a 1 s read time-out, with room.
constexpr int HandshakeWindowMs = 7000;
constexpr int FirstPaintMs = 200;
constexpr qint64 TickNs = 1'000'000;
// Where a polling fault strikes: after about this much polling.
constexpr int FaultAfterMs = 500;
constexpr int FewestPollsBeforeFault = 3;
// The handshake's echoes come before the first poll's reply.
constexpr int HandshakeReplyBytes = 4;
constexpr int PollBytes = 4;
// What an exchange takes besides the answers' delay: the round trips.
constexpr int ExchangeOverheadMs = 2;
constexpr int LateByteMs = 1500;
// Longer than any run: the byte and all answers behind it never come.
constexpr int SilenceMs = 3'600'000;
// Unasked bytes now and then: at 100 a second, one comes before nearly
// every echo delayed by 16 ms, and no handshake passes at all.
constexpr int FloodBytesPerSecond = 10;
constexpr int WrongEchoStep = 4;

QTextStream out(stdout);

[[noreturn]] void fail(const QString &what)
{
    QTextStream(stderr) << "bench_stall: " << what << '\n';
    std::exit(1);
}

enum class Fault {
    None,
    Silence,
    WrongEcho,
    LateByte,
    DropByte,
    Garbage,
    HangUp,
    Flood,
    SilentHandshake
};

struct FaultInfo
{
    Fault fault;
    const char *name; // as --faults takes it
    bool duringHandshake;
};

constexpr FaultInfo AllFaults[] = {
    {Fault::None, "none", false},
    {Fault::Silence, "silence", false},
    {Fault::WrongEcho, "wrong-echo", true},
    {Fault::LateByte, "late-byte", false},
    {Fault::DropByte, "drop-byte", false},
    {Fault::Garbage, "garbage", false},
    {Fault::HangUp, "hang-up", false},
    {Fault::Flood, "flood", false},
    {Fault::SilentHandshake, "silent-handshake", true},
};

struct Case
{
    int periodMs = 0;
    FaultInfo fault{};
    int byteDelayMs = 0;
};

// The poll at which a polling fault strikes: about FaultAfterMs into the
// polling, counting one period per poll, or the time its four answers take
// when that is longer (the next poll then waits for the next whole period).
int faultPoll(const Case &c)
{
    const int exchangeMs = PollBytes * c.byteDelayMs + ExchangeOverheadMs;
    const int periods = (exchangeMs + c.periodMs - 1) / c.periodMs;
    const int pollMs = std::max(1, periods) * c.periodMs;
    return std::max(FewestPollsBeforeFault, (FaultAfterMs + pollMs - 1) / pollMs);
}

// The emulator's number of the given reply byte (1..4) of the given poll.
QString replyByte(int poll, int byteInReply)
{
    return QString::number(HandshakeReplyBytes + PollBytes * (poll - 1) + byteInReply);
}

QStringList faultArguments(const Case &c)
{
    const int poll = faultPoll(c);
    switch (c.fault.fault) {
    case Fault::None:
        return {};
    case Fault::Silence:
        // A late byte holds back every answer behind it: from that poll on,
        // the instrument says nothing.
        return {QStringLiteral("--late-byte"), replyByte(poll, 1), QStringLiteral("--late-ms"),
                QString::number(SilenceMs)};
    case Fault::WrongEcho:
        return {QStringLiteral("--wrong-echo"), QString::number(WrongEchoStep)};
    case Fault::LateByte:
        return {QStringLiteral("--late-byte"), replyByte(poll, 2), QStringLiteral("--late-ms"),
                QString::number(LateByteMs)};
    case Fault::DropByte:
        return {QStringLiteral("--drop-byte"), replyByte(poll, 2)};
    case Fault::Garbage:
        return {QStringLiteral("--garbage")};
    case Fault::HangUp:
        return {QStringLiteral("--hang-up-after"), QString::number(poll)};
    case Fault::Flood:
        return {QStringLiteral("--flood"), QString::number(FloodBytesPerSecond)};
    case Fault::SilentHandshake:
        return {QStringLiteral("--silence")};
    }
    return {};
}

QString faultText(const Case &c)
{
    const int poll = faultPoll(c);
    switch (c.fault.fault) {
    case Fault::None:
        return QStringLiteral("none");
    case Fault::Silence:
        return QStringLiteral("silent from poll %1 on").arg(poll);
    case Fault::WrongEcho:
        return QStringLiteral("wrong echo at handshake step %1").arg(WrongEchoStep);
    case Fault::LateByte:
        return QStringLiteral("byte 2 of poll %1 late by %2 ms").arg(poll).arg(LateByteMs);
    case Fault::DropByte:
        return QStringLiteral("byte 2 of poll %1 dropped").arg(poll);
    case Fault::Garbage:
        return QStringLiteral("garbage replies");
    case Fault::HangUp:
        return QStringLiteral("hang-up after poll %1").arg(poll);
    case Fault::Flood:
        return QStringLiteral("flood, %1 byte/s").arg(FloodBytesPerSecond);
    case Fault::SilentHandshake:
        return QStringLiteral("silent instrument, handshake");
    }
    return {};
}

// Bytes a process has read so far (all of the emulator's reads after its
// start are from the line); nothing once it has ended.
std::optional<qint64> bytesRead(qint64 pid)
{
    QFile io(QStringLiteral("/proc/%1/io").arg(pid));
    if (pid <= 0 || !io.open(QIODevice::ReadOnly))
        return std::nullopt;
    for (const QByteArray &line : io.readAll().split('\n')) {
        if (line.startsWith("rchar:"))
            return line.mid(6).trimmed().toLongLong();
    }
    return std::nullopt;
}

// Runs the event loop until done() or the time limit; returns done().
bool runUntil(const std::function<bool()> &done, int limitMs,
              const std::function<void()> &onCheck = {})
{
    QEventLoop loop;
    QTimer check;
    QObject::connect(&check, &QTimer::timeout, &loop, [&] {
        if (onCheck)
            onCheck();
        if (done())
            loop.quit();
    });
    QTimer::singleShot(limitMs, &loop, &QEventLoop::quit);
    check.start(OnlineCheckMs);
    if (!done())
        loop.exec();
    return done();
}

// The emulated instrument, as the zunov-sim program, linked as COM1 in the
// working folder.
class Instrument
{
public:
    Instrument(const QString &program, const QString &folder, const QStringList &faults)
    {
        m_process.setStandardOutputFile(QProcess::nullDevice());
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start(program, QStringList{QStringLiteral("--dir"), folder,
                                             QStringLiteral("--port"), QString::number(PortNumber)}
                                     + faults);
        const QString link = QDir(folder).filePath(QStringLiteral("COM%1").arg(PortNumber));
        QElapsedTimer waited;
        waited.start();
        while (!QFileInfo::exists(link)) {
            if (waited.elapsed() > EmulatorStartLimitMs
                || m_process.state() == QProcess::NotRunning)
                fail(QStringLiteral("%1 did not make %2").arg(program, link));
            QThread::msleep(OnlineCheckMs);
        }
    }

    ~Instrument()
    {
        m_process.terminate();
        if (!m_process.waitForFinished(EmulatorEndLimitMs)) {
            m_process.kill();
            m_process.waitForFinished();
        }
    }

    Instrument(const Instrument &) = delete;
    Instrument &operator=(const Instrument &) = delete;

    std::optional<qint64> bytesReceived() const { return bytesRead(m_process.processId()); }

private:
    QProcess m_process;
};

// Watches the GUI thread for one measuring window.
class StallMeter
{
public:
    struct Figures
    {
        double worstLatenessMs = 0;
        double longestAwakeToBlockMs = 0;
        double longestBlockToAwakeMs = 0;
    };

    Figures measure(int windowMs)
    {
        QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance();
        QEventLoop loop;
        QTimer tick;
        tick.setTimerType(Qt::PreciseTimer);
        QObject::connect(&tick, &QTimer::timeout, &loop, [this] { ticked(); });
        const auto awake =
            QObject::connect(dispatcher, &QAbstractEventDispatcher::awake, [this] { woke(); });
        const auto aboutToBlock = QObject::connect(
            dispatcher, &QAbstractEventDispatcher::aboutToBlock, [this] { blocking(); });
        QTimer::singleShot(windowMs, &loop, &QEventLoop::quit);
        m_clock.start();
        tick.start(1);
        loop.exec();
        // A tick held up past the end of the window counts as well.
        ticked();
        QObject::disconnect(awake);
        QObject::disconnect(aboutToBlock);
        return m_figures;
    }

private:
    static double ms(qint64 ns) { return double(ns) / 1e6; }

    void ticked()
    {
        const qint64 now = m_clock.nsecsElapsed();
        m_figures.worstLatenessMs =
            std::max(m_figures.worstLatenessMs, ms(now - m_lastTick - TickNs));
        m_lastTick = now;
    }

    void woke()
    {
        if (m_awakeAt >= 0)
            return; // still awake since the first one
        const qint64 now = m_clock.nsecsElapsed();
        m_awakeAt = now;
        if (m_blockingAt >= 0)
            m_figures.longestBlockToAwakeMs =
                std::max(m_figures.longestBlockToAwakeMs, ms(now - m_blockingAt));
        m_blockingAt = -1;
    }

    void blocking()
    {
        const qint64 now = m_clock.nsecsElapsed();
        if (m_awakeAt >= 0)
            m_figures.longestAwakeToBlockMs =
                std::max(m_figures.longestAwakeToBlockMs, ms(now - m_awakeAt));
        m_awakeAt = -1;
        m_blockingAt = now;
    }

    QElapsedTimer m_clock;
    qint64 m_lastTick = 0;
    qint64 m_awakeAt = -1;
    qint64 m_blockingAt = -1;
    Figures m_figures;
};

struct Options
{
    QString emulator;
    QString data;
    int seconds = 3;
    QList<int> periods;
    QList<int> byteDelays;
    std::vector<FaultInfo> faults;
};

void prepareFolder(const QString &folder, const QString &dataFolder, int periodMs)
{
    const QDir data(dataFolder);
    const QStringList names = data.entryList(QDir::Files);
    if (names.isEmpty())
        fail(QStringLiteral("no data files in %1").arg(dataFolder));
    for (const QString &name : names)
        QFile::copy(data.filePath(name), QDir(folder).filePath(name));
    QFile settings(QDir(folder).filePath(QString::fromLatin1(ConfigurationFileName)));
    settings.remove();
    if (!settings.open(QIODevice::WriteOnly))
        fail(QStringLiteral("cannot write %1").arg(settings.fileName()));
    settings.write(QStringLiteral("[%1]\r\n%2=%3\r\n%4=%5\r\n")
                       .arg(QString::fromLatin1(ConfigurationSection), QString::fromLatin1(PortKey),
                            QString::number(PortNumber), QString::fromLatin1(PollPeriodKey),
                            QString::number(periodMs))
                       .toLatin1());
}

QString formatMs(double ms)
{
    return QString::number(ms, 'f', 1);
}

// Clicks "Připojit" again whenever a handshake has had its time and the link
// is still down.
bool waitForOnline(const TT_ZUNOV &main, QAction &connect)
{
    QElapsedTimer sinceConnect;
    sinceConnect.start();
    return runUntil([&main] { return main.state.online; }, OnlineLimitMs,
                    [&] {
                        if (sinceConnect.elapsed() < ConnectRetryMs)
                            return;
                        connect.trigger();
                        sinceConnect.restart();
                    });
}

struct Outcome
{
    std::optional<StallMeter::Figures> figures; // none: the link never came up
    QString polls = QStringLiteral("—");
};

// Starts the handshake through the menu; a polling case then waits for the
// link and measures the polling, a handshake case measures the handshake.
Outcome measureCase(const Case &c, const Options &options, const Instrument &instrument,
                    const TT_ZUNOV &main)
{
    auto *connect = main.findChild<QAction *>(QStringLiteral("Pripojit1"));
    if (!connect)
        fail(QStringLiteral("no Připojit action"));
    connect->trigger();
    int windowMs = options.seconds * 1000;
    if (c.fault.duringHandshake) {
        // The connect window's first paint (its fonts) comes once per run
        // and has nothing to do with the instrument; the first step is due
        // 500 ms after the click.
        runUntil([] { return false; }, FirstPaintMs);
        windowMs = std::max(windowMs, HandshakeWindowMs);
    } else if (!waitForOnline(main, *connect)) {
        return {};
    }

    Outcome outcome;
    const std::optional<qint64> bytesBefore = instrument.bytesReceived();
    outcome.figures = StallMeter().measure(windowMs);
    const std::optional<qint64> bytesAfter = instrument.bytesReceived();
    if (bytesBefore && bytesAfter) {
        const qint64 bytes = *bytesAfter - *bytesBefore;
        outcome.polls = c.fault.duringHandshake ? QStringLiteral("— (%1 bytes)").arg(bytes)
                                                : QString::number(bytes / PollBytes);
    }
    return outcome;
}

void runCase(const Case &c, const Options &options)
{
    QTemporaryDir folder;
    if (!folder.isValid())
        fail(QStringLiteral("cannot make a working folder"));
    prepareFolder(folder.path(), options.data, c.periodMs);
    QStringList emulatorArguments = faultArguments(c);
    emulatorArguments << QStringLiteral("--byte-delay") << QString::number(c.byteDelayMs);
    const Instrument instrument(options.emulator, folder.path(), emulatorArguments);

    const QString savedFolder = QDir::currentPath();
    QDir::setCurrent(folder.path());
    // No message box may wait for a click while the thread is measured.
    const MessageSink savedSink = setMessageSink([](MessageKind, const QString &) {});
    Outcome outcome;
    {
        AppWindows windows(readConfiguration(configurationFilePath()));
        windows.mainWindow()->show();
        outcome = measureCase(c, options, instrument, *windows.mainWindow());
    }
    // Whatever the windows left for later goes with them.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    setMessageSink(savedSink);
    QDir::setCurrent(savedFolder);

    out << "| " << c.periodMs << " | " << faultText(c) << " | " << c.byteDelayMs << " | ";
    if (outcome.figures) {
        out << formatMs(outcome.figures->worstLatenessMs) << " | "
            << formatMs(outcome.figures->longestAwakeToBlockMs) << " | "
            << formatMs(outcome.figures->longestBlockToAwakeMs) << " | " << outcome.polls << " |\n";
    } else {
        out << "not online after " << OnlineLimitMs / 1000 << " s | | | |\n";
    }
    out.flush();
}

QList<int> numbers(const QString &text)
{
    QList<int> values;
    for (const QString &item : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        bool ok = false;
        const int value = item.toInt(&ok);
        if (!ok || value < 0)
            fail(QStringLiteral("not a number: %1").arg(item));
        values.append(value);
    }
    return values;
}

Options parseOptions(const QCoreApplication &app)
{
    QStringList faultNames;
    for (const FaultInfo &f : AllFaults)
        faultNames << QString::fromLatin1(f.name);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("How long ZUNOV's GUI thread is held while the instrument is slow, "
                       "silent or misbehaving"));
    parser.addHelpOption();
    const QCommandLineOption seconds(QStringLiteral("seconds"),
                                     QStringLiteral("length of each polling measurement"),
                                     QStringLiteral("s"), QStringLiteral("3"));
    const QCommandLineOption periods(QStringLiteral("periods"),
                                     QStringLiteral("poll periods (TSER), comma-separated"),
                                     QStringLiteral("ms,ms"), QStringLiteral("10,20,200"));
    const QCommandLineOption faults(QStringLiteral("faults"),
                                    QStringLiteral("faults to measure, comma-separated, of: %1")
                                        .arg(faultNames.join(QStringLiteral(", "))),
                                    QStringLiteral("name,name"), faultNames.join(QLatin1Char(',')));
    const QCommandLineOption byteDelays(
        QStringLiteral("byte-delays"),
        QStringLiteral("the emulator's delays of each answer byte, comma-separated"),
        QStringLiteral("ms,ms"), QStringLiteral("0,16"));
    const QCommandLineOption emulator(QStringLiteral("emulator"),
                                      QStringLiteral("the zunov-sim program"),
                                      QStringLiteral("path"), QStringLiteral(ZUNOV_SIM_PROGRAM));
    const QCommandLineOption data(QStringLiteral("data"),
                                  QStringLiteral("folder with the data files"),
                                  QStringLiteral("folder"), QStringLiteral(ZUNOV_DATA_FOLDER));
    parser.addOptions({seconds, periods, faults, byteDelays, emulator, data});
    parser.process(app);

    Options options;
    options.emulator = QFileInfo(parser.value(emulator)).absoluteFilePath();
    options.data = QFileInfo(parser.value(data)).absoluteFilePath();
    options.seconds = std::max(1, parser.value(seconds).toInt());
    options.periods = numbers(parser.value(periods));
    options.byteDelays = numbers(parser.value(byteDelays));
    for (const QString &name : parser.value(faults).split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const auto known = std::find_if(std::begin(AllFaults), std::end(AllFaults),
                                        [&](const FaultInfo &f) { return name == f.name; });
        if (known == std::end(AllFaults))
            fail(QStringLiteral("unknown fault %1; known: %2")
                     .arg(name, faultNames.join(QStringLiteral(", "))));
        options.faults.push_back(*known);
    }
    if (options.periods.contains(0) || options.periods.isEmpty() || options.byteDelays.isEmpty()
        || options.faults.empty())
        parser.showHelp(2);
    return options;
}

} // namespace

int main(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    Application app(argc, argv);
    const Options options = parseOptions(app);

    out << "Qt " << qVersion() << ", platform " << QGuiApplication::platformName()
        << ", event dispatcher " << QAbstractEventDispatcher::instance()->metaObject()->className()
        << "; polling measured for " << options.seconds << " s, handshakes for "
        << std::max(options.seconds * 1000, HandshakeWindowMs) / 1000 << " s\n\n"
        << "| TSER ms | fault | byte delay ms | worst timer lateness ms "
           "| longest awake→aboutToBlock ms | longest aboutToBlock→awake ms | polls |\n"
           "|---|---|---|---|---|---|---|\n";
    out.flush();
    for (int period : options.periods) {
        for (const FaultInfo &fault : options.faults) {
            for (int byteDelay : options.byteDelays)
                runCase({period, fault, byteDelay}, options);
        }
    }
    return 0;
}
