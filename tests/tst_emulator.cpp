#include "emulator.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>
#include <cerrno>
#include <cmath>
#include <fcntl.h>
#include <poll.h>
#include <system_error>
#include <termios.h>
#include <unistd.h>

using namespace zunovsim;

namespace {
constexpr int ReadTimeoutMs = 1000;

// The test's end of the line, opened the way the program opens its port.
class Port
{
public:
    explicit Port(const std::string &path)
        : m_fd(::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK))
    {
        termios settings{};
        if (m_fd >= 0 && tcgetattr(m_fd, &settings) == 0) {
            cfmakeraw(&settings);
            tcsetattr(m_fd, TCSANOW, &settings);
        }
    }
    ~Port()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Port(const Port &) = delete;
    Port &operator=(const Port &) = delete;

    bool isOpen() const { return m_fd >= 0; }
    int fd() const { return m_fd; }

    // One byte, or -1 when none came within the time-out.
    int read(int timeoutMs = ReadTimeoutMs) const
    {
        pollfd watch{m_fd, POLLIN, 0};
        uint8_t byte = 0;
        if (::poll(&watch, 1, timeoutMs) == 1 && ::read(m_fd, &byte, 1) == 1)
            return byte;
        return -1;
    }

    QList<int> exchange(const QList<int> &bytes) const
    {
        QList<int> answers;
        for (int value : bytes) {
            const auto byte = static_cast<uint8_t>(value);
            if (::write(m_fd, &byte, 1) != 1)
                return answers;
            answers.append(read());
        }
        return answers;
    }

private:
    int m_fd;
};
} // namespace

class tst_Emulator : public QObject
{
    Q_OBJECT

private slots:
    void handshakeIsEchoed();
    void pollGetsAReplyFrame();
    void scriptedRepliesArriveExactly_data();
    void scriptedRepliesArriveExactly();
    void portCanBeReopened();
    void generatorFrameIsReported();
    void linkPointsToSlave();
    void linkNameTaken_data();
    void linkNameTaken();
    void hangUpAfterExchanges();
    void lateByteComesAfterTheOthersWait();
    void floodSendsUnaskedBytes();
    void floodKeepsItsRate();
    void startAndStopRepeatedly();
    void benchFollowsTheGenerator_data();
    void benchFollowsTheGenerator();
};

void tst_Emulator::handshakeIsEchoed()
{
    Emulator emulator;
    emulator.start();
    Port port(emulator.slavePath());
    QVERIFY(port.isOpen());
    QCOMPARE(port.exchange({111, 111, 111, 111}), (QList<int>{111, 111, 111, 111}));
    QCOMPARE(emulator.handshakeCount(), 4);
}

void tst_Emulator::pollGetsAReplyFrame()
{
    Emulator emulator(3);
    emulator.start();
    Port port(emulator.slavePath());
    const QList<int> reply = port.exchange({211, 0, 0, 0});
    QCOMPARE(reply.size(), 4);
    QVERIFY(!reply.contains(-1));
    QVERIFY(QList<int>({'c', 'b', 'f', 'e', 'g'}).contains(reply[0]));
    QTRY_COMPARE(emulator.exchangeCount(), 1);
}

void tst_Emulator::scriptedRepliesArriveExactly_data()
{
    QTest::addColumn<QList<int>>("reply");
    QTest::newRow("U1 and U2 together") << QList<int>{'c', 'a', 123, 45};
    QTest::newRow("resistance") << QList<int>{'f', 201, 0, 47};
    QTest::newRow("frequency") << QList<int>{'e', 0, 0, 200};
    QTest::newRow("current") << QList<int>{'g', 0, 0, 150};
    // A line left in cooked mode would eat or change these.
    QTest::newRow("control bytes pass untouched") << QList<int>{3, 10, 13, 0x7F};
    QTest::newRow("flow-control bytes pass untouched") << QList<int>{0x11, 0x13, 0x1A, 0xFF};
}

