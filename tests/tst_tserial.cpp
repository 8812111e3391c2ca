#include "link/portname.h"
#include "link/tserial.h"
#include "support/ptypair.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <chrono>
#include <climits>
#include <memory>
#include <thread>

namespace {

constexpr int kPort = 3;
constexpr uint8_t kUntouched = 0x5A;
// Far below the 1000 ms read time-out, so anything under it did not wait for
// the time-out; far above anything a loaded machine needs for a quick return.
constexpr qint64 kAtOnceMs = 500;

} // namespace

class tst_TSerial : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startupConfigurationReadsBack();
    void setterChangesOnlyItsOwnField_data();
    void setterChangesOnlyItsOwnField();
    void readTimesOutAndKeepsTarget();
    void byteArrivingDuringReadEndsIt();
    void waitingBytesComeBackInOrderAtOnce();
    void bytesCrossTheLineUnchanged_data();
    void bytesCrossTheLineUnchanged();
    void purgeDropsLateBytes();
    void unusablePortFailsAtOnce_data();
    void unusablePortFailsAtOnce();
    void portHeldByAnotherObjectStaysWithIt();
    void lostDeviceFailsAtOnce_data();
    void lostDeviceFailsAtOnce();

private:
    std::unique_ptr<TSerial> openConfiguredPort();

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<PtyPair> m_pty;
};

void tst_TSerial::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_pty = std::make_unique<PtyPair>();
    QVERIFY(m_pty->isValid());
    QVERIFY(!m_pty->linkAsPort(m_dir->path(), kPort).isEmpty());
}

void tst_TSerial::cleanup()
{
    m_pty.reset();
    m_dir.reset();
}

std::unique_ptr<TSerial> tst_TSerial::openConfiguredPort()
{
    auto serial = std::make_unique<TSerial>(kPort, m_dir->path());
    applyStartupConfiguration(*serial);
    return serial;
}

void tst_TSerial::startupConfigurationReadsBack()
{
    const auto serial = openConfiguredPort();
    QVERIFY(serial->IsOpen());
    QCOMPARE(serial->portNumber(), kPort);
    QCOMPARE(serial->GetBaudRate(), 9600u);
    QCOMPARE(serial->GetParity(), 0);
    QCOMPARE(serial->GetStopBits(), 0);
    QCOMPARE(serial->GetByteSize(), 8);
    QVERIFY(!serial->lineSettings().fAbortOnError);
    QCOMPARE(serial->timeouts().ReadTotalTimeoutConstant, 1000u);
    QCOMPARE(serial->timeouts().WriteTotalTimeoutMultiplier, 2u);
    QVERIFY(serial->SetBufferSizes(16000, 50));
}

enum class Setter { BaudRate, Parity, StopBits, ByteSize };

void tst_TSerial::setterChangesOnlyItsOwnField_data()
{
    QTest::addColumn<Setter>("setter");
    QTest::addColumn<uint>("value");
    QTest::addColumn<uint>("baudRate");
    QTest::addColumn<int>("parity");
    QTest::addColumn<int>("stopBits");
    QTest::addColumn<int>("byteSize");

    // The expected values are what the line reports afterwards. A
    // pseudo-terminal has no parity bit and always carries 8 data bits, so
    // those requests leave the line as it was; the other fields must still
    // come through untouched.
    QTest::newRow("even parity") << Setter::Parity << 2u << 9600u << 0 << 0 << 8;
    QTest::newRow("mark parity") << Setter::Parity << 3u << 9600u << 0 << 0 << 8;
    QTest::newRow("7 data bits") << Setter::ByteSize << 7u << 9600u << 0 << 0 << 8;
    QTest::newRow("19200 bit/s") << Setter::BaudRate << 19200u << 19200u << 0 << 0 << 8;
    QTest::newRow("115200 bit/s") << Setter::BaudRate << 115200u << 115200u << 0 << 0 << 8;
    QTest::newRow("two stop bits") << Setter::StopBits << 2u << 9600u << 0 << 2 << 8;
    // termios knows no one and a half stop bits; the line gets two.
    QTest::newRow("one and a half stop bits read back as two")
        << Setter::StopBits << 1u << 9600u << 0 << 2 << 8;
    QTest::newRow("unknown stop bits code keeps the line")
        << Setter::StopBits << 3u << 9600u << 0 << 0 << 8;
    QTest::newRow("non-standard speed keeps the line")
        << Setter::BaudRate << 12345u << 9600u << 0 << 0 << 8;
    QTest::newRow("zero speed keeps the line") << Setter::BaudRate << 0u << 9600u << 0 << 0 << 8;
}

