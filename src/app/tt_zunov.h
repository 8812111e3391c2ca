#pragma once

#include "analysis/limitsettings.h"
#include "analysis/measurementanalysis.h"
#include "app/programstate.h"
#include "app/statusbarpanels.h"
#include "generator/waveformtable.h"
#include "link/devicestatus.h"
#include "link/frame.h"
#include "platform/timer.h"
#include "record/linkgaps.h"
#include "record/recordingrotation.h"

#include <QMainWindow>
#include <array>
#include <memory>
#include <optional>
#include <vector>

namespace Ui {
class TT_ZUNOV;
}
class QLabel;
class RotatingRecord;
class LimitsWindow;
class StatisticsWindow;
class SweepWindow;
class TrendWindow;
class TGraff;
class TNast;
class TPripoj;
class TfrmOProgramu;
class Tnapoved;
class InstrumentSession;
class TSerial;
struct Configuration;
struct Reading;
struct ReplyDisplay;
struct Waveform;

// The main window: shows the measurements, hosts the generator panel, owns
// the program-wide state and the timers through which the program runs.
// Handlers that belong to a subsystem live in that subsystem's folder.
class TT_ZUNOV : public QMainWindow
{
    Q_OBJECT

public:
    explicit TT_ZUNOV(const Configuration &configuration, QWidget *parent = nullptr);
    ~TT_ZUNOV() override;

    ProgramState state;
    WaveformTable waveformTable{};

    Timer *const Timer1; // link state and restart request, every 100 ms
    Timer *const Timer2; // measurement poll, every poll period
    Timer *const Timer3; // one-shot reset of the action panel
    Timer *const Timer4; // handshake steps 1 to 4, 500 ms apart
    Timer *const Timer5;
    Timer *const Timer6;
    Timer *const Timer7;

    // The one conversation with the instrument, from start-up to the end.
    InstrumentSession &session() const { return *m_session; }
    // Its port; reopened when its device comes back.
    TSerial &serialPort() const;

    QString panelText(int index) const { return m_panels->text(index); }
    QString panelToolTip(int index) const { return m_panels->toolTip(index); }

    // Draws the generator preview from the current waveform table.
    void NakresliUkazku();

    // Records every whole reply to the file from now on, adding to what it
    // holds, or in new files named after it as the rotation says; a file
    // that cannot be opened is reported and nothing changes.
    bool startRecording(const QString &path, const RecordingRotation &rotation = {});
    bool isRecording() const { return m_recording != nullptr; }
    // The statistics, REL references and history of every reading.
    const MeasurementAnalysis &analysis() const { return m_analysis; }
    const ReadingStatistics &statistics() const { return m_analysis.statistics(); }
    void resetStatistics() { m_analysis.resetStatistics(); }
    // HOLD: the quantity's value stays as shown while polls, statistics,
    // graphs and the recording go on; a marker beside the value says so.
    void holdValue(Quantity quantity, bool held);
    bool isHeld(Quantity quantity) const { return m_held[size_t(quantity)]; }
    // REL: from now on the quantity is shown and recorded as its difference
    // to its latest value, with a marker beside it. False, and nothing
    // changes, while the quantity has had no reading.
    bool showRelative(Quantity quantity, bool relative);
    // The limits in force, as read from the settings file at the start.
    const LimitSettings &limitSettings() const { return m_limitSettings; }
    // Keeps the settings in the settings file and watches by them from the
    // next reading; false, reported, when the file refused them.
    bool applyLimits(const LimitSettings &settings);
    // The program's other windows, which the menu and the handlers show and
    // drive; handed over once they all exist.
    struct OtherWindows
    {
        TfrmOProgramu &about;
        Tnapoved &help;
        TGraff &graph;
        TPripoj &connect;
        TNast &settings;
        StatisticsWindow &statistics;
        TrendWindow &trend;
        LimitsWindow &limits;
        SweepWindow &sweep;
    };
    void attachWindows(const OtherWindows &windows);
    // The graph window was closed, however that happened: "Graf" follows.
    void graphWindowClosed();
    // The settings were saved: the program ends within a tick.
    void requestRestart();

signals:
    // The window was closed: the program ends.
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void connectHandlers();
    void setInitialTexts();
    // The labels that show the instrument's values.
    QList<QLabel *> valueLabels() const;

