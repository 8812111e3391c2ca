#include "emulator.h"
#include "link/exchange.h"
#include "link/tserial.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

// The exchange against the emulated instrument on a real pseudo-terminal.
class tst_Exchange : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void completeReply();
    void requestReachesTheInstrument();
    void faultyByteSpoilsOnlyItsExchange_data();
    void faultyByteSpoilsOnlyItsExchange();
    void unsolicitedBytesAreDropped();
    void lostInstrumentDoesNotWait();
    void handshakeStep();

private:
    // Runs one exchange until the port is free again, as the session does
    // before the next one; returns the bytes received, -1 when none finished.
    int exchange(const Frame &request, Frame &reply, int length = 4);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<zunovsim::Emulator> m_instrument;
    std::unique_ptr<TSerial> m_port;
    std::unique_ptr<Exchange> m_exchange;
};

namespace {

const Frame Poll{211, 0, 0, 0};
const Frame FirstReply{'c', 'a', 123, 45};
const Frame SecondReply{'g', 0, 0, 150};
constexpr int LongestExchangeMs = 5000;

} // namespace

void tst_Exchange::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_instrument = std::make_unique<zunovsim::Emulator>();
    m_instrument->setLink(m_dir->path().toStdString(), 1);
    m_instrument->start();
    m_port = std::make_unique<TSerial>(1, m_dir->path());
    applyStartupConfiguration(*m_port);
    QVERIFY(m_port->IsOpen());
    m_exchange = std::make_unique<Exchange>(*m_port);
}

void tst_Exchange::cleanup()
{
    m_exchange.reset();
    m_port.reset();
    m_instrument->stop();
    m_instrument.reset();
    m_dir.reset();
}

int tst_Exchange::exchange(const Frame &request, Frame &reply, int length)
{
    int received = -1;
    const auto outcome =
        connect(m_exchange.get(), &Exchange::finished, this, [&](const Frame &answer, int count) {
            reply = answer;
            received = count;
        });
    m_exchange->start(request, length, reply);
    const bool freed = QTest::qWaitFor([this] { return m_exchange->isFree(); }, LongestExchangeMs);
    disconnect(outcome);
    return freed ? received : -1;
}

void tst_Exchange::completeReply()
{
    m_instrument->queueReplies({FirstReply, SecondReply});
    Frame reply{};
    QCOMPARE(exchange(Poll, reply), 4);
    QCOMPARE(reply, FirstReply);
    QCOMPARE(exchange(Poll, reply), 4);
    QCOMPARE(reply, SecondReply);
}

void tst_Exchange::requestReachesTheInstrument()
{
    Frame reply{};
    QCOMPARE(exchange(Frame{100, 50, 255, 0}, reply), 4);
    QTRY_COMPARE(m_instrument->framesReceived().size(), size_t(1));
    QCOMPARE(m_instrument->framesReceived().front(), (zunovsim::Frame{100, 50, 255, 0}));
}

void tst_Exchange::faultyByteSpoilsOnlyItsExchange_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<bool>("late");
    QTest::addColumn<int>("byteDelayMs");
    for (int position = 1; position <= 4; ++position) {
        QTest::addRow("byte %d never arrives", position) << position << false << 0;
        QTest::addRow("byte %d arrives after its read gave up", position) << position << true << 0;
    }
    // Answers to the rest of the request still come, through an adapter
    // that holds each back; they must not open the next reply.
    QTest::newRow("rest answered late") << 2 << false << 30;
}

void tst_Exchange::faultyByteSpoilsOnlyItsExchange()
{
    QFETCH(int, position);
    QFETCH(bool, late);
    QFETCH(int, byteDelayMs);
    zunovsim::Faults faults;
    (late ? faults.lateByte : faults.dropByte) = position;
    faults.lateDelay = std::chrono::milliseconds(1200);
    faults.byteDelay = std::chrono::milliseconds(byteDelayMs);
    m_instrument->setFaults(faults);
    m_instrument->queueReplies({FirstReply, SecondReply});

    Frame reply{9, 9, 9, 9};
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(exchange(Poll, reply), position - 1);
    const qint64 exchangeMs = clock.elapsed();
    // The reply so far, and the old bytes where nothing came.
    for (int i = 0; i < 4; ++i)
        QCOMPARE(reply[i], i < position - 1 ? FirstReply[i] : 9);
    // Only the missing byte waits for its time-out.
    QVERIFY2(exchangeMs >= 900 && exchangeMs < 2000, qPrintable(QString::number(exchangeMs)));
    // A late byte comes while the port is idle and is thrown away. Without
    // one, the next exchange follows at once, as a poll that is already due
    // does: the answers to the rest of the request must not open its reply.
    if (late)
        QTest::qWait(500);
    QCOMPARE(exchange(Poll, reply), 4);
    QCOMPARE(reply, SecondReply);
    QTRY_COMPARE(m_instrument->framesReceived().size(), size_t(2));
}

void tst_Exchange::unsolicitedBytesAreDropped()
{
    m_instrument->setFaults({.floodPerSecond = 200});
    QTest::qWait(300);
    m_instrument->setFaults({});
    QTest::qWait(50);
    m_instrument->queueReplies({FirstReply});
    Frame reply{};
    QCOMPARE(exchange(Poll, reply), 4);
    QCOMPARE(reply, FirstReply);
}

void tst_Exchange::lostInstrumentDoesNotWait()
{
    m_instrument->setFaults({.hangUpAfter = 1});
    QSignalSpy lost(m_exchange.get(), &Exchange::portLost);
    Frame reply{};
    QCOMPARE(exchange(Poll, reply), 4);
    // Noticed between exchanges, with nobody asking.
    QTRY_COMPARE(lost.count(), 1);
    QVERIFY(!m_port->IsOpen());
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < 20; ++i)
        QCOMPARE(exchange(Poll, reply), 0);
    // Twenty exchanges on a dead line must not each wait for the time-outs.
    QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(lost.count(), 1);
}

void tst_Exchange::handshakeStep()
{
    Frame echo{};
    QCOMPARE(exchange(Frame{111}, echo, 1), 1);
    QCOMPARE(echo[0], 111);
    QTRY_COMPARE(m_instrument->framesReceived().size(), size_t(0));

    m_instrument->setFaults({.silence = true});
    echo = {7};
    QCOMPARE(exchange(Frame{111}, echo, 1), 0);
    QCOMPARE(echo[0], 7);
}

QTEST_GUILESS_MAIN(tst_Exchange)
#include "tst_exchange.moc"
