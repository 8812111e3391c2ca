#include "app/tt_zunov.h"
#include "dialogs/tpripoj.h"
#include "link/tserial.h"
#include "platform/portholder.h"
#include "support/programfixture.h"

#include <QAction>
#include <QElapsedTimer>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>
#include <ctime>

namespace {

constexpr int kHandshakeTimeoutMs = 15000;
const QStringList kValueLabels{"Label1", "Label", "RXX", "RXXX", "Label12", "Label11"};

double processCpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

// The longest time the event loop went without running a 10 ms timer.
class StallMeter
{
public:
    StallMeter()
    {
        m_tick.setTimerType(Qt::PreciseTimer);
        QObject::connect(&m_tick, &QTimer::timeout,
                         [this] { m_longestMs = std::max(m_longestMs, m_sinceLast.restart()); });
        m_sinceLast.start();
        m_tick.start(10);
    }
    qint64 longestMs() const { return m_longestMs; }

private:
    QTimer m_tick;
    QElapsedTimer m_sinceLast;
    qint64 m_longestMs = 0;
};

} // namespace

// The link as a person at the bench meets it, through the main window: the
// instrument pulled and plugged in again, falling silent, a port that cannot
// be opened, and the device chosen in the settings.
class tst_Link : public QObject
{
    Q_OBJECT

private slots:
    void hangUpAndReplug();
    void silentInstrumentBacksOff();
    void connectOpensThePort_data();
    void connectOpensThePort();
    void anotherZunovHoldsThePort();
    void configuredDevice_data();
    void configuredDevice();
    void restingStatusTickMissesNothing_data();
    void restingStatusTickMissesNothing();

private:
    static void connectAndWait(ProgramFixture &program);
    static bool valuesShownAsCurrent(ProgramFixture &program);
};

void tst_Link::connectAndWait(ProgramFixture &program)
{
    program.control<QAction>("Pripojit1")->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(program.window()->state.online, kHandshakeTimeoutMs);
    QTRY_COMPARE(program.window()->panelText(1), QStringLiteral("ONLINE"));
}

bool tst_Link::valuesShownAsCurrent(ProgramFixture &program)
{
    for (const QString &name : kValueLabels) {
        if (!program.control<QLabel>(qPrintable(name))->isEnabled())
            return false;
    }
    return true;
}

void tst_Link::hangUpAndReplug()
{
    constexpr int kPeriodMs = 1000;
    ProgramFixture program({"[NASTAVENI]\r\nTSER=1000\r\n", true, "help"});
    program.start();
    TT_ZUNOV *window = program.window();
    QCOMPARE(window->panelText(2), QStringLiteral("COM1 (emulátor)"));
    connectAndWait(program);
    QVERIFY(valuesShownAsCurrent(program));
    const int handshakes = program.instrument().handshakeCount();

    program.instrument().setFaults({.hangUpAfter = 2});
    QTRY_VERIFY_WITH_TIMEOUT(program.instrument().hungUp(), 10 * kPeriodMs);
    QTRY_COMPARE_WITH_TIMEOUT(window->panelText(1), QStringLiteral("OFFLINE"), 3 * kPeriodMs);
    QVERIFY(!valuesShownAsCurrent(program));
    QVERIFY(window->panelToolTip(2).contains(QStringLiteral("zmizelo")));
    QVERIFY(window->state.online);

    // Lost, the program only tries the device again once a second.
    const double cpuBefore = processCpuSeconds();
    QTest::qWait(2000);
    const double cpu = processCpuSeconds() - cpuBefore;
    QVERIFY2(cpu < 0.5, qPrintable(QStringLiteral("%1 s of CPU in 2 s").arg(cpu)));
    QCOMPARE(window->panelText(1), QStringLiteral("OFFLINE"));

    // A new instrument on the same link.
    program.instrument().stop();
    program.instrument().setFaults({});
    program.instrument().queueReplies({{'g', 0, 0, 42}});
    QElapsedTimer replugged;
    replugged.start();
    program.instrument().start();
    QTRY_COMPARE_WITH_TIMEOUT(program.control<QLabel>("Label11")->text(), QStringLiteral("0.42A"),
                              10 * kPeriodMs);
    qInfo("replug to fresh values: %lld ms", replugged.elapsed());
    QTRY_COMPARE(window->panelText(1), QStringLiteral("ONLINE"));
    QVERIFY(valuesShownAsCurrent(program));
    QCOMPARE(program.instrument().handshakeCount(), handshakes);
    QVERIFY(window->panelToolTip(2).contains(QStringLiteral("otevřeno")));
}

