#include "app/startfolder.h"

#include "config/commandline.h"
#include "config/workfolder.h"
#include "platform/messages.h"

#include <QCoreApplication>
#include <QDir>

namespace {

// The messages come before the windows: in the language of the command
// line, if it named one, else in Czech.
QString translated(const char *text)
{
    return QCoreApplication::translate("StartFolder", text);
}

const char *const FolderUnusableText =
    QT_TRANSLATE_NOOP("StartFolder", "Pracovní složku %1 nelze vytvořit ani otevřít.");
const char *const DataFolderMissingText =
    QT_TRANSLATE_NOOP("StartFolder", "Datové soubory programu nebyly nalezeny ve složce %1.");
// %2: the files that could not be copied.
const char *const CopyFailedText =
    QT_TRANSLATE_NOOP("StartFolder", "Do pracovní složky %1 nelze zkopírovat: %2.");

QString requestedFolder(const CommandLine &options)
{
    if (options.userWorkdir)
        return userWorkFolder(qEnvironmentVariable("XDG_DATA_HOME"), QDir::homePath());
    return options.workdir;
}

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

bool enterStartFolder(const CommandLine &options)
{
    const QString requested = requestedFolder(options);
    if (requested.isEmpty())
        return true;
    const QString folder = QDir(requested).absolutePath();
    const QString dataFolder = installedDataFolder(QCoreApplication::applicationDirPath());
    const WorkFolderReport report = prepareWorkFolder(folder, dataFolder);
    if (!report.usable || !QDir::setCurrent(folder)) {
        showError(translated(FolderUnusableText).arg(shown(folder)));
        return false;
    }
    // The program goes on in the folder and copes with a missing file as it
    // does in any folder.
    if (!report.dataFolderFound)
        showError(translated(DataFolderMissingText).arg(shown(dataFolder)));
    else if (!report.failed.isEmpty())
        showError(translated(CopyFailedText)
                      .arg(shown(folder), report.failed.join(QStringLiteral(", "))));
    return true;
}

QString startFolderPath(const CommandLine &options)
{
    const QString requested = requestedFolder(options);
    return QDir(requested.isEmpty() ? QDir::currentPath() : requested).absolutePath();
}
