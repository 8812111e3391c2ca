#include "analysis/sweeprun.h"
#include "app/tt_zunov.h"
#include "dialogs/sweepwindow.h"
#include "emulator.h"
#include "link/instrumentsession.h"
#include "link/tserial.h"
#include "record/sweeprows.h"
#include "support/programfixture.h"
#include "support/pythoncsv.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>

namespace {

using Values = std::vector<uint8_t>;
constexpr double CornerHz = 20;
// Long enough for a silent instrument's read time-outs and a whole sweep.
constexpr int SweepTimeoutMs = 60000;

SweepSettings quickSweep(int steps, bool logSpacing = false)
{
    SweepSettings settings;
    settings.from = 1;
    settings.to = 255;
    settings.steps = steps;
    settings.logSpacing = logSpacing;
    settings.settleMs = 10;
    settings.readings = 8; // two of each kind of reply
    settings.periodMs = 2;
    return settings;
}

std::vector<zunovsim::Frame> generatorFrames(const zunovsim::Emulator &instrument)
{
    std::vector<zunovsim::Frame> frames = instrument.framesReceived();
    std::erase_if(frames, [](const zunovsim::Frame &frame) { return frame[0] != 100; });
    return frames;
}

// The corner of a first-order low-pass through the steps' U2/U1 at their
// measured frequencies: 1/|H|² − 1 = (f/fc)², fitted through the origin.
double fittedCornerHz(const std::vector<SweepStep> &steps)
{
    double xy = 0;
    double xx = 0;
    for (const SweepStep &step : steps) {
        const double gain = step.of(Quantity::U2).mean() / step.of(Quantity::U1).mean();
        const double f = step.of(Quantity::Frequency).mean();
        const double x = f * f;
        xy += x * (1 / (gain * gain) - 1);
        xx += x * x;
    }
    return std::sqrt(xx / xy);
}

} // namespace

// A sweep: its plan, its table, and whole sweeps against the emulator's bench
// model, on their own, through the window, and with the instrument failing.
class tst_Sweep : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void values_data();
    void values();
    void csvRow_data();
    void csvRow();
    void findsTheLowPassCorner();
    void stopWaitsForTheExchangeUnderWay();
    void pausesAndResumes_data();
    void pausesAndResumes();
    void sweepFromTheWindow();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<zunovsim::Emulator> m_instrument;
};

void tst_Sweep::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_instrument = std::make_unique<zunovsim::Emulator>();
    m_instrument->setBench(CornerHz);
    m_instrument->setLink(m_dir->path().toStdString(), 1);
    m_instrument->start();
}

void tst_Sweep::cleanup()
{
    m_instrument->stop();
    m_instrument.reset();
    m_dir.reset();
}

void tst_Sweep::values_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<int>("steps");
    QTest::addColumn<bool>("logSpacing");
    QTest::addColumn<Values>("expected");
    QTest::newRow("linear, ends included") << 0 << 255 << 4 << false << Values{0, 85, 170, 255};
    QTest::newRow("linear, rounded") << 0 << 10 << 4 << false << Values{0, 3, 7, 10};
    QTest::newRow("downwards") << 200 << 100 << 3 << false << Values{200, 150, 100};
    QTest::newRow("one step is the start") << 42 << 200 << 1 << false << Values{42};
    QTest::newRow("logarithmic") << 1 << 256 / 2 << 8 << true
                                 << Values{1, 2, 4, 8, 16, 32, 64, 128};
    QTest::newRow("logarithmic, duplicates once")
        << 1 << 10 << 8 << true << Values{1, 2, 3, 4, 5, 7, 10};
    QTest::newRow("more steps than values") << 10 << 12 << 9 << false << Values{10, 11, 12};
    QTest::newRow("logarithmic from 0 cannot run") << 0 << 255 << 8 << true << Values{};
}

void tst_Sweep::values()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(int, steps);
    QFETCH(bool, logSpacing);
    QFETCH(Values, expected);
    SweepSettings settings;
    settings.from = from;
    settings.to = to;
    settings.steps = steps;
    settings.logSpacing = logSpacing;
    QCOMPARE(sweepValues(settings), expected);
}

void tst_Sweep::csvRow_data()
{
    QTest::addColumn<QList<double>>("u1");
    QTest::addColumn<QList<double>>("frequency");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("two readings and none")
        << QList<double>{1.5, 2.5} << QList<double>{}
        << QByteArray("7,Obdélník,128,100 40 128 0,2,2,0.7071067811865476,0,,,0,,,0,,,0,,\r\n");
    QTest::newRow("one reading has no spread")
        << QList<double>{} << QList<double>{20}
        << QByteArray("7,Obdélník,128,100 40 128 0,0,,,0,,,0,,,1,20,0,0,,\r\n");
}

void tst_Sweep::csvRow()
{
    QFETCH(QList<double>, u1);
    QFETCH(QList<double>, frequency);
    QFETCH(QByteArray, expected);
    SweepStep step{7, 40, 128, generatorFrame(40, 128), {}};
    for (double value : u1)
        step.readings[size_t(Quantity::U1)].add(value, 0);
    for (double value : frequency)
        step.readings[size_t(Quantity::Frequency)].add(value, 0);
    QCOMPARE(sweepCsvRow(step), expected);
}

