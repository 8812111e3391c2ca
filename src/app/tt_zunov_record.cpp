// The main window's recording and pictures: the "Záznam" menu, the
// measurements kept in a CSV file as they come, and the history graphs saved
// or copied as pictures.
#include "app/statuspanel.h"
#include "app/tt_zunov.h"
#include "config/commandline.h"
#include "config/configuration.h"
#include "config/savefolder.h"
#include "dialogs/rotationdialog.h"
#include "link/instrumentsession.h"
#include "link/tserial.h"
#include "measure/tgraff.h"
#include "measure/tperformancegraph.h"
#include "platform/apperror.h"
#include "platform/filedialog.h"
#include "platform/messages.h"
#include "platform/profilefile.h"
#include "record/csvrows.h"
#include "record/graphpictures.h"
#include "record/rotatingrecord.h"
#include "ui_tt_zunov.h"

#include <QDateTime>

namespace {

// Translated where they are shown: the translation is chosen after start-up.
const char *const RecordingMarker = QT_TRANSLATE_NOOP("TT_ZUNOV", "● ZÁZNAM");
const char *const CsvFilter = QT_TRANSLATE_NOOP("TT_ZUNOV", "Soubory CSV (*.csv)");
const char *const CannotStartText =
    QT_TRANSLATE_NOOP("TT_ZUNOV", "Záznam nelze spustit: soubor %1 nelze otevřít.");
const char *const StoppedText =
    QT_TRANSLATE_NOOP("TT_ZUNOV", "Záznam byl zastaven: do souboru %1 se nepodařilo zapsat.");

// File names, the same in every language.
const QString RecordingName = QStringLiteral("zunov");
const QString CurrentGraphName = QStringLiteral("zunov-proud");
const QString VoltageGraphsName = QStringLiteral("zunov-u1-u2");

} // namespace

void TT_ZUNOV::setUpRecordMenus()
{
    connect(ui->SpustitZaznam1, &QAction::triggered, this, &TT_ZUNOV::SpustitZaznam1Click);
    connect(ui->ZastavitZaznam1, &QAction::triggered, this, &TT_ZUNOV::ZastavitZaznam1Click);
    connect(ui->UlozitGrafProudu1, &QAction::triggered, this, &TT_ZUNOV::UlozitGrafProudu1Click);
    connect(ui->UlozitGrafy1, &QAction::triggered, this, &TT_ZUNOV::UlozitGrafy1Click);
    offerPictureMenu(ui->PerformanceGraph1, ui->UlozitGrafProudu1,
                     [graph = ui->PerformanceGraph1] { return graph->picture(); });
}

void TT_ZUNOV::keepSaveFolder(const std::optional<QString> &stored)
{
    setSaveFolder(startSaveFolder(stored));
    // The settings file of this window's folder, whatever folder is current
    // when a file is saved.
    setSaveFolderKeeper([path = configurationFilePath()](const QString &folder) {
        ProfileFile file(path);
        try {
            writeSaveFolder(file, folder);
        } catch (const AppError &) {
            // The file the user chose is saved; a settings file that cannot
            // be written only means that the next start opens in the
            // documents folder again. Not worth a message after every save.
        }
    });
}

// Save dialogs that outlive the window (a test's, another set of windows)
// must not write this window's settings file.
void TT_ZUNOV::forgetSaveFolder()
{
    setSaveFolderKeeper({});
    setSaveFolder(QString());
}

void TT_ZUNOV::attachWindows(const OtherWindows &windows)
{
    m_windows.emplace(windows);
    // The graph window's graphs get the same picture menu as the main
    // window's graph.
    TGraff &graphs = windows.graph;
    for (TPerformanceGraph *graph : {graphs.PerformanceGraph1(), graphs.PerformanceGraph2()})
        offerPictureMenu(graph, ui->UlozitGrafy1,
                         [&graphs] { return voltageGraphsPicture(graphs); });
    connectSweep(windows.sweep);
}