void tst_Emulator::scriptedRepliesArriveExactly()
{
    QFETCH(QList<int>, reply);
    Emulator emulator;
    Frame frame{};
    std::copy(reply.begin(), reply.end(), frame.begin());
    emulator.queueReplies({frame});
    emulator.start();
    Port port(emulator.slavePath());
    QCOMPARE(port.exchange({211, 0, 0, 0}), reply);
}

// The program closes its port at exit and opens it again at the next start;
// the line must still be there.
void tst_Emulator::portCanBeReopened()
{
    Emulator emulator;
    emulator.start();
    for (int round = 0; round < 2; ++round) {
        Port port(emulator.slavePath());
        QCOMPARE(port.exchange({111}), QList<int>{111});
    }
}

void tst_Emulator::generatorFrameIsReported()
{
    Emulator emulator;
    QStringList heard;
    std::mutex heardMutex;
    emulator.setReportHandler([&](std::string_view text) {
        std::lock_guard lock(heardMutex);
        heard.append(QString::fromUtf8(text.data(), qsizetype(text.size())));
    });
    emulator.start();
    Port port(emulator.slavePath());
    QCOMPARE(port.exchange({100, 50, 255, 0}), (QList<int>{100, 50, 255, 0}));
    const std::string expected = "generator: waveform 50 (Pila) frequency 255";
    QTRY_COMPARE(emulator.reports(), std::vector<std::string>{expected});
    std::lock_guard lock(heardMutex);
    QCOMPARE(heard, QStringList{QString::fromStdString(expected)});
}

void tst_Emulator::linkPointsToSlave()
{
    QTemporaryDir dir;
    Emulator emulator;
    emulator.setLink(dir.path().toStdString(), 3);
    emulator.start();
    const QFileInfo link(dir.filePath("COM3"));
    QVERIFY(link.isSymLink());
    QCOMPARE(link.symLinkTarget(), QString::fromStdString(emulator.slavePath()));
    Port port(link.filePath().toStdString());
    QCOMPARE(port.exchange({111}), QList<int>{111});
    emulator.stop();
    QVERIFY(!QFileInfo(dir.filePath("COM3")).isSymLink());
}

enum class Existing { UserLinkDangling, UserLinkIntoPts, RegularFile, StaleOfOurs, RunningOfOurs };

void tst_Emulator::linkNameTaken_data()
{
    QTest::addColumn<Existing>("existing");
    QTest::addColumn<bool>("replaced");
    // An adapter unplugged leaves the user's link dangling; it is still theirs.
    QTest::newRow("user's dangling link") << Existing::UserLinkDangling << false;
    QTest::newRow("user's link into /dev/pts") << Existing::UserLinkIntoPts << false;
    QTest::newRow("regular file") << Existing::RegularFile << false;
    QTest::newRow("left behind by a killed emulator") << Existing::StaleOfOurs << true;
    QTest::newRow("in use by a running emulator") << Existing::RunningOfOurs << false;
}

