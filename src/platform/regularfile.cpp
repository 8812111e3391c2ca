#include "platform/regularfile.h"

#include "platform/filedescriptor.h"

#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>

std::optional<QByteArray> readRegularFile(const QString &path, qint64 maxBytes)
{
    const FileDescriptor file(
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.get() < 0)
        return std::nullopt;
    struct stat status = {};
    if (::fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode) || status.st_size > maxBytes)
        return std::nullopt;

    // The size can change between fstat and the end of the read (a file being
    // written, or one that reports no size), so the read itself stops one byte
    // past the limit and that byte refuses the file.
    QByteArray bytes(qsizetype(status.st_size) + 1, Qt::Uninitialized);
    qint64 total = 0;
    for (;;) {
        if (total == bytes.size()) {
            if (total > maxBytes)
                return std::nullopt;
            bytes.resize(qsizetype(std::min(maxBytes + 1, 2 * total + 4096)));
        }
        const ssize_t count =
            ::read(file.get(), bytes.data() + total, size_t(bytes.size() - total));
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            return std::nullopt;
        if (count == 0)
            break;
        total += count;
    }
    if (total > maxBytes)
        return std::nullopt;
    bytes.truncate(qsizetype(total));
    return bytes;
}
