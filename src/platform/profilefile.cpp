#include "platform/profilefile.h"

#include "platform/apperror.h"
#include "platform/atomicwrite.h"
#include "platform/integertext.h"
#include "platform/profiletext.h"
#include "platform/regularfile.h"

#include <QDir>
#include <QFileInfo>

namespace {

constexpr QFileDevice::Permissions AnyWrite =
    QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;

// Nothing at all when the file is absent or cannot be read.
std::optional<QByteArray> readBytes(const QString &path)
{
    return readRegularFile(path, ProfileFileLimit);
}

} // namespace

ProfileFile::ProfileFile(const QString &path)
    : m_path(path)
{}

QString ProfileFile::path() const
{
    return m_path;
}

ProfileText ProfileFile::read() const
{
    return ProfileText(readBytes(m_path).value_or(QByteArray()));
}

QString ProfileFile::readString(const QString &section, const QString &key,
                                const QString &defaultValue) const
{
    return read().value(section, key).value_or(defaultValue);
}

qint32 ProfileFile::readInteger(const QString &section, const QString &key,
                                qint32 defaultValue) const
{
    return parseInteger(readString(section, key, QString())).value_or(defaultValue);
}

void ProfileFile::writeString(const QString &section, const QString &key, const QString &value)
{
    writeStrings(section, {{key, value}});
}

void ProfileFile::writeStrings(const QString &section,
                               const QList<QPair<QString, QString>> &keyValues)
{
    if (keyValues.isEmpty())
        return;
    if (isRefusedByPermissions())
        throw AppError::unableToWrite(fullPath());

    // A file that exists but cannot be read (a folder of that name, no read
    // permission, a FIFO, a file over the size limit) cannot be updated
    // without losing what it holds.
    QByteArray bytes;
    if (QFileInfo::exists(m_path)) {
        const auto existing = readBytes(m_path);
        if (!existing)
            throw AppError::unableToWrite(fullPath());
        bytes = *existing;
    }

    ProfileText text(bytes);
    for (const auto &[key, value] : keyValues)
        text.setValue(section, key, value);
    // Nothing to change: the file is left alone, time stamp and all.
    if (text.toBytes() == bytes)
        return;

    switch (writeFileAtomically(m_path, text.toBytes())) {
    case WriteOutcome::Written:
        return;
    case WriteOutcome::OwnerNotKept:
        throw AppError::unableToWriteOtherOwner(fullPath());
    case WriteOutcome::Failed:
        break;
    }
    throw AppError::unableToWrite(fullPath());
}

QString ProfileFile::fullPath() const
{
    return QDir::toNativeSeparators(QFileInfo(m_path).absoluteFilePath());
}

// The system lets a superuser write into a read-only file or folder, but a file
// or folder that nobody may write to was made read-only on purpose, and the
// program respects that whoever runs it.
bool ProfileFile::isRefusedByPermissions() const
{
    const QFileInfo file(m_path);
    if (file.exists() && (!file.isWritable() || !(file.permissions() & AnyWrite)))
        return true;
    const QFileInfo folder(file.absolutePath());
    return folder.isDir() && (!folder.isWritable() || !(folder.permissions() & AnyWrite));
}
