#include "processstats.h"

#include <QDir>
#include <QFile>

namespace {

constexpr double NanosecondsPerSecond = 1e9;

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// "voluntary_ctxt_switches:\t12" and its nonvoluntary twin.
long long contextSwitches(const QByteArray &status)
{
    long long total = 0;
    for (const QByteArray &line : status.split('\n')) {
        if (line.startsWith("voluntary_ctxt_switches:")
            || line.startsWith("nonvoluntary_ctxt_switches:"))
            total += line.mid(line.indexOf(':') + 1).trimmed().toLongLong();
    }
    return total;
}

} // namespace

ProcessStats readProcessStats(pid_t pid)
{
    ProcessStats stats;
    const QString taskFolder = QStringLiteral("/proc/%1/task").arg(pid);
    for (const QString &task : QDir(taskFolder).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString folder = taskFolder + QLatin1Char('/') + task;
        // The first field is the time spent running, in nanoseconds.
        const QByteArray schedstat = readAll(folder + QStringLiteral("/schedstat"));
        stats.cpuSeconds += schedstat.split(' ').value(0).toDouble() / NanosecondsPerSecond;
        stats.contextSwitches += contextSwitches(readAll(folder + QStringLiteral("/status")));
    }
    return stats;
}