void tst_TSerial::setterChangesOnlyItsOwnField()
{
    QFETCH(Setter, setter);
    QFETCH(uint, value);
    const auto serial = openConfiguredPort();
    QVERIFY(serial->IsOpen());
    // Two stop bits first, so that a setter that rewrote the whole line from
    // defaults would show.
    if (setter != Setter::StopBits) {
        serial->SetStopBits(2);
        QCOMPARE(serial->GetStopBits(), 2);
    }

    // Until the next refresh the cached record holds what was asked for, even
    // when the line turned it down.
    const SerialLineSettings &cached = serial->lineSettings();
    switch (setter) {
    case Setter::BaudRate:
        serial->SetBaudRate(value);
        QCOMPARE(cached.BaudRate, value);
        break;
    case Setter::Parity:
        serial->SetParity(static_cast<uint8_t>(value));
        QCOMPARE(cached.Parity, value);
        break;
    case Setter::StopBits:
        serial->SetStopBits(static_cast<uint8_t>(value));
        QCOMPARE(cached.StopBits, value);
        break;
    case Setter::ByteSize:
        serial->SetByteSize(static_cast<uint8_t>(value));
        QCOMPARE(cached.ByteSize, value);
        break;
    }
    QVERIFY(!cached.fAbortOnError);
    QFETCH(int, stopBits);
    QTEST(serial->GetBaudRate(), "baudRate");
    QTEST(int(serial->GetParity()), "parity");
    QCOMPARE(int(serial->GetStopBits()), setter == Setter::StopBits ? stopBits : 2);
    QTEST(int(serial->GetByteSize()), "byteSize");
}

void tst_TSerial::readTimesOutAndKeepsTarget()
{
    const auto serial = openConfiguredPort();
    uint8_t target = kUntouched;
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(serial->ReadByte(&target), 0);
    const qint64 elapsed = clock.elapsed();
    QVERIFY2(elapsed >= 900, qPrintable(QString::number(elapsed)));
    QVERIFY2(elapsed < 10000, qPrintable(QString::number(elapsed)));
    QCOMPARE(target, kUntouched);
    QVERIFY(serial->IsOpen());
}

void tst_TSerial::byteArrivingDuringReadEndsIt()
{
    const auto serial = openConfiguredPort();
    std::thread instrument([this] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        m_pty->sendFromInstrument(QByteArray(1, '\x42'));
    });
    uint8_t target = kUntouched;
    QElapsedTimer clock;
    clock.start();
    const int count = serial->ReadByte(&target);
    const qint64 elapsed = clock.elapsed();
    instrument.join();
    QCOMPARE(count, 1);
    QCOMPARE(target, 0x42);
    // Returned when the byte came, not at the end of the 1000 ms time-out.
    QVERIFY2(elapsed >= 250 && elapsed < 900, qPrintable(QString::number(elapsed)));
}

void tst_TSerial::waitingBytesComeBackInOrderAtOnce()
{
    const auto serial = openConfiguredPort();
    QVERIFY(m_pty->sendFromInstrument(QByteArray("\x63\x61", 2)));
    QTRY_COMPARE(m_pty->pendingAtPort(), 2);

    uint8_t first = 0;
    uint8_t second = 0;
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(serial->ReadByte(&first), 1);
    QCOMPARE(serial->ReadByte(&second), 1);
    QVERIFY2(clock.elapsed() < kAtOnceMs, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(first, 0x63);
    QCOMPARE(second, 0x61);
}

void tst_TSerial::bytesCrossTheLineUnchanged_data()
{
    // Bytes a cooked terminal would turn into signals, flow control or line
    // ends, next to ordinary protocol bytes.
    QTest::addColumn<int>("byte");
    QTest::newRow("zero") << 0x00;
    QTest::newRow("interrupt character") << 0x03;
    QTest::newRow("line feed") << 0x0A;
    QTest::newRow("carriage return") << 0x0D;
    QTest::newRow("XON") << 0x11;
    QTest::newRow("XOFF") << 0x13;
    QTest::newRow("delete") << 0x7F;
    QTest::newRow("poll command") << 211;
    QTest::newRow("all bits set") << 0xFF;
}

void tst_TSerial::bytesCrossTheLineUnchanged()
{
    QFETCH(int, byte);
    const auto serial = openConfiguredPort();

    QCOMPARE(serial->WriteByte(static_cast<uint8_t>(byte)), 1);
    QCOMPARE(m_pty->receiveAtInstrument(2, 200), QByteArray(1, char(byte)));

    QVERIFY(m_pty->sendFromInstrument(QByteArray(1, char(byte))));
    uint8_t target = static_cast<uint8_t>(~byte);
    QCOMPARE(serial->ReadByte(&target), 1);
    QCOMPARE(int(target), byte);
}

void tst_TSerial::purgeDropsLateBytes()
{
    const auto serial = openConfiguredPort();
    serial->SetReadTotalTimeoutConstant(100);
    QVERIFY(m_pty->sendFromInstrument(QByteArray("late", 4)));
    QTRY_COMPARE(m_pty->pendingAtPort(), 4);

    serial->PurgeInput();
    uint8_t target = kUntouched;
    QCOMPARE(serial->ReadByte(&target), 0);
    QCOMPARE(target, kUntouched);

    QVERIFY(m_pty->sendFromInstrument(QByteArray(1, 'e')));
    QCOMPARE(serial->ReadByte(&target), 1);
    QCOMPARE(target, 'e');
}

enum class Unusable { NoEntry, RegularFile, Directory, DanglingLink, NoSuchDevice };

void tst_TSerial::unusablePortFailsAtOnce_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<Unusable>("kind");
    QTest::newRow("port 0 without a link") << 0 << Unusable::NoEntry;
    QTest::newRow("negative port") << -1 << Unusable::NoEntry;
    QTest::newRow("regular file") << 5 << Unusable::RegularFile;
    QTest::newRow("directory") << 5 << Unusable::Directory;
    QTest::newRow("dangling link") << 5 << Unusable::DanglingLink;
    QTest::newRow("number beyond any device") << INT_MAX << Unusable::NoSuchDevice;
}