bool TT_ZUNOV::startRecording(const QString &path, const RecordingRotation &rotation)
{
    const DeviceStatus device = serialPort().deviceStatus();
    RunSettings settings;
    settings.program = versionText();
    settings.devicePath = device.resolvedPath.isEmpty() ? device.path : device.resolvedPath;
    settings.deviceName = device.path;
    settings.port = serialPort().portNumber();
    settings.pollPeriodMs = state.pollPeriodMs;
    // As the panel stands: what the instrument runs is only known once sent.
    settings.generator = GeneratorSetting{state.tx[1], state.tx[2]};
    settings.rotation = rotation;
    auto file = std::make_unique<RotatingRecord>(path, settings);
    if (!file->isOpen()) {
        showError(tr(CannotStartText).arg(file->path()));
        return false;
    }
    m_recording = std::move(file);
    m_linkGaps.emplace(linkState(*m_session));
    showRecordingState();
    return true;
}

void TT_ZUNOV::stopRecording()
{
    m_recording.reset();
    m_linkGaps.reset();
    showRecordingState();
}

void TT_ZUNOV::recordGeneratorSetting(const Frame &tx)
{
    if (m_recording)
        m_recording->generatorChanged({tx[1], tx[2]});
}

void TT_ZUNOV::showRecordingState()
{
    const bool on = isRecording();
    ui->SpustitZaznam1->setEnabled(!on);
    ui->ZastavitZaznam1->setEnabled(on);
    m_panels->setMarker(StatusPanel::Device, on ? tr(RecordingMarker) : QString());
}

void TT_ZUNOV::recordReply(const std::vector<Reading> &readings,
                           const std::vector<Reading> &differences, const Frame &reply)
{
    if (!m_recording || readings.empty())
        return;
    const QDateTime now = QDateTime::currentDateTime();
    appendToRecording(csvRows(readings, reply, now) + csvDifferenceRows(differences, reply, now));
}

// Called for every poll before its readings, so that the mark of an
// instrument that came back stands before the values it brought.
void TT_ZUNOV::recordLinkState()
{
    if (!m_linkGaps)
        return;
    if (const std::optional<bool> online = m_linkGaps->update(linkState(*m_session)))
        appendToRecording(csvLinkRow(*online, QDateTime::currentDateTime()));
}

void TT_ZUNOV::appendToRecording(const QByteArray &rows)
{
    if (!m_recording || m_recording->append(rows))
        return;
    // Stopped before the message: polls go on while the message is open, and
    // must not try the file again.
    const QString path = m_recording->path();
    stopRecording();
    showError(tr(StoppedText).arg(path));
}

void TT_ZUNOV::SpustitZaznam1Click()
{
    // A recording continues a file that exists, so the dialog does not
    // offer to replace it; one that goes on in new files never touches it.
    const QString path = askSaveFileName({dialogCaption(ui->SpustitZaznam1),
                                          suggestedPath(RecordingName, QStringLiteral("csv")),
                                          tr(CsvFilter), false});
    if (path.isEmpty())
        return;
    const std::optional<RecordingRotation> rotation = askRecordingRotation(m_lastRotation, this);
    if (!rotation)
        return;
    m_lastRotation = *rotation;
    startRecording(path, *rotation);
}

void TT_ZUNOV::ZastavitZaznam1Click()
{
    stopRecording();
}

void TT_ZUNOV::UlozitGrafProudu1Click()
{
    savePicture(ui->PerformanceGraph1->picture(), dialogCaption(ui->UlozitGrafProudu1),
                CurrentGraphName);
}

void TT_ZUNOV::UlozitGrafy1Click()
{
    if (m_windows)
        savePicture(voltageGraphsPicture(m_windows->graph), dialogCaption(ui->UlozitGrafy1),
                    VoltageGraphsName);
}
