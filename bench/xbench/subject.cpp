#include "subject.h"

#include <QDir>
#include <QFile>
#include <QThread>

namespace {

constexpr int PortNumber = 1;
constexpr int StartLimitMs = 10000;
constexpr int EndLimitMs = 5000;
constexpr int PollWaitSliceMs = 20;

void prepareFolder(const QString &folder, const QString &dataFolder, int pollPeriodMs)
{
    const QDir data(dataFolder);
    for (const QString &name : data.entryList(QDir::Files))
        QFile::copy(data.filePath(name), QDir(folder).filePath(name));
    QFile settings(QDir(folder).filePath(QStringLiteral("ZUNOV.INI")));
    settings.remove();
    if (!settings.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(settings.fileName()));
    settings.write(QStringLiteral("[NASTAVENI]\r\nPort=%1\r\nTSER=%2\r\n")
                       .arg(PortNumber)
                       .arg(pollPeriodMs)
                       .toLatin1());
}

} // namespace

Subject::Subject(const QString &program, const QStringList &arguments, const QString &dataFolder,
                 int pollPeriodMs)
{
    if (!m_folder.isValid())
        qFatal("cannot make a working folder");
    prepareFolder(m_folder.path(), dataFolder, pollPeriodMs);
    m_instrument.setLink(m_folder.path().toStdString(), PortNumber);
    m_instrument.start();

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    // Qt wants a private runtime folder and complains on every start without one.
    if (!environment.contains(QStringLiteral("XDG_RUNTIME_DIR")))
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_folder.path());
    m_process.setProcessEnvironment(environment);
    m_process.setWorkingDirectory(m_folder.path());
    m_process.setProcessChannelMode(QProcess::ForwardedChannels);
    m_process.start(program, arguments);
    if (!m_process.waitForStarted(StartLimitMs))
        qFatal("cannot start %s", qPrintable(program));
    m_clock.start();
}

Subject::~Subject()
{
    m_process.terminate();
    if (!m_process.waitForFinished(EndLimitMs)) {
        m_process.kill();
        m_process.waitForFinished();
    }
    m_instrument.stop();
}

bool Subject::waitForPolls(int count, int timeLimitMs) const
{
    const int target = polls() + count;
    QElapsedTimer waited;
    waited.start();
    while (polls() < target) {
        if (waited.elapsed() > timeLimitMs || !running())
            return false;
        QThread::msleep(PollWaitSliceMs);
    }
    return true;
}

Subject::Sample Subject::sample() const
{
    return {m_clock.nsecsElapsed() / 1e9, readProcessStats(pid_t(m_process.processId())), polls()};
}

Figures figuresBetween(const Subject::Sample &from, const Subject::Sample &to)
{
    const double seconds = to.seconds - from.seconds;
    const double cpu = to.stats.cpuSeconds - from.stats.cpuSeconds;
    const int polls = to.polls - from.polls;
    Figures figures;
    figures.cpuPercent = 100 * cpu / seconds;
    figures.cpuPerPollMs = polls > 0 ? 1000 * cpu / polls : 0;
    figures.switchesPerSecond =
        double(to.stats.contextSwitches - from.stats.contextSwitches) / seconds;
    figures.pollsPerSecond = polls / seconds;
    return figures;
}