void tst_TSerial::unusablePortFailsAtOnce()
{
    QFETCH(int, number);
    QFETCH(Unusable, kind);
    const QString entry = m_dir->filePath(portName(number));
    switch (kind) {
    case Unusable::NoEntry:
    case Unusable::NoSuchDevice:
        break;
    case Unusable::RegularFile: {
        QFile file(entry);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("not a port");
        break;
    }
    case Unusable::Directory:
        QVERIFY(QDir(m_dir->path()).mkdir(portName(number)));
        break;
    case Unusable::DanglingLink:
        QVERIFY(QFile::link(m_dir->filePath("unplugged"), entry));
        break;
    }

    TSerial serial(number, m_dir->path());
    applyStartupConfiguration(serial);
    QVERIFY(!serial.IsOpen());
    QVERIFY(!serial.SetBufferSizes(16000, 50));
    // With nothing to read back from, the getters report the cached record.
    QCOMPARE(serial.GetBaudRate(), 9600u);

    uint8_t target = kUntouched;
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(serial.WriteByte(211), 0);
    QCOMPARE(serial.ReadByte(&target), 0);
    QVERIFY2(clock.elapsed() < kAtOnceMs, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(target, kUntouched);
    if (kind == Unusable::RegularFile) {
        QFile file(entry);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("not a port"));
    }
}

void tst_TSerial::portHeldByAnotherObjectStaysWithIt()
{
    auto holder = openConfiguredPort();
    QVERIFY(holder->IsOpen());
    {
        const auto intruder = openConfiguredPort();
        QVERIFY(!intruder->IsOpen());
        uint8_t target = kUntouched;
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(intruder->WriteByte(1), 0);
        QCOMPARE(intruder->ReadByte(&target), 0);
        QVERIFY2(clock.elapsed() < kAtOnceMs, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(target, kUntouched);
    }
    // The failed attempt must not have taken the port from its holder…
    QCOMPARE(holder->WriteByte(0x64), 1);
    QCOMPARE(m_pty->receiveAtInstrument(1, 200), QByteArray(1, '\x64'));

    // …and once the holder lets go, the port can be opened again.
    holder.reset();
    const auto next = openConfiguredPort();
    QVERIFY(next->IsOpen());
}

enum class FirstCall { Read, Write, Purge };

void tst_TSerial::lostDeviceFailsAtOnce_data()
{
    QTest::addColumn<FirstCall>("firstCall");
    QTest::newRow("a read notices") << FirstCall::Read;
    QTest::newRow("a write notices") << FirstCall::Write;
    QTest::newRow("a purge notices") << FirstCall::Purge;
}

void tst_TSerial::lostDeviceFailsAtOnce()
{
    QFETCH(FirstCall, firstCall);
    const auto serial = openConfiguredPort();
    QVERIFY(serial->IsOpen());
    m_pty->hangUp();

    uint8_t target = kUntouched;
    switch (firstCall) {
    case FirstCall::Read:
        QCOMPARE(serial->ReadByte(&target), 0);
        break;
    case FirstCall::Write:
        QCOMPARE(serial->WriteByte(211), 0);
        break;
    case FirstCall::Purge:
        serial->PurgeInput();
        break;
    }
    QVERIFY(!serial->IsOpen());

    // Each of these would take a full read time-out if the dead port were
    // still waited on.
    constexpr int kCalls = 100;
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < kCalls; ++i) {
        QCOMPARE(serial->ReadByte(&target), 0);
        QCOMPARE(serial->WriteByte(211), 0);
    }
    QVERIFY2(clock.elapsed() < 2 * kAtOnceMs, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(target, kUntouched);
    QVERIFY(!serial->IsOpen());
}

QTEST_GUILESS_MAIN(tst_TSerial)
#include "tst_tserial.moc"
