// The main window's recording: the "Záznam" menu and the measurements kept
// in a CSV file as they come.
#include "app/statuspanel.h"
#include "app/tt_zunov.h"
#include "platform/filedialog.h"
#include "platform/messages.h"
#include "record/csvrows.h"
#include "record/recordfile.h"
#include "ui_tt_zunov.h"

#include <QDateTime>

namespace {

const QString RecordingMarker = QStringLiteral("● ZÁZNAM");
const QString CsvFilter = QStringLiteral("Soubory CSV (*.csv)");
const QString CannotStartText = QStringLiteral("Záznam nelze spustit: soubor %1 nelze otevřít.");
const QString StoppedText =
    QStringLiteral("Záznam byl zastaven: do souboru %1 se nepodařilo zapsat.");

const QString RecordingName = QStringLiteral("zunov");

} // namespace

void TT_ZUNOV::setUpRecording()
{
    connect(ui->SpustitZaznam1, &QAction::triggered, this, &TT_ZUNOV::SpustitZaznam1Click);
    connect(ui->ZastavitZaznam1, &QAction::triggered, this, &TT_ZUNOV::ZastavitZaznam1Click);
}

bool TT_ZUNOV::startRecording(const QString &path)
{
    auto file = std::make_unique<RecordFile>(path);
    if (!file->isOpen()) {
        showError(CannotStartText.arg(path));
        return false;
    }
    m_recording = std::move(file);
    showRecordingState();
    return true;
}

void TT_ZUNOV::stopRecording()
{
    m_recording.reset();
    showRecordingState();
}

void TT_ZUNOV::showRecordingState()
{
    const bool on = isRecording();
    ui->SpustitZaznam1->setEnabled(!on);
    ui->ZastavitZaznam1->setEnabled(on);
    m_panels->setMarker(StatusPanel::Device, on ? RecordingMarker : QString());
}

void TT_ZUNOV::recordReply(const std::vector<Reading> &readings, const Frame &reply)
{
    if (!m_recording || readings.empty())
        return;
    if (m_recording->append(csvRows(readings, reply, QDateTime::currentDateTime())))
        return;
    // Stopped before the message: polls go on while the message is open, and
    // must not try the file again.
    const QString path = m_recording->path();
    stopRecording();
    showError(StoppedText.arg(path));
}

void TT_ZUNOV::SpustitZaznam1Click()
{
    // A recording continues a file that exists, so the dialog does not
    // offer to replace it.
    const QString path =
        askSaveFileName({dialogCaption(ui->SpustitZaznam1),
                         suggestedPath(RecordingName, QStringLiteral("csv")), CsvFilter, false});
    if (!path.isEmpty())
        startRecording(path);
}

void TT_ZUNOV::ZastavitZaznam1Click()
{
    stopRecording();
}
