// The trend window's files: the view saved as a picture or as data, and a
// recording read back to be shown instead of the session.
#include "dialogs/trendview.h"
#include "dialogs/trendwindow.h"
#include "platform/atomicwrite.h"
#include "platform/filedialog.h"
#include "platform/messages.h"
#include "record/graphpictures.h"
#include "record/historyrows.h"
#include "record/recordingreader.h"
#include "ui_trendwindow.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>

namespace {

// How many problems of a file are listed before "and so many more".
constexpr int ListedProblems = 10;
// A file name, the same in every language.
const QString PictureName = QStringLiteral("zunov-prubeh");
// The window has no Q_OBJECT: its texts are translated in the context of its
// form, and where they are shown.
const char *const CsvFilter = QT_TRANSLATE_NOOP("TrendWindow", "Soubory CSV (*.csv)");
const char *const CannotSaveText =
    QT_TRANSLATE_NOOP("TrendWindow", "Soubor %1 se nepodařilo uložit.");
const char *const CannotReadText = QT_TRANSLATE_NOOP("TrendWindow", "Soubor %1 nelze přečíst.");
const char *const NoReadingsText =
    QT_TRANSLATE_NOOP("TrendWindow", "Soubor %1 neobsahuje žádné měření.");

QString translated(const char *text)
{
    return QCoreApplication::translate("TrendWindow", text);
}

QString problemsText(const QString &path, const RecordingContents &contents)
{
    const std::vector<RecordingProblem> &problems = contents.problems;
    QStringList lines{QCoreApplication::translate(
                          "TrendWindow", "Některé řádky souboru %1 nelze přečíst a byly vynechány:")
                          .arg(QDir::toNativeSeparators(path))};
    for (size_t index = 0; index < problems.size() && index < ListedProblems; ++index)
        lines << QCoreApplication::translate("TrendWindow", "řádek %1: %2")
                     .arg(problems[index].line)
                     .arg(problems[index].reason);
    if (contents.problemCount > ListedProblems)
        lines << QCoreApplication::translate("TrendWindow", "… a dalších %n", nullptr,
                                             int(contents.problemCount - ListedProblems));
    return lines.join(QLatin1Char('\n'));
}

} // namespace

bool TrendWindow::openRecording(const QString &path)
{
    const std::optional<RecordingContents> read = readRecordingFile(path);
    if (!read) {
        showError(translated(CannotReadText).arg(QDir::toNativeSeparators(path)));
        return false;
    }
    const RecordingContents &contents = *read;
    if (!contents.problems.empty())
        showWarning(problemsText(path, contents));
    else if (contents.rows.empty())
        showError(translated(NoReadingsText).arg(QDir::toNativeSeparators(path)));
    if (contents.rows.empty())
        return false;
    auto recording = std::make_unique<ReadingHistory>();
    for (const RecordedRow &row : contents.rows)
        recording->add(row.reading, row.raw, row.timeMs);
    m_recording = std::move(recording);
    ui->Source->setText(
        QCoreApplication::translate("TrendWindow", "Záznam: %1").arg(QFileInfo(path).fileName()));
    ui->BackToSession->show();
    // A file does not grow: the view stays where the user puts it.
    m_follow.stop();
    showWholeSession();
    return true;
}

void TrendWindow::exportPng()
{
    // The view as the screen shows it, at the screen's pixel ratio, so that
    // the picture is as sharp as the window.
    savePicture(ui->Plot->grab().toImage(),
                QCoreApplication::translate("TrendWindow", "Uložit obrázek PNG"), PictureName);
}

void TrendWindow::exportSvg()
{
    saveSvgPicture(*ui->Plot, PictureName);
}

void TrendWindow::exportCsv()
{
    const QString path =
        askSaveFileName({QCoreApplication::translate("TrendWindow", "Uložit data CSV"),
                         suggestedPath(PictureName, QStringLiteral("csv")), translated(CsvFilter)});
    if (path.isEmpty())
        return;
    const QByteArray rows = exportRows(shownHistory(), quantity(), m_fromMs, m_toMs);
    if (writeFileAtomically(path, rows) != WriteOutcome::Written)
        showError(translated(CannotSaveText).arg(path));
}

void TrendWindow::askForRecording()
{
    SaveFileQuestion question{QCoreApplication::translate("TrendWindow", "Otevřít záznam"),
                              QString(), translated(CsvFilter)};
    question.toOpen = true;
    const QString path = askSaveFileName(question);
    if (!path.isEmpty())
        openRecording(path);
}
