#include "platform/portholder.h"

#include <QFile>
#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace {

// The table is small; this only guards against reading a runaway file.
constexpr qint64 MostBytesRead = 1 << 20;

QByteArray readSmallFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.read(MostBytesRead) : QByteArray();
}

} // namespace

std::optional<qint64> lockHolderPid(const QByteArray &locksText, quint64 fileSystemDevice,
                                    quint64 inode)
{
    // A line reads "1: FLOCK  ADVISORY  WRITE 1234 00:05:85 0 EOF": the pid,
    // then the file as major:minor (hexadecimal) of its file system and the
    // inode (decimal). Waiters are listed with "->" and hold nothing.
    const QByteArray file = QByteArray::number(major(fileSystemDevice), 16).rightJustified(2, '0')
                            + ':'
                            + QByteArray::number(minor(fileSystemDevice), 16).rightJustified(2, '0')
                            + ':' + QByteArray::number(inode);
    for (const QByteArray &line : locksText.split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() < 6 || fields.at(1) == "->" || fields.at(5) != file)
            continue;
        bool isNumber = false;
        const qint64 pid = fields.at(4).toLongLong(&isNumber);
        // Open file description locks belong to no process (pid -1).
        if (isNumber && pid > 0)
            return pid;
    }
    return std::nullopt;
}

std::optional<PortHolder> findPortHolder(const QString &devicePath)
{
    struct stat status
    {};
    if (::stat(QFile::encodeName(devicePath).constData(), &status) != 0)
        return std::nullopt;
    const auto pid =
        lockHolderPid(readSmallFile(QStringLiteral("/proc/locks")), status.st_dev, status.st_ino);
    if (!pid)
        return std::nullopt;
    const QByteArray name = readSmallFile(QStringLiteral("/proc/%1/comm").arg(*pid)).trimmed();
    return PortHolder{*pid, QString::fromLocal8Bit(name)};
}