void tst_Sweep::findsTheLowPassCorner()
{
    InstrumentSession session(1, m_dir->path());
    SweepRun run(session, quickSweep(32, true));
    QSignalSpy ended(&run, &SweepRun::ended);
    run.start();
    QVERIFY(ended.wait(SweepTimeoutMs));
    QCOMPARE(run.state(), SweepRun::State::Finished);

    // Every step set the generator as the panel would, in the planned order.
    QCOMPARE(run.steps().size(), run.values().size());
    const std::vector<zunovsim::Frame> uploads = generatorFrames(*m_instrument);
    QCOMPARE(uploads.size(), run.values().size());
    for (size_t index = 0; index < uploads.size(); ++index)
        QCOMPARE(uploads[index], (zunovsim::Frame{100, 30, run.values()[index], 0}));
    for (const SweepStep &step : run.steps()) {
        QCOMPARE(step.of(Quantity::U1).count(), 2);
        QCOMPARE(step.of(Quantity::Frequency).count(), 2);
    }
    const double corner = fittedCornerHz(run.steps());
    QVERIFY2(std::abs(corner - CornerHz) < 0.05 * CornerHz, qPrintable(QString::number(corner)));
}

void tst_Sweep::stopWaitsForTheExchangeUnderWay()
{
    InstrumentSession session(1, m_dir->path());
    SweepRun run(session, quickSweep(10));
    QSignalSpy ended(&run, &SweepRun::ended);
    // Asked for while the third step's upload is on its way.
    connect(&run, &SweepRun::stepStarted, &run, [&run] {
        if (run.steps().size() == 2)
            QTimer::singleShot(0, &run, &SweepRun::stop);
    });
    run.start();
    QVERIFY(ended.wait(SweepTimeoutMs));
    QCOMPARE(run.state(), SweepRun::State::Stopped);
    QCOMPARE(run.steps().size(), size_t(2));
    // The upload under way ended; nothing was sent after it.
    QTest::qWait(50);
    QCOMPARE(generatorFrames(*m_instrument).size(), size_t(3));
    QCOMPARE(m_instrument->framesReceived().back()[0], 100);
}

void tst_Sweep::pausesAndResumes_data()
{
    QTest::addColumn<bool>("unplugged");
    QTest::addColumn<SweepRun::Fault>("expected");
    QTest::newRow("unplugged") << true << SweepRun::Fault::Lost;
    QTest::newRow("silent") << false << SweepRun::Fault::Silent;
}

void tst_Sweep::pausesAndResumes()
{
    QFETCH(bool, unplugged);
    QFETCH(SweepRun::Fault, expected);
    InstrumentSession session(1, m_dir->path());
    SweepSettings settings = quickSweep(12);
    settings.settleMs = 40;
    SweepRun run(session, settings);
    QSignalSpy paused(&run, &SweepRun::paused);
    // The instrument fails after the third step. Pulled out, it goes a
    // moment later, when it may have answered a little more.
    connect(&run, &SweepRun::stepFinished, &run, [this, &run, unplugged] {
        if (run.steps().size() == 3)
            m_instrument->setFaults(unplugged ? zunovsim::Faults{.hangUpAfter = 1}
                                              : zunovsim::Faults{.silence = true});
    });
    run.start();
    QVERIFY(paused.wait(SweepTimeoutMs));
    QCOMPARE(paused.at(0).at(0).value<SweepRun::Fault>(), expected);
    QCOMPARE(run.state(), SweepRun::State::Paused);
    QVERIFY(run.steps().size() >= 3 && run.steps().size() < run.values().size());

    // Plugged in again, or answering again.
    if (unplugged)
        m_instrument->stop();
    m_instrument->setFaults({});
    if (unplugged)
        m_instrument->start();
    QSignalSpy ended(&run, &SweepRun::ended);
    run.resume();
    QVERIFY(ended.wait(SweepTimeoutMs));
    QCOMPARE(run.state(), SweepRun::State::Finished);
    QCOMPARE(run.steps().size(), run.values().size());
    for (size_t index = 0; index < run.steps().size(); ++index)
        QCOMPARE(run.steps()[index].value, run.values()[index]);
}

void tst_Sweep::sweepFromTheWindow()
{
    ProgramFixture program;
    program.instrument().setBench(CornerHz);
    program.start();
    TT_ZUNOV *main = program.window();
    main->Timer2->setEnabled(true); // polling, as after a handshake
    SweepWindow *window = program.sweepWindow();
    SweepSettings settings = quickSweep(5);
    settings.waveformCode = 50; // "Pila"
    window->showSettings(settings);
    QSignalSpy running(window, &SweepWindow::sweepRunning);
    ProgramFixture::control<QPushButton>(window, "Start")->click();

    // The panel rests while the sweep sets the generator.
    QCOMPARE(running.size(), 1);
    QVERIFY(!main->Timer2->enabled());
    QVERIFY(!program.control<QPushButton>("Button2")->isEnabled());
    QVERIFY(!program.control<QScrollBar>("cas1")->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(running.size() == 2, SweepTimeoutMs);
    QCOMPARE(running.at(1).at(0).toBool(), false);
    QVERIFY(main->Timer2->enabled());
    QVERIFY(program.control<QPushButton>("Button2")->isEnabled());
    QVERIFY(program.control<QRadioButton>("RadioButton2")->isChecked());
    QCOMPARE(program.control<QLabel>("cass1")->text(), QStringLiteral("255"));
    QCOMPARE(main->state.tx, (Frame{100, 50, 255, 0}));

    // The table as a spreadsheet reads it.
    const QString path = program.path() + QStringLiteral("/rozmitani.csv");
    program.fileDialog().setAnswer(path);
    ProgramFixture::control<QAction>(window, "SaveCsv")->trigger();
    const QList<QStringList> rows = readWithPythonCsv(path);
    QCOMPARE(rows.size(), 6);
    QCOMPARE(rows.at(0).join(','), QString::fromUtf8(sweepCsvHeader()).trimmed());
    QCOMPARE(rows.at(5).mid(0, 4), (QStringList{"5", "Pila", "255", "100 50 255 0"}));
    QCOMPARE(rows.at(5).size(), 19);
}

QTEST_MAIN(tst_Sweep)
#include "tst_sweep.moc"