void tst_Emulator::linkNameTaken()
{
    QFETCH(Existing, existing);
    QFETCH(bool, replaced);
    QTemporaryDir dir;
    const QString linkPath = dir.filePath("COM1");
    const QString markPath = dir.filePath(".COM1.zunov-sim");
    Emulator running;
    switch (existing) {
    case Existing::UserLinkDangling:
        QVERIFY(QFile::link("/dev/ttyUSB7", linkPath));
        break;
    case Existing::UserLinkIntoPts:
        QVERIFY(QFile::link("/dev/pts/0", linkPath));
        break;
    case Existing::RegularFile: {
        QFile file(linkPath);
        QVERIFY(file.open(QIODevice::WriteOnly));
        break;
    }
    case Existing::StaleOfOurs: {
        // What a killed emulator leaves: its link, and its mark, unlocked.
        QVERIFY(QFile::link("/dev/pts/nonexistent", linkPath));
        QFile mark(markPath);
        QVERIFY(mark.open(QIODevice::WriteOnly));
        mark.write("/dev/pts/nonexistent\n");
        break;
    }
    case Existing::RunningOfOurs:
        running.setLink(dir.path().toStdString(), 1);
        running.start();
        break;
    }
    const QFileInfo before(linkPath);
    const QString targetBefore = before.symLinkTarget();

    Emulator emulator;
    emulator.setLink(dir.path().toStdString(), 1);
    if (!replaced) {
        try {
            emulator.start();
            QFAIL("the emulator took a name that is not its own");
        } catch (const std::system_error &error) {
            QCOMPARE(error.code(), std::errc::file_exists);
        }
        QCOMPARE(QFileInfo(linkPath).symLinkTarget(), targetBefore);
        QCOMPARE(QFileInfo(linkPath).isSymLink(), before.isSymLink());
        QCOMPARE(QFileInfo::exists(markPath), existing == Existing::RunningOfOurs);
        return;
    }
    emulator.start();
    QCOMPARE(QFileInfo(linkPath).symLinkTarget(), QString::fromStdString(emulator.slavePath()));
    emulator.stop();
    QVERIFY(!QFileInfo(linkPath).isSymLink());
    QVERIFY(!QFileInfo::exists(markPath));
}

void tst_Emulator::hangUpAfterExchanges()
{
    // Like an unplugged adapter's device node, the link goes with the line:
    // left behind, it would lead to whatever terminal gets the number next.
    QTemporaryDir dir;
    const QString linkPath = QDir(dir.path()).filePath(QStringLiteral("COM1"));
    Emulator emulator;
    emulator.setLink(dir.path().toStdString(), 1);
    emulator.setFaults({.hangUpAfter = 1});
    emulator.start();
    QVERIFY(QFileInfo(linkPath).isSymLink());
    Port port(emulator.slavePath());
    QCOMPARE(port.exchange({211, 0, 0, 0}).count(-1), 0);

    pollfd watch{port.fd(), POLLIN, 0};
    QCOMPARE(::poll(&watch, 1, 5000), 1);
    QVERIFY(watch.revents & POLLHUP);
    uint8_t byte = 0;
    const ssize_t got = ::read(port.fd(), &byte, 1);
    QVERIFY(got == 0 || (got < 0 && errno == EIO));
    QTRY_VERIFY(emulator.hungUp());
    QTRY_VERIFY(!emulator.isRunning());
    QCOMPARE(emulator.reports().back(), "hang-up");
    QVERIFY(!QFileInfo(linkPath).isSymLink());
}

// A late first byte lands in the read of the second: the reply slides one
// place, as it would with a slow instrument.
void tst_Emulator::lateByteComesAfterTheOthersWait()
{
    constexpr int kShortReadMs = 200;
    Emulator emulator;
    emulator.queueReplies({{'g', 0, 0, 150}});
    emulator.setFaults({.lateByte = 1, .lateDelay = std::chrono::milliseconds(600)});
    emulator.start();
    Port port(emulator.slavePath());
    const uint8_t poll = 211;
    QCOMPARE(::write(port.fd(), &poll, 1), 1);
    QCOMPARE(port.read(kShortReadMs), -1);
    QCOMPARE(port.exchange({0, 0, 0}), (QList<int>{'g', 0, 0}));
    QCOMPARE(port.read(), 150);
}

void tst_Emulator::floodSendsUnaskedBytes()
{
    Emulator emulator;
    emulator.setFaults({.floodPerSecond = 500});
    emulator.start();
    Port port(emulator.slavePath());
    for (int i = 0; i < 10; ++i)
        QVERIFY(port.read() >= 0);
}