    void Konec1Click();
    void N1Click();
    void Info1Click();
    void Timer1Timer();
    void Timer3Timer();
    void Nastaven1Click();

    // Link upkeep
    void watchLink();
    void wakeStatusTick();
    void showDevice();
    void showValuesAsCurrent(bool current);

    // Measurements
    void Timer2Timer();
    void pollEnded(const Frame &reply, int received);
    void showReply(const ReplyDisplay &reply, const std::vector<Reading> &differences);
    void CheckBox1Click(bool checked);
    void ListBox1Click();
    void seriesSelectionChanged();

    // Generator
    int frequencyValue() const;
    void cas1Change(int position);
    void chooseWaveform(const Waveform &waveform);
    void RadioButton5Click();
    void RadioButton4Click();
    void RadioButton3Click();
    void RadioButton2Click();
    void RadioButton1Click();
    void Button2Click();
    void uploadEnded(const Frame &reply);

    // Connect handshake
    void Pripojit1Click();
    void Timer4Timer();
    void Timer5Timer();
    void Timer6Timer();
    void Timer7Timer();
    void runHandshakeStep(int step, Timer *own);
    void echoReceived(int step, std::optional<uint8_t> echo);
    void finishHandshake(bool linkUp);

    // Recording and pictures
    void setUpRecordMenus();
    void keepSaveFolder(const std::optional<QString> &stored);
    void forgetSaveFolder();
    void SpustitZaznam1Click();
    void ZastavitZaznam1Click();
    void UlozitGrafProudu1Click();
    void UlozitGrafy1Click();
    void stopRecording();
    void showRecordingState();
    // The generator was set (sent to the instrument): the recording keeps it.
    void recordGeneratorSetting(const Frame &tx);
    void recordReply(const std::vector<Reading> &readings, const std::vector<Reading> &differences,
                     const Frame &reply);
    void recordLinkState();
    void appendToRecording(const QByteArray &rows);
    void setUpAnalysisMenu();
    void Statistika1Click();
    void Prubeh1Click();
    void showMarker(Quantity quantity);
    void setUpLimits();
    void Meze1Click();
    void useLimits(const LimitSettings &settings);
    void watchLimits(const std::vector<QuantityLimitChange> &changes, qint64 nowMs);
    void startTriggeredRecording(qint64 fromMs, qint64 nowMs);
    void showLimitState();
    QList<QLabel *> valueLabelsOf(Quantity quantity) const;
    void Rozmitani1Click();
    void connectSweep(SweepWindow &window);
    void sweepRunning(bool running);
    void showGeneratorSetting(const Frame &tx);
    void setUpLanguageMenu(const std::optional<QString> &storedLanguage);
    void showStoredLanguage(const QString &language);
    void chooseLanguage(const QString &language);

    std::unique_ptr<Ui::TT_ZUNOV> ui;
    std::unique_ptr<InstrumentSession> m_session;
    std::unique_ptr<StatusBarPanels> m_panels;
    std::optional<LinkGapMarks> m_linkGaps; // while recording
    std::unique_ptr<RotatingRecord> m_recording;
    RecordingRotation m_lastRotation; // offered again by the next start dialog
    std::optional<OtherWindows> m_windows;
    MeasurementAnalysis m_analysis;
    std::array<bool, AllQuantities.size()> m_held{};
    // The HOLD/REL marker of each quantity; null while it has neither.
    std::array<QLabel *, AllQuantities.size()> m_markers{};
    LimitSettings m_limitSettings;
    std::optional<TriggeredRecording> m_trigger;
    bool m_recordingTriggered = false; // the running recording was started by a limit
    bool m_sweeping = false;
    bool m_pollingBeforeSweep = false;
    QLabel *m_limitStatus = nullptr;
    std::optional<DeviceStatus> m_shownDevice;
    bool m_pollUnderWay = false;
};
