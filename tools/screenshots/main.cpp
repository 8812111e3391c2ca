// Renews the pictures of the user guide: runs the real windows against the
// emulated instrument, brings each into a state worth showing and saves what
// it draws. scripts/screenshots runs it offscreen under a Czech locale.
//
// Usage: zunov-screenshots DATA_FOLDER OUTPUT_FOLDER

#include "app/appwindows.h"
#include "app/tt_zunov.h"
#include "dialogs/limitswindow.h"
#include "dialogs/statisticswindow.h"
#include "dialogs/sweepwindow.h"
#include "dialogs/tfrmoprogramu.h"
#include "dialogs/tnapoved.h"
#include "dialogs/tnast.h"
#include "dialogs/tpripoj.h"
#include "dialogs/trendwindow.h"
#include "emulator.h"
#include "measure/tgraff.h"
#include "platform/application.h"
#include "platform/language.h"
#include "platform/messages.h"

#include <QAction>
#include <QCheckBox>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QProgressBar>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>
#include <functional>

namespace {

// Short enough for many points in the graphs within a few seconds.
const QByteArray Settings = "[NASTAVENI]\r\nPort=1\r\nTSER=100\r\n";
constexpr int HandshakeStepsBeforeShot = 3;
constexpr int PollsBeforeShot = 150;
constexpr int WaitLimitMs = 30000;
constexpr int SliderPosition = -180;
constexpr int E24Row = 1;
constexpr double SweepCornerHz = 20;

bool waitUntil(const std::function<bool()> &done)
{
    const QDeadlineTimer deadline(WaitLimitMs);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(5);
    }
    return true;
}

template<typename T>
T *control(QWidget *window, const char *name)
{
    T *found = window->findChild<T *>(QLatin1String(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

class Shooter
{
public:
    explicit Shooter(const QString &folder)
        : m_folder(folder)
    {}

    void shoot(QWidget *window, const char *name)
    {
        QCoreApplication::processEvents();
        const QString path = QDir(m_folder).filePath(QLatin1String(name) + ".png");
        if (!window->grab().save(path))
            qFatal("cannot write %s", qPrintable(path));
        QTextStream(stdout) << path << '\n';
    }

private:
    QString m_folder;
};

bool copyDataFiles(const QString &from, const QString &to)
{
    const QDir data(from);
    for (const QString &name : data.entryList(QDir::Files)) {
        if (!QFile::copy(data.filePath(name), QDir(to).filePath(name)))
            return false;
    }
    QFile settings(QDir(to).filePath(QStringLiteral("ZUNOV.INI")));
    return settings.open(QIODevice::WriteOnly | QIODevice::Truncate)
           && settings.write(Settings) == Settings.size();
}

} // namespace

int main(int argc, char *argv[])
{
    Application app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() < 3 || arguments.size() > 4
        || !useLanguage(arguments.value(3, Language::Czech))) {
        QTextStream(stderr) << "usage: zunov-screenshots DATA_FOLDER OUTPUT_FOLDER [cs|en]\n";
        return 2;
    }
    // Before the program moves into its working folder.
    const QString outputFolder = QDir(arguments.at(2)).absolutePath();
    QTemporaryDir workFolder;
    if (!copyDataFiles(arguments.at(1), workFolder.path()) || !QDir().mkpath(outputFolder))
        qFatal("cannot prepare the folders");
    QDir::setCurrent(workFolder.path());
    Shooter shooter(outputFolder);

    zunovsim::Emulator instrument;
    instrument.setLink(workFolder.path().toStdString(), 1);
    instrument.start();
    // The boxes would wait for a click; the guide shows the windows.
    setMessageSink([](MessageKind, const QString &) {});

    AppWindows windows;
    TT_ZUNOV *main = windows.mainWindow();
    main->show();
    shooter.shoot(main, "hlavni-okno-start");

    control<QAction>(main, "Pripojit1")->trigger();
    auto *progress = control<QProgressBar>(windows.connectWindow(), "ProgressBar1");
    waitUntil([&] { return progress->value() >= HandshakeStepsBeforeShot * 25; });
    shooter.shoot(windows.connectWindow(), "pripojeni");
    waitUntil([&] { return !windows.connectWindow()->isVisible(); });

    control<QRadioButton>(main, "RadioButton5")->click();
    control<QScrollBar>(main, "cas1")->setValue(SliderPosition);
    control<QListWidget>(main, "ListBox1")->setCurrentRow(E24Row);
    control<QCheckBox>(main, "CheckBox1")->click();
    if (!waitUntil([&] { return instrument.exchangeCount() >= PollsBeforeShot; }))
        qFatal("the instrument was not polled");
    shooter.shoot(main, "hlavni-okno");
    shooter.shoot(windows.graphWindow(), "graf");
    control<QAction>(main, "Statistika1")->trigger();
    shooter.shoot(windows.statisticsWindow(), "statistika");
    control<QAction>(main, "Prubeh1")->trigger();
    windows.trendWindow()->setCursors(std::array{windows.trendWindow()->timeRange()[0] + 500,
                                                 windows.trendWindow()->timeRange()[1] - 500});
    shooter.shoot(windows.trendWindow(), "prubeh");
    control<QAction>(main, "Meze1")->trigger();
    LimitSettings limits;
    limits.of(Quantity::U1).lower = 5;
    limits.of(Quantity::U1).upper = 12;
    limits.of(Quantity::U1).hysteresis = 0.2;
    limits.of(Quantity::Current).upper = 1.5;
    limits.of(Quantity::Current).minimumDurationMs = 500;
    limits.triggeredRecording = true;
    limits.recordingPath = QStringLiteral("meze.csv");
    windows.limitsWindow()->showSettings(limits);
    shooter.shoot(windows.limitsWindow(), "meze");

    // A sweep over the emulator's low-pass, as the guide describes it.
    instrument.setBench(SweepCornerHz);
    control<QAction>(main, "Rozmitani1")->trigger();
    SweepWindow *sweep = windows.sweepWindow();
    SweepSettings sweepSettings;
    sweepSettings.from = 1;
    sweepSettings.steps = 24;
    sweepSettings.logSpacing = true;
    sweepSettings.settleMs = 20;
    sweepSettings.readings = 8;
    sweepSettings.periodMs = 5;
    sweep->showSettings(sweepSettings);
    control<QCheckBox>(sweep, "PlotGain")->setChecked(true);
    sweep->start();
    if (!waitUntil([&] { return !sweep->run()->isActive(); }))
        qFatal("the sweep did not end");
    shooter.shoot(sweep, "rozmitani");

    windows.settingsWindow()->show();
    shooter.shoot(windows.settingsWindow(), "nastaveni");
    windows.helpWindow()->show();
    shooter.shoot(windows.helpWindow(), "napoveda");
    windows.aboutWindow()->show();
    shooter.shoot(windows.aboutWindow(), "o-programu");

    setMessageSink({});
    instrument.stop();
    return 0;
}