void tst_Emulator::floodKeepsItsRate()
{
    Emulator emulator;
    emulator.setFaults({.floodPerSecond = 50});
    emulator.start();
    Port port(emulator.slavePath());
    QElapsedTimer clock;
    clock.start();
    int bytes = 0;
    while (clock.elapsed() < 500)
        bytes += port.read(50) >= 0 ? 1 : 0;
    // About 25; an endless burst would fill the terminal's buffer.
    QVERIFY2(bytes >= 10 && bytes <= 50, qPrintable(QString::number(bytes)));
}

void tst_Emulator::startAndStopRepeatedly()
{
    Emulator emulator;
    for (int round = 0; round < 2; ++round) {
        emulator.start();
        QVERIFY(emulator.isRunning());
        Port port(emulator.slavePath());
        QCOMPARE(port.exchange({111}), QList<int>{111});
        emulator.stop();
        QVERIFY(!emulator.isRunning());
    }
    QCOMPARE(emulator.handshakeCount(), 2);
}

void tst_Emulator::benchFollowsTheGenerator_data()
{
    QTest::addColumn<int>("waveform"); // -1: no generator frame at all
    QTest::addColumn<int>("value");
    QTest::addColumn<double>("cornerHz");
    QTest::newRow("before any generator frame") << -1 << 128 << 20.0;
    QTest::newRow("generator switched off") << 0 << 128 << 20.0;
    QTest::newRow("unknown waveform") << 99 << 128 << 20.0;
    QTest::newRow("5 Hz, corner 20 Hz") << 30 << 0 << 20.0;
    QTest::newRow("27.6 Hz, corner 20 Hz") << 30 << 128 << 20.0;
    QTest::newRow("50 Hz, corner 20 Hz") << 30 << 255 << 20.0;
    QTest::newRow("5 Hz, corner 5 Hz") << 30 << 0 << 5.0;
    QTest::newRow("50 Hz, corner 5 Hz") << 30 << 255 << 5.0;
}

// Averages over enough replies to see through the noise.
void tst_Emulator::benchFollowsTheGenerator()
{
    QFETCH(int, waveform);
    QFETCH(int, value);
    QFETCH(double, cornerHz);
    constexpr int kReplies = 40;
    Instrument instrument;
    instrument.setBench(cornerHz);
    auto send = [&](std::initializer_list<int> bytes) {
        QList<int> answers;
        for (int byte : bytes)
            answers.append(instrument.onByte(uint8_t(byte)).value_or(Answer{}).byte);
        return answers;
    };
    if (waveform >= 0)
        send({100, waveform, value, 0});

    double u1 = 0, u2 = 0, hz = 0;
    int voltages = 0, frequencies = 0;
    for (int poll = 0; poll < 4 * kReplies; ++poll) {
        const QList<int> reply = send({211, 0, 0, 0});
        if (reply[0] == 'c' && reply[1] == 'a') {
            u1 += reply[2] / 10.0;
            u2 += reply[3] / 10.0;
            ++voltages;
        } else if (reply[0] == 'e') {
            hz += (reply[1] << 16) + (reply[2] << 8) + reply[3];
            ++frequencies;
        }
    }
    QCOMPARE(voltages, kReplies);
    QCOMPARE(frequencies, kReplies);

    const bool on = waveform == 30;
    const double expectedHz = on ? 5 + 45.0 * value / 255 : 0;
    const double expectedU1 = on ? 10.0 : 0;
    const double expectedU2 = expectedU1 / std::hypot(1.0, expectedHz / cornerHz);
    const QString got = QString("U1 %1 V, U2 %2 V, f %3 Hz")
                            .arg(u1 / kReplies)
                            .arg(u2 / kReplies)
                            .arg(hz / kReplies);
    QVERIFY2(qAbs(u1 / kReplies - expectedU1) <= 0.05, qPrintable(got));
    QVERIFY2(qAbs(u2 / kReplies - expectedU2) <= 0.05, qPrintable(got));
    QVERIFY2(qAbs(hz / kReplies - expectedHz) <= 0.5, qPrintable(got));
}

QTEST_GUILESS_MAIN(tst_Emulator)
#include "tst_emulator.moc"
