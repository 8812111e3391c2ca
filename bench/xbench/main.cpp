// The CPU that ZUNOV costs on a real X display, beside the least a Qt Widgets
// program needs for the same polling: xbench-poller, built on the program's
// own exchange, and xbench-rawpoller, which shares no code with the program
// and talks to the port through POSIX alone. All three run at the same time,
// each against its own emulated instrument, so that whatever else the machine
// does weighs on all of them; the figures of each scenario come from the same
// stretch of time. scripts/bench-x builds everything and runs this under
// Xvfb; docs/performance.md has the figures.
//
// Per round: ZUNOV offline and idle (the pollers not polling); then, at each
// poll period, ZUNOV brought online through its menu and handshake the way a
// person does it (xdotool), measured with the graph window closed and then
// open. Figures: CPU share of one core, CPU time per poll, context switches
// per second, summed over all threads of each program.
#include "subject.h"
#include "xdotool.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>
#include <QThread>
#include <algorithm>
#include <vector>

namespace {

constexpr int StartSettleMs = 3000;
constexpr int PollSettleMs = 2000;
constexpr int HandshakeLimitMs = 20000;
constexpr int FirstPolls = 10;

// Where the "Graf" check box sits in the main window's client area, below
// the menu bar: group box at (8, 8), box at (344, 16) in it, 17 pixels high;
// the point is on the box's square.
constexpr int GraphBoxX = 8 + 344 + 8;
constexpr int GraphBoxYBelowMenu = 8 + 16 + 8;
// The main window's client area without the menu bar.
constexpr int ClientHeightBelowMenu = 551;

const QString MainWindowTitle = QStringLiteral("^ZUNOV v1 na COM");
const QString MessageBoxTitle = QStringLiteral("^ZUNOV$");
const QString GraphWindowTitle = QStringLiteral("^ZUNOV - Graf$");

struct Options
{
    QString program;
    QString poller;
    QString rawPoller;
    QString data;
    int seconds = 10;
    int rounds = 3;
    QList<int> periods;
};

struct Scenario
{
    QString name;
    std::vector<Figures> zunov;
    std::vector<Figures> poller;
    std::vector<Figures> rawPoller;
};

QTextStream out(stdout);

[[noreturn]] void fail(const QString &what)
{
    QTextStream(stderr) << "xbench: " << what << '\n';
    std::exit(1);
}

// Menu > Připojit, then the box that says the link is up: the program polls
// from then on.
void bringOnline(const Subject &zunov)
{
    const QString window = XDoTool::waitForWindow(MainWindowTitle);
    if (window.isEmpty()
        || !XDoTool::typeInto(window, {QStringLiteral("alt+m"), QStringLiteral("p")}))
        fail(QStringLiteral("no main window to connect from"));
    const QString box = XDoTool::waitForWindow(MessageBoxTitle, HandshakeLimitMs);
    if (box.isEmpty() || !XDoTool::typeInto(box, {QStringLiteral("Return")}))
        fail(QStringLiteral("the handshake did not end with a message"));
    if (!zunov.waitForPolls(FirstPolls, HandshakeLimitMs))
        fail(QStringLiteral("ZUNOV does not poll after the handshake"));
}

void openGraphWindow()
{
    const QString window = XDoTool::waitForWindow(MainWindowTitle);
    const int menuHeight = XDoTool::windowHeight(window) - ClientHeightBelowMenu;
    if (window.isEmpty() || menuHeight <= 0
        || !XDoTool::clickAt(window, GraphBoxX, menuHeight + GraphBoxYBelowMenu)
        || XDoTool::waitForWindow(GraphWindowTitle, 5000).isEmpty())
        fail(QStringLiteral("the graph window did not open"));
}

// The three subjects of one scenario, measured over the same stretch of time.
struct Subjects
{
    const Subject &zunov;
    const Subject &poller;
    const Subject &rawPoller;
};

QString describe(const Figures &f)
{
    return QStringLiteral("%1 % (%2 ms/poll, %3 polls/s, %4 cs/s)")
        .arg(f.cpuPercent, 0, 'f', 3)
        .arg(f.cpuPerPollMs, 0, 'f', 3)
        .arg(f.pollsPerSecond, 0, 'f', 1)
        .arg(f.switchesPerSecond, 0, 'f', 1);
}

void measure(Scenario &scenario, const Subjects &subjects, int seconds)
{
    const Subject::Sample zunovFrom = subjects.zunov.sample();
    const Subject::Sample pollerFrom = subjects.poller.sample();
    const Subject::Sample rawFrom = subjects.rawPoller.sample();
    QThread::sleep(seconds);
    const Subject::Sample zunovTo = subjects.zunov.sample();
    const Subject::Sample pollerTo = subjects.poller.sample();
    const Subject::Sample rawTo = subjects.rawPoller.sample();
    if (!subjects.zunov.running() || !subjects.poller.running() || !subjects.rawPoller.running())
        fail(QStringLiteral("a program ended during %1").arg(scenario.name));
    const Figures z = figuresBetween(zunovFrom, zunovTo);
    const Figures p = figuresBetween(pollerFrom, pollerTo);
    const Figures r = figuresBetween(rawFrom, rawTo);
    scenario.zunov.push_back(z);
    scenario.poller.push_back(p);
    scenario.rawPoller.push_back(r);
    out << "  " << scenario.name << ": ZUNOV " << describe(z) << ", poller " << describe(p)
        << ", raw poller " << describe(r) << '\n';
    out.flush();
}

// "median (min – max)" of one figure over the rounds.
QString spread(std::vector<double> values, int decimals)
{
    std::sort(values.begin(), values.end());
    const auto number = [decimals](double v) { return QString::number(v, 'f', decimals); };
    const double median = values.size() % 2
                              ? values[values.size() / 2]
                              : (values[values.size() / 2 - 1] + values[values.size() / 2]) / 2;
    if (values.size() == 1)
        return number(median);
    return QStringLiteral("%1 (%2–%3)")
        .arg(number(median), number(values.front()), number(values.back()));
}

template<typename Pick>
std::vector<double> each(const std::vector<Figures> &figures, Pick pick)
{
    std::vector<double> values;
    for (const Figures &f : figures)
        values.push_back(pick(f));
    return values;
}

// "CPU % | ms/poll | cs/s" of one subject over the rounds.
QString columns(const std::vector<Figures> &figures)
{
    return spread(each(figures, [](const Figures &f) { return f.cpuPercent; }), 3)
           + QStringLiteral(" | ")
           + spread(each(figures, [](const Figures &f) { return f.cpuPerPollMs; }), 3)
           + QStringLiteral(" | ")
           + spread(each(figures, [](const Figures &f) { return f.switchesPerSecond; }), 1);
}

// ZUNOV's CPU time per poll over a yardstick's, round by round.
QString ratioPerPoll(const std::vector<Figures> &zunov, const std::vector<Figures> &yardstick)
{
    std::vector<double> ratios;
    for (size_t i = 0; i < zunov.size(); ++i) {
        if (yardstick[i].cpuPerPollMs > 0)
            ratios.push_back(zunov[i].cpuPerPollMs / yardstick[i].cpuPerPollMs);
    }
    return ratios.empty() ? QStringLiteral("—") : spread(ratios, 2) + QStringLiteral(" ×");
}

void printSummary(const std::vector<Scenario> &scenarios)
{
    out << "\n| figure | ZUNOV CPU % | ZUNOV ms/poll | ZUNOV cs/s "
           "| poller CPU % | poller ms/poll | poller cs/s "
           "| raw poller CPU % | raw poller ms/poll | raw poller cs/s "
           "| ratio per poll to poller | ratio per poll to raw poller |\n"
           "|---|---|---|---|---|---|---|---|---|---|---|---|\n";
    for (const Scenario &s : scenarios) {
        out << "| " << s.name << " | " << columns(s.zunov) << " | " << columns(s.poller) << " | "
            << columns(s.rawPoller) << " | " << ratioPerPoll(s.zunov, s.poller) << " | "
            << ratioPerPoll(s.zunov, s.rawPoller) << " |\n";
    }
    out.flush();
}

Options parseOptions(const QCoreApplication &app)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("ZUNOV's CPU on an X display beside two minimal pollers"));
    parser.addHelpOption();
    const QCommandLineOption program(QStringLiteral("program"), QStringLiteral("the zunov program"),
                                     QStringLiteral("path"));
    const QCommandLineOption poller(QStringLiteral("poller"), QStringLiteral("the minimal poller"),
                                    QStringLiteral("path"));
    // Built beside this program; named only to measure another build of it.
    const QCommandLineOption rawPoller(
        QStringLiteral("rawpoller"),
        QStringLiteral("the minimal poller on POSIX alone (default: the one beside xbench)"),
        QStringLiteral("path"),
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("xbench-rawpoller")));
    const QCommandLineOption data(QStringLiteral("data"),
                                  QStringLiteral("folder with the data files"),
                                  QStringLiteral("folder"));
    const QCommandLineOption seconds(QStringLiteral("seconds"),
                                     QStringLiteral("length of each measurement"),
                                     QStringLiteral("s"), QStringLiteral("10"));
    const QCommandLineOption periods(QStringLiteral("periods"),
                                     QStringLiteral("poll periods to measure, comma-separated"),
                                     QStringLiteral("ms,ms"), QStringLiteral("20,10"));
    const QCommandLineOption rounds(QStringLiteral("rounds"),
                                    QStringLiteral("how many times everything is measured"),
                                    QStringLiteral("n"), QStringLiteral("3"));
    parser.addOptions({program, poller, rawPoller, data, seconds, periods, rounds});
    parser.process(app);
    if (!parser.isSet(program) || !parser.isSet(poller) || !parser.isSet(data))
        parser.showHelp(2);
    Options options;
    // The programs start in working folders of their own.
    options.program = QFileInfo(parser.value(program)).absoluteFilePath();
    options.poller = QFileInfo(parser.value(poller)).absoluteFilePath();
    options.rawPoller = QFileInfo(parser.value(rawPoller)).absoluteFilePath();
    options.data = QFileInfo(parser.value(data)).absoluteFilePath();
    options.seconds = std::max(1, parser.value(seconds).toInt());
    options.rounds = std::max(1, parser.value(rounds).toInt());
    options.periods.clear();
    for (const QString &period : parser.value(periods).split(QLatin1Char(','))) {
        if (period.toInt() > 0)
            options.periods.append(period.toInt());
    }
    if (options.periods.isEmpty())
        parser.showHelp(2);
    return options;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const Options options = parseOptions(app);

    std::vector<Scenario> scenarios;
    scenarios.push_back({QStringLiteral("offline, idle"), {}, {}, {}});
    for (int period : options.periods) {
        scenarios.push_back(
            {QStringLiteral("TSER %1, graph window closed").arg(period), {}, {}, {}});
        scenarios.push_back({QStringLiteral("TSER %1, graph window open").arg(period), {}, {}, {}});
    }

    for (int round = 1; round <= options.rounds; ++round) {
        out << "Round " << round << " of " << options.rounds << '\n';
        {
            // Offline: ZUNOV never connects, the pollers never poll.
            const int anyPeriod = options.periods.front();
            Subject zunov(options.program, {}, options.data, anyPeriod);
            Subject poller(options.poller, {QStringLiteral("0")}, options.data, 0);
            Subject rawPoller(options.rawPoller, {QStringLiteral("0")}, options.data, 0);
            if (XDoTool::waitForWindow(MainWindowTitle).isEmpty())
                fail(QStringLiteral("ZUNOV's window did not appear"));
            QThread::msleep(StartSettleMs);
            measure(scenarios[0], {zunov, poller, rawPoller}, options.seconds);
        }
        for (qsizetype p = 0; p < options.periods.size(); ++p) {
            const int period = options.periods[p];
            Subject zunov(options.program, {}, options.data, period);
            Subject poller(options.poller, {QString::number(period)}, options.data, period);
            Subject rawPoller(options.rawPoller, {QString::number(period)}, options.data, period);
            const Subjects subjects{zunov, poller, rawPoller};
            bringOnline(zunov);
            QThread::msleep(PollSettleMs);
            measure(scenarios[size_t(1 + 2 * p)], subjects, options.seconds);
            openGraphWindow();
            QThread::msleep(PollSettleMs);
            measure(scenarios[size_t(2 + 2 * p)], subjects, options.seconds);
        }
    }
    printSummary(scenarios);
    return 0;
}
