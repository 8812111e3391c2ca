#include "config/workfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

namespace {

// A copy belongs to the user like a file of their own.
constexpr QFile::Permissions CopyPermissions =
    QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther;

bool isPresent(const QString &path)
{
    // A dangling symbolic link is still the user's entry.
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

// True when the target is there afterwards.
bool copyAbsentFile(const QString &source, const QString &target)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = in.readAll();
    if (in.error() != QFileDevice::NoError)
        return false;

    // In the target folder, so that the rename stays on one file system.
    QTemporaryFile out(target + QStringLiteral(".XXXXXX"));
    if (!out.open() || out.write(bytes) != bytes.size() || !out.setPermissions(CopyPermissions))
        return false;
    out.close();
    if (out.error() != QFileDevice::NoError)
        return false;
    // QFile::rename never replaces an existing file: should one have
    // appeared meanwhile, it stays and the copy is dropped.
    const QString temporaryName = out.fileName();
    out.setAutoRemove(false);
    if (QFile::rename(temporaryName, target))
        return true;
    QFile::remove(temporaryName);
    return isPresent(target);
}

} // namespace

QString userWorkFolder(const QString &xdgDataHome, const QString &home)
{
    const QString dataHome =
        QDir::isAbsolutePath(xdgDataHome) ? xdgDataHome : home + QStringLiteral("/.local/share");
    return QDir::cleanPath(dataHome + QStringLiteral("/zunov"));
}

QString installedDataFolder(const QString &programFolder)
{
    return QDir::cleanPath(programFolder + QLatin1Char('/')
                           + QStringLiteral(ZUNOV_DATA_FROM_BINDIR));
}

WorkFolderReport prepareWorkFolder(const QString &folder, const QString &dataFolder)
{
    WorkFolderReport report;
    QDir dir(folder);
    report.usable = dir.mkpath(QStringLiteral(".")) && QFileInfo(folder).isDir();
    if (!report.usable)
        return report;

    const QDir data(dataFolder);
    const QStringList names = data.entryList(QDir::Files, QDir::Name);
    report.dataFolderFound = !names.isEmpty();
    for (const QString &name : names) {
        const QString target = dir.filePath(name);
        if (isPresent(target))
            continue;
        if (!copyAbsentFile(data.filePath(name), target))
            report.failed << name;
    }
    return report;
}