void tst_Link::silentInstrumentBacksOff()
{
    constexpr int kPeriodMs = 300;
    ProgramFixture program({"[NASTAVENI]\r\nTSER=300\r\n", true, "help"});
    program.start();
    TT_ZUNOV *window = program.window();
    connectAndWait(program);

    const StallMeter stalls;
    program.instrument().setFaults({.silence = true});
    QTRY_COMPARE_WITH_TIMEOUT(window->panelText(1), QStringLiteral("OFFLINE"), 15000);
    QVERIFY(!valuesShownAsCurrent(program));
    QTRY_COMPARE(window->Timer2->interval(), 5000);

    // The back-off holds: no poll for a good while.
    QSignalSpy polls(window->Timer2, &Timer::timeout);
    QVERIFY(polls.isValid());
    QTest::qWait(3000);
    QCOMPARE(polls.count(), 0);

    program.instrument().setFaults({});
    QTRY_COMPARE_WITH_TIMEOUT(window->panelText(1), QStringLiteral("ONLINE"), 8000);
    QTRY_COMPARE(window->Timer2->interval(), kPeriodMs);
    QVERIFY(valuesShownAsCurrent(program));

    // One silent poll waits for one read time-out (1000 ms), not four.
    qInfo("longest stall with a silent instrument: %lld ms", stalls.longestMs());
    QVERIFY2(stalls.longestMs() < 2500, qPrintable(QString::number(stalls.longestMs())));
}

enum class PortTrouble { Missing, NotSerial, HeldByThisProcess, ComesAfterStart };

void tst_Link::connectOpensThePort_data()
{
    QTest::addColumn<PortTrouble>("trouble");
    QTest::addColumn<QString>("warning"); // empty: the handshake runs
    QTest::newRow("nothing plugged in")
        << PortTrouble::Missing << "nelze otevřít: zařízení neexistuje.\nJe převodník připojený?";
    QTest::newRow("not a serial device")
        << PortTrouble::NotSerial << "nelze otevřít: není to sériové zařízení.";
    QTest::newRow("held by another program")
        << PortTrouble::HeldByThisProcess
        << QStringLiteral("nelze otevřít: port používá program tst_link (PID %1).")
               .arg(QCoreApplication::applicationPid());
    QTest::newRow("instrument plugged in after start") << PortTrouble::ComesAfterStart << "";
}

