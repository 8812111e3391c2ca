#include "platform/atomicwrite.h"

#include "platform/filedescriptor.h"
#include "platform/writeall.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>

namespace {

// Tries of a fresh random name before giving up; a clash is already unlikely.
constexpr int NameAttempts = 100;
// A new file is readable and writable for everyone the umask allows, like any
// file a program creates; a replacement stays private until it has the old
// file's permissions.
constexpr mode_t NewFileMode = 0666;
constexpr mode_t ReplacementMode = 0600;
constexpr mode_t PermissionBits = 07777;

// The new contents on their way to the file's place; removed unless they got
// there. The name is fresh and the file created exclusively, so nothing that
// is already there is ever written to or removed.
class TemporaryFile
{
public:
    TemporaryFile(const QByteArray &target, mode_t mode)
        : m_file(createUnique(target, mode, m_name))
        , m_created(m_file.isOpen())
    {}
    ~TemporaryFile()
    {
        if (m_created && !m_placed)
            ::unlink(m_name.constData());
    }
    TemporaryFile(const TemporaryFile &) = delete;
    TemporaryFile &operator=(const TemporaryFile &) = delete;

    FileDescriptor &file() { return m_file; }
    bool moveTo(const QByteArray &target)
    {
        m_placed = ::rename(m_name.constData(), target.constData()) == 0;
        return m_placed;
    }

private:
    static int createUnique(const QByteArray &target, mode_t mode, QByteArray &name)
    {
        for (int attempt = 0; attempt < NameAttempts; ++attempt) {
            name = target + '.' + QByteArray::number(QRandomGenerator::global()->generate(), 16);
            const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
            if (fd >= 0 || errno != EEXIST)
                return fd;
        }
        return -1;
    }

    QByteArray m_name;
    FileDescriptor m_file;
    bool m_created;
    bool m_placed = false;
};

bool hasOwnerOf(int fd, const struct stat &old)
{
    struct stat status = {};
    if (::fstat(fd, &status) != 0)
        return false;
    if (status.st_uid == old.st_uid && status.st_gid == old.st_gid)
        return true;
    return ::fchown(fd, old.st_uid, old.st_gid) == 0;
}

// Some file systems cannot flush a folder and say so with EINVAL; there the
// rename is as safe as it can be made.
bool syncFolder(const QByteArray &folder)
{
    const FileDescriptor directory(::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    return directory.isOpen() && (::fsync(directory.get()) == 0 || errno == EINVAL);
}

} // namespace

WriteOutcome writeFileAtomically(const QString &path, const QByteArray &bytes)
{
    const QFileInfo info(path);
    const QString resolved = info.isSymLink() && info.exists() ? info.canonicalFilePath() : path;
    const QByteArray target = QFile::encodeName(resolved);
    const QByteArray folder = QFile::encodeName(QFileInfo(resolved).absolutePath());

    struct stat old = {};
    const bool replacing = ::stat(target.constData(), &old) == 0;
    if (!replacing && errno != ENOENT)
        return WriteOutcome::Failed;
    if (replacing && !S_ISREG(old.st_mode))
        return WriteOutcome::Failed;

    TemporaryFile temporary(target, replacing ? ReplacementMode : NewFileMode);
    FileDescriptor &file = temporary.file();
    if (!file.isOpen())
        return WriteOutcome::Failed;
    if (replacing) {
        if (!hasOwnerOf(file.get(), old))
            return WriteOutcome::OwnerNotKept;
        if (::fchmod(file.get(), old.st_mode & PermissionBits) != 0)
            return WriteOutcome::Failed;
    }
    if (writeAll(file.get(), bytes) != 0 || ::fsync(file.get()) != 0 || !file.close()
        || !temporary.moveTo(target))
        return WriteOutcome::Failed;
    return syncFolder(folder) ? WriteOutcome::Written : WriteOutcome::Failed;
}
