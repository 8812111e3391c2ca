#include "record/recordfile.h"

#include "platform/writeall.h"
#include "record/csvrows.h"
#include "record/rowjoint.h"

#include <QFile>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Each row reaches the system at once; forcing it onto the disk costs 0.5 to
// 2 ms here and far more on a USB stick, too much for every row at 100 polls
// a second on the window's thread. Once a second bounds what a power cut can
// take.
constexpr std::chrono::seconds SyncInterval{1};

// What goes before the first rows: the header in an empty file (a device
// such as /dev/stdout counts as one), and what ends a last row that was cut
// off, so that the new rows do not run on from it.
QByteArray prefixFor(const QString &path, off_t size)
{
    if (size == 0)
        return csvHeader();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)
        || !file.seek(std::max<qint64>(0, size - RowJointTailBytes)))
        return {};
    return rowJoint(file.read(RowJointTailBytes));
}

} // namespace

RecordFile::RecordFile(const QString &path, Opening opening)
    : m_path(path)
    , m_lastSync(std::chrono::steady_clock::now())
{
    const int exclusive = opening == Opening::CreateOnly ? O_EXCL : 0;
    m_fd = ::open(QFile::encodeName(path).constData(),
                  O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC | exclusive, 0666);
    struct stat status = {};
    if (isOpen() && ::fstat(m_fd, &status) == 0) {
        m_prefix = prefixFor(path, status.st_size);
        m_size = status.st_size;
        m_regular = S_ISREG(status.st_mode);
    }
}

RecordFile::~RecordFile()
{
    if (isOpen())
        fdatasync(m_fd);
    close();
}

bool RecordFile::append(const QByteArray &rows)
{
    if (!isOpen())
        return false;
    if (!stillAtItsPath()) {
        close();
        return false;
    }
    const QByteArray bytes = m_prefix + rows;
    if (writeAll(m_fd, bytes) != 0) {
        cutPartialWrite(bytes.size());
        close();
        return false;
    }
    if (!syncIfDue()) {
        close();
        return false;
    }
    m_size += m_prefix.size() + rows.size();
    m_prefix.clear();
    return true;
}

void RecordFile::cutPartialWrite(qint64 attempted)
{
    // A full disk takes what fits: the part of a row it took is cut off
    // again, so that the file ends with a whole row for any reader. Only
    // when the file grew by no more than that write, so that nobody else's
    // bytes are cut; otherwise the next recording that continues the file
    // ends the cut row first.
    struct stat status = {};
    if (m_regular && ::fstat(m_fd, &status) == 0 && status.st_size > m_size
        && status.st_size < m_size + attempted) {
        [[maybe_unused]] const int cut = ftruncate(m_fd, m_size);
    }
}

bool RecordFile::stillAtItsPath() const
{
    struct stat named = {};
    struct stat open = {};
    return ::stat(QFile::encodeName(m_path).constData(), &named) == 0 && ::fstat(m_fd, &open) == 0
           && named.st_dev == open.st_dev && named.st_ino == open.st_ino;
}

bool RecordFile::syncIfDue()
{
    const auto now = std::chrono::steady_clock::now();
    if (now - m_lastSync < SyncInterval)
        return true;
    m_lastSync = now;
    // A device or pipe (--log /dev/stdout) cannot be synchronised; that is no
    // failure. A late write error of the disk shows here.
    return fdatasync(m_fd) == 0 || errno == EINVAL;
}

void RecordFile::close()
{
    if (isOpen())
        ::close(m_fd);
    m_fd = -1;
}