void tst_Link::connectOpensThePort()
{
    QFETCH(PortTrouble, trouble);
    QFETCH(QString, warning);
    const bool withInstrument = trouble == PortTrouble::HeldByThisProcess;
    ProgramFixture program({"[NASTAVENI]\r\nTSER=1000\r\n", withInstrument, "help"});
    const QString com1 = QDir(program.path()).filePath("COM1");
    std::unique_ptr<TSerial> holder;
    zunovsim::Emulator late;
    switch (trouble) {
    case PortTrouble::Missing:
        break;
    case PortTrouble::NotSerial:
        QVERIFY(QFile::remove(com1));
        program.writeFile("COM1", "not a port");
        break;
    case PortTrouble::HeldByThisProcess:
        holder = std::make_unique<TSerial>(1, program.path());
        QVERIFY(holder->IsOpen());
        break;
    case PortTrouble::ComesAfterStart:
        // Named by path, so that nothing falls back to a real port of the machine.
        program.writeFile("ZUNOV.INI", "[NASTAVENI]\r\nTSER=1000\r\nZarizeni="
                                           + QFile::encodeName(program.path()) + "/COM2\r\n");
        break;
    }
    program.start();
    TT_ZUNOV *window = program.window();
    QVERIFY(!window->serialPort().IsOpen());
    if (trouble == PortTrouble::ComesAfterStart) {
        late.setLink(program.path().toStdString(), 2);
        late.start();
    }

    program.control<QAction>("Pripojit1")->trigger();
    if (warning.isEmpty()) {
        QTRY_VERIFY_WITH_TIMEOUT(window->state.online, kHandshakeTimeoutMs);
        QCOMPARE(program.messages().texts(), QStringList{"ZUNOV je ONLINE"});
        QCOMPARE(late.handshakeCount(), 4);
        return;
    }
    // One warning that says which device and why, and no test that cannot pass.
    QCOMPARE(program.messages().messages().size(), 1);
    QCOMPARE(program.messages().messages().at(0).first, MessageKind::Warning);
    const QString text = program.messages().texts().at(0);
    QVERIFY2(text.startsWith("Zařízení " + com1 + " nelze otevřít"), qPrintable(text));
    QVERIFY2(text.contains(warning), qPrintable(text));
    QVERIFY(!program.connectWindow()->isVisible());
    QVERIFY(!window->Timer4->enabled());
}

// A second copy of the program, started with --device on the instrument's
// terminal, holds the port; the warning names it.
void tst_Link::anotherZunovHoldsThePort()
{
    ProgramFixture program;
    QTemporaryDir otherDir;
    QVERIFY(QFile::link(otherDir.filePath("absent-device"), otherDir.filePath("COM1")));
    QFile help(otherDir.filePath("HELP.dat"));
    QVERIFY(help.open(QIODevice::WriteOnly));
    help.close();
    QProcess other;
    other.setWorkingDirectory(otherDir.path());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    other.setProcessEnvironment(environment);
    const QString device = QString::fromStdString(program.instrument().slavePath());
    other.start(ZUNOV_PROGRAM, {"--device", device});
    QVERIFY(other.waitForStarted());
    const auto stopOther = qScopeGuard([&] {
        other.kill();
        other.waitForFinished();
    });
    QTRY_COMPARE_WITH_TIMEOUT(findPortHolder(device).value_or(PortHolder{}).pid, other.processId(),
                              30000);

    program.start();
    program.control<QAction>("Pripojit1")->trigger();
    QCOMPARE(program.messages().texts().size(), 1);
    const QString text = program.messages().texts().at(0);
    QVERIFY2(
        text.contains(
            QStringLiteral("port už používá jiný spuštěný ZUNOV (PID %1)").arg(other.processId())),
        qPrintable(text));
    QVERIFY(!program.connectWindow()->isVisible());
}

void tst_Link::configuredDevice_data()
{
    // "SLAVE" stands for the emulator's terminal, which has no COM1 link.
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<bool>("open");
    QTest::newRow("device path used") << QByteArray("[NASTAVENI]\nZarizeni=SLAVE\n") << true;
    QTest::newRow("device path in quotes")
        << QByteArray("[NASTAVENI]\nZarizeni=\"SLAVE\"\n") << true;
    QTest::newRow("empty: by the port number") << QByteArray("[NASTAVENI]\nZarizeni=\n") << false;
    QTest::newRow("absent: by the port number") << QByteArray("[NASTAVENI]\nPort=1\n") << false;
    QTest::newRow("other section ignored") << QByteArray("[JINE]\nZarizeni=SLAVE\n") << false;
}

