#include "platform/filedialog.h"

#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace {

SaveFileAnswerer &currentAnswerer()
{
    static SaveFileAnswerer answerer;
    return answerer;
}

struct SaveFolder
{
    QString folder;
    SaveFolderKeeper keeper;
};

SaveFolder &currentSaveFolder()
{
    static SaveFolder saveFolder;
    return saveFolder;
}

void followChosenFile(const QString &path)
{
    SaveFolder &current = currentSaveFolder();
    current.folder = QFileInfo(path).absolutePath();
    if (current.keeper)
        current.keeper(current.folder);
}

QString askInDialog(const SaveFileQuestion &question)
{
    // A file to open, such as a recording, is most likely where files were
    // saved.
    if (question.toOpen)
        return QFileDialog::getOpenFileName(
            QApplication::activeWindow(), question.caption,
            question.suggestedPath.isEmpty() ? saveFolder() : question.suggestedPath,
            question.filter);
    const QFileDialog::Options options =
        question.confirmOverwrite ? QFileDialog::Options() : QFileDialog::DontConfirmOverwrite;
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), question.caption,
                                        question.suggestedPath, question.filter, nullptr, options);
}

} // namespace

QString askSaveFileName(const SaveFileQuestion &question)
{
    const SaveFileAnswerer &answerer = currentAnswerer();
    const QString path = answerer ? answerer(question) : askInDialog(question);
    if (!path.isEmpty() && !question.toOpen)
        followChosenFile(path);
    return path;
}

SaveFileAnswerer setSaveFileAnswerer(SaveFileAnswerer answerer)
{
    SaveFileAnswerer previous = std::move(currentAnswerer());
    currentAnswerer() = std::move(answerer);
    return previous;
}

QString suggestedPath(const QString &baseName, const QString &suffix)
{
    const QString stamp =
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd-HHmmss"));
    const QDir folder = saveFolder().isEmpty() ? QDir::current() : QDir(saveFolder());
    return folder.filePath(QStringLiteral("%1-%2.%3").arg(baseName, stamp, suffix));
}

QString saveFolder()
{
    return currentSaveFolder().folder;
}

void setSaveFolder(const QString &folder)
{
    currentSaveFolder().folder = folder;
}

void setSaveFolderKeeper(SaveFolderKeeper keeper)
{
    currentSaveFolder().keeper = std::move(keeper);
}

QString dialogCaption(const QAction *action)
{
    return action->text().remove(QLatin1Char('&')).remove(QChar(u'…'));
}
