#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace {
constexpr int kStartTimeoutMs = 5000;

// Starts zunov-sim in dir and returns the first line it prints.
QString startSim(QProcess &process, const QString &dir, const QStringList &extra = {})
{
    process.start(ZUNOV_SIM, QStringList{"--dir", dir} + extra);
    if (!process.waitForStarted(kStartTimeoutMs))
        return {};
    QElapsedTimer clock;
    clock.start();
    while (!process.canReadLine() && clock.elapsed() < kStartTimeoutMs)
        process.waitForReadyRead(100);
    return QString::fromUtf8(process.readLine()).trimmed();
}

// Sends the frame through the port and returns what came back.
QByteArray exchange(const QString &path, const QByteArray &frame)
{
    const int fd = ::open(path.toLocal8Bit().constData(), O_RDWR | O_NOCTTY);
    if (fd < 0)
        return {};
    termios settings{};
    tcgetattr(fd, &settings);
    cfmakeraw(&settings);
    tcsetattr(fd, TCSANOW, &settings);
    QByteArray answers;
    for (char byte : frame) {
        pollfd watch{fd, POLLIN, 0};
        char answer = 0;
        if (::write(fd, &byte, 1) == 1 && ::poll(&watch, 1, 1000) == 1
            && ::read(fd, &answer, 1) == 1)
            answers.append(answer);
    }
    ::close(fd);
    return answers;
}

struct TimedAnswer
{
    int byte = -1; // -1: nothing came
    qint64 afterMs = 0;
};

// Sends one byte through the port and times the first byte that comes back.
TimedAnswer timedAnswer(const QString &path, char byte, int timeoutMs)
{
    const int fd = ::open(path.toLocal8Bit().constData(), O_RDWR | O_NOCTTY);
    if (fd < 0)
        return {};
    termios settings{};
    tcgetattr(fd, &settings);
    cfmakeraw(&settings);
    tcsetattr(fd, TCSANOW, &settings);
    TimedAnswer result;
    QElapsedTimer clock;
    clock.start();
    pollfd watch{fd, POLLIN, 0};
    uint8_t answer = 0;
    if (::write(fd, &byte, 1) == 1 && ::poll(&watch, 1, timeoutMs) == 1
        && ::read(fd, &answer, 1) == 1) {
        result = {answer, clock.elapsed()};
    }
    ::close(fd);
    return result;
}
} // namespace

class tst_ZunovSim : public QObject
{
    Q_OBJECT

private slots:
    void printsSlavePathAndLinks();
    void reportsGeneratorFrames();
    void benchFollowsTheGenerator_data();
    void benchFollowsTheGenerator();
    void byteDelayHoldsTheAnswerBack_data();
    void byteDelayHoldsTheAnswerBack();
    void helpNamesEverySwitch_data();
    void helpNamesEverySwitch();
    void badArgumentsAreRefused_data();
    void badArgumentsAreRefused();
};

void tst_ZunovSim::printsSlavePathAndLinks()
{
    QTemporaryDir dir;
    QProcess sim;
    const QString slave = startSim(sim, dir.path(), {"--port", "7"});
    QVERIFY2(slave.startsWith("/dev/"), qPrintable(slave));
    const QFileInfo link(dir.filePath("COM7"));
    QVERIFY(link.isSymLink());
    QCOMPARE(link.symLinkTarget(), slave);
    QCOMPARE(exchange(link.filePath(), QByteArray(4, 'o')), QByteArray(4, 'o'));

    sim.terminate();
    QVERIFY(sim.waitForFinished(kStartTimeoutMs));
    QCOMPARE(sim.exitStatus(), QProcess::NormalExit);
    QCOMPARE(sim.exitCode(), 0);
    QVERIFY(!QFileInfo(dir.filePath("COM7")).isSymLink());
}

void tst_ZunovSim::reportsGeneratorFrames()
{
    QTemporaryDir dir;
    QProcess sim;
    const QString slave = startSim(sim, dir.path());
    const QByteArray frame("\x64\x32\xff\x00", 4);
    QCOMPARE(exchange(slave, frame), frame);
    QTRY_VERIFY(sim.canReadLine());
    QCOMPARE(sim.readLine().trimmed(), "generator: waveform 50 (Pila) frequency 255");
    sim.terminate();
    QVERIFY(sim.waitForFinished(kStartTimeoutMs));
}

void tst_ZunovSim::benchFollowsTheGenerator_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("u2Tenths"); // 10 V through the low-pass at 50 Hz
    QTest::newRow("default corner 20 Hz") << QStringList{"--bench"} << 37;
    QTest::newRow("corner 12.5 Hz") << QStringList{"--corner-hz", "12.5", "--bench"} << 24;
}

