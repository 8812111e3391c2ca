#include "platform/filedialog.h"

#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>

namespace {

SaveFileAnswerer &currentAnswerer()
{
    static SaveFileAnswerer answerer;
    return answerer;
}

QString askInDialog(const SaveFileQuestion &question)
{
    if (question.toOpen)
        return QFileDialog::getOpenFileName(QApplication::activeWindow(), question.caption,
                                            question.suggestedPath, question.filter);
    const QFileDialog::Options options =
        question.confirmOverwrite ? QFileDialog::Options() : QFileDialog::DontConfirmOverwrite;
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), question.caption,
                                        question.suggestedPath, question.filter, nullptr, options);
}

} // namespace

QString askSaveFileName(const SaveFileQuestion &question)
{
    if (const SaveFileAnswerer &answerer = currentAnswerer())
        return answerer(question);
    return askInDialog(question);
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
    return QDir::current().filePath(QStringLiteral("%1-%2.%3").arg(baseName, stamp, suffix));
}

QString dialogCaption(const QAction *action)
{
    return action->text().remove(QLatin1Char('&')).remove(QChar(u'…'));
}