void tst_Link::configuredDevice()
{
    QFETCH(QByteArray, ini);
    QFETCH(bool, open);
    zunovsim::Emulator instrument;
    instrument.start();
    ProgramFixture program(
        {ini.replace("SLAVE", QByteArray::fromStdString(instrument.slavePath())), false, "help"});
    program.start();
    TT_ZUNOV *window = program.window();
    QCOMPARE(window->serialPort().IsOpen(), open);
    const QString slave = QString::fromStdString(instrument.slavePath());
    QCOMPARE(window->serialPort().deviceStatus().path,
             open ? slave : QDir(program.path()).filePath("COM1"));
    QCOMPARE(window->panelText(2), open ? slave.mid(5) + " (emulátor)" : QStringLiteral("COM1"));
    // The title still names the port by its number.
    QCOMPARE(window->windowTitle(), QStringLiteral("ZUNOV v1 na COM1 "));
}

enum class WhileResting { RestartRequested, LinkPanelOverwritten, DeviceGone, Connect };

void tst_Link::restingStatusTickMissesNothing_data()
{
    QTest::addColumn<WhileResting>("event");
    QTest::newRow("restart requested") << WhileResting::RestartRequested;
    QTest::newRow("link panel overwritten") << WhileResting::LinkPanelOverwritten;
    QTest::newRow("device gone") << WhileResting::DeviceGone;
    QTest::newRow("connect") << WhileResting::Connect;
}

void tst_Link::restingStatusTickMissesNothing()
{
    // Offline and idle, the 100 ms status tick stops waking the program, yet
    // everything it looks after still shows within a tick or two.
    QFETCH(WhileResting, event);
    constexpr int kWithinTicksMs = 1000;
    ProgramFixture program({"[NASTAVENI]\r\nTSER=100\r\n", true, "help"});
    program.start();
    TT_ZUNOV *window = program.window();
    QTest::qWait(300);
    QSignalSpy ticks(window->Timer1, &Timer::timeout);
    QTest::qWait(500);
    QCOMPARE(ticks.count(), 0);
    QVERIFY(window->Timer1->enabled());

    switch (event) {
    case WhileResting::RestartRequested: {
        // In a loop that waits for events, as the program's own does, rather
        // than one that looks for them now and then, as the test macros do.
        QEventLoop loop;
        QSignalSpy closed(window, &TT_ZUNOV::closed);
        connect(window, &TT_ZUNOV::closed, &loop, &QEventLoop::quit);
        QTimer::singleShot(0, window, [window] { window->requestRestart(); });
        QTimer::singleShot(kWithinTicksMs, &loop, &QEventLoop::quit);
        loop.exec();
        QCOMPARE(closed.count(), 1);
        break;
    }
    case WhileResting::LinkPanelOverwritten:
        program.control<QPushButton>("Button2")->click();
        QCOMPARE(window->panelText(1), QStringLiteral("OFFLINE generator"));
        QTRY_COMPARE_WITH_TIMEOUT(window->panelText(1), QStringLiteral("OFFLINE"), kWithinTicksMs);
        break;
    case WhileResting::DeviceGone:
        // The emulator takes its link along. The port stays lost, tried again
        // once a second where it was: without the link, COM1 would lead to
        // another device.
        program.instrument().stop();
        QTRY_VERIFY_WITH_TIMEOUT(window->panelToolTip(2).contains(QStringLiteral("zmizelo")),
                                 kWithinTicksMs);
        QTest::qWait(2500);
        QVERIFY(!window->serialPort().IsOpen());
        QVERIFY(window->panelToolTip(2).contains(QStringLiteral("zmizelo")));
        break;
    case WhileResting::Connect:
        connectAndWait(program);
        // While the instrument answers every poll, the tick rests as well;
        // awake, it would tick five times. A reply that came late would wake
        // it once.
        QTest::qWait(300);
        ticks.clear();
        QTest::qWait(500);
        QVERIFY2(ticks.count() <= 2, qPrintable(QString::number(ticks.count())));
        break;
    }
}

QTEST_MAIN(tst_Link)
#include "tst_link.moc"