void tst_ZunovSim::benchFollowsTheGenerator()
{
    QFETCH(QStringList, options);
    QFETCH(int, u2Tenths);
    QTemporaryDir dir;
    QProcess sim;
    const QString slave = startSim(sim, dir.path(), options);
    QVERIFY2(slave.startsWith("/dev/"), qPrintable(slave));
    // 50 Hz, then the voltages, resistance and frequency in turn.
    const QByteArray frames("\x64\x1e\xff\x00"
                            "\xd3\0\0\0"
                            "\xd3\0\0\0"
                            "\xd3\0\0\0",
                            16);
    const QByteArray answers = exchange(slave, frames);
    QCOMPARE(answers.size(), 16);
    auto byte = [&](int index) { return int(uint8_t(answers[index])); };
    QCOMPARE(answers.mid(4, 2), "ca");
    QVERIFY2(qAbs(byte(6) - 100) <= 3, qPrintable(QString::number(byte(6))));
    QVERIFY2(qAbs(byte(7) - u2Tenths) <= 3, qPrintable(QString::number(byte(7))));
    QCOMPARE(answers[12], 'e');
    QVERIFY2(qAbs((byte(14) << 8) + byte(15) - 50) <= 2, qPrintable(answers.toHex()));
    sim.terminate();
    QVERIFY(sim.waitForFinished(kStartTimeoutMs));
}

void tst_ZunovSim::byteDelayHoldsTheAnswerBack_data()
{
    QTest::addColumn<QStringList>("faults");
    QTest::addColumn<int>("earliestMs");
    QTest::newRow("handshake echo") << QStringList{"--byte-delay", "300"} << 300;
    QTest::newRow("late byte waits on top")
        << QStringList{"--byte-delay", "300", "--late-byte", "1", "--late-ms", "300"} << 600;
}

void tst_ZunovSim::byteDelayHoldsTheAnswerBack()
{
    QFETCH(QStringList, faults);
    QFETCH(int, earliestMs);
    QTemporaryDir dir;
    QProcess sim;
    const QString slave = startSim(sim, dir.path(), faults);
    QVERIFY2(slave.startsWith("/dev/"), qPrintable(slave));
    const TimedAnswer answer = timedAnswer(slave, char(111), earliestMs + kStartTimeoutMs);
    QCOMPARE(answer.byte, 111);
    QVERIFY2(answer.afterMs >= earliestMs, qPrintable(QString::number(answer.afterMs)));
    sim.terminate();
    QVERIFY(sim.waitForFinished(kStartTimeoutMs));
}

void tst_ZunovSim::helpNamesEverySwitch_data()
{
    QTest::addColumn<QString>("option");
    for (const char *option :
         {"--help", "--dir", "--port", "--seed", "--silence", "--wrong-echo", "--late-byte",
          "--late-ms", "--drop-byte", "--garbage", "--hang-up-after", "--flood", "--byte-delay",
          "--bench", "--corner-hz"}) {
        QTest::newRow(option) << QString::fromLatin1(option);
    }
}

void tst_ZunovSim::helpNamesEverySwitch()
{
    QFETCH(QString, option);
    QProcess sim;
    sim.start(ZUNOV_SIM, {"--help"});
    QVERIFY(sim.waitForFinished(kStartTimeoutMs));
    QCOMPARE(sim.exitCode(), 0);
    QVERIFY(QString::fromUtf8(sim.readAllStandardOutput()).contains("  " + option + ' '));
}

void tst_ZunovSim::badArgumentsAreRefused_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("unknown switch") << QStringList{"--loud"};
    QTest::newRow("handshake step 5") << QStringList{"--wrong-echo", "5"};
    QTest::newRow("port that is no number") << QStringList{"--port", "abc"};
    QTest::newRow("trailing characters") << QStringList{"--seed", "12x"};
    QTest::newRow("missing value") << QStringList{"--drop-byte"};
    QTest::newRow("negative byte delay") << QStringList{"--byte-delay", "-1"};
    QTest::newRow("corner frequency 0") << QStringList{"--bench", "--corner-hz", "0"};
    QTest::newRow("corner frequency no number") << QStringList{"--bench", "--corner-hz", "x"};
    QTest::newRow("corner frequency without bench") << QStringList{"--corner-hz", "12.5"};
}

void tst_ZunovSim::badArgumentsAreRefused()
{
    QFETCH(QStringList, arguments);
    QProcess sim;
    sim.start(ZUNOV_SIM, arguments);
    QVERIFY(sim.waitForFinished(kStartTimeoutMs));
    QCOMPARE(sim.exitCode(), 2);
    QVERIFY(sim.readAllStandardOutput().isEmpty());
    QVERIFY(sim.readAllStandardError().startsWith("zunov-sim: "));
}

QTEST_GUILESS_MAIN(tst_ZunovSim)
#include "tst_zunovsim.moc"
