#include "config/savefolder.h"

#include "config/configuration.h"
#include "platform/profilefile.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

bool isFolder(const QString &path)
{
    return !path.isEmpty() && QFileInfo(path).isDir();
}

} // namespace

QString startSaveFolder(const std::optional<QString> &stored)
{
    if (stored && isFolder(*stored))
        return *stored;
    // Qt names the documents folder even where it does not exist yet.
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return isFolder(documents) ? documents : QDir::homePath();
}

void writeSaveFolder(ProfileFile &file, const QString &folder)
{
    file.writeString(QLatin1String(ConfigurationSection), QLatin1String(SaveFolderKey), folder);
}
