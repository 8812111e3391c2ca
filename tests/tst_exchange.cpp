#include "emulator.h"
#include "link/exchange.h"
#include "link/tserial.h"

#include <QElapsedTimer>
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
    void faultySecondByteSpoilsOnlyItsExchange_data();
    void faultySecondByteSpoilsOnlyItsExchange();
    void unsolicitedBytesAreDropped();
    void silentInstrumentLeavesTheReply();
    void lostInstrumentDoesNotWait();
    void handshakeStep();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<zunovsim::Emulator> m_instrument;
    std::unique_ptr<TSerial> m_port;
};

namespace {

const Frame Poll{211, 0, 0, 0};
const Frame FirstReply{'c', 'a', 123, 45};
const Frame SecondReply{'g', 0, 0, 150};

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
}

void tst_Exchange::cleanup()
{
    m_port.reset();
    m_instrument->stop();
    m_instrument.reset();
    m_dir.reset();
}

void tst_Exchange::completeReply()
{
    m_instrument->queueReplies({FirstReply, SecondReply});
    Frame reply{};
    QCOMPARE(runExchange(*m_port, Poll, reply), 4);
    QCOMPARE(reply, FirstReply);
    QCOMPARE(runExchange(*m_port, Poll, reply), 4);
    QCOMPARE(reply, SecondReply);
}

void tst_Exchange::requestReachesTheInstrument()
{
    Frame reply{};
    QCOMPARE(runExchange(*m_port, Frame{100, 50, 255, 0}, reply), 4);
    QTRY_COMPARE(m_instrument->framesReceived().size(), size_t(1));
    QCOMPARE(m_instrument->framesReceived().front(), (zunovsim::Frame{100, 50, 255, 0}));
}

void tst_Exchange::faultySecondByteSpoilsOnlyItsExchange_data()
{
    QTest::addColumn<bool>("late");
    QTest::newRow("byte arrives after its read gave up") << true;
    QTest::newRow("byte never arrives") << false;
}

void tst_Exchange::faultySecondByteSpoilsOnlyItsExchange()
{
    QFETCH(bool, late);
    zunovsim::Faults faults;
    (late ? faults.lateByte : faults.dropByte) = 2;
    m_instrument->setFaults(faults);
    m_instrument->queueReplies({FirstReply, SecondReply});

    Frame reply{};
    QVERIFY(runExchange(*m_port, Poll, reply) < 4);
    // A late byte has arrived by now and waits in the queue. Without one, the
    // next exchange follows at once, as a poll that is already due does: the
    // answers to the rest of the request must not open its reply.
    if (late)
        QTest::qWait(1500);
    QCOMPARE(runExchange(*m_port, Poll, reply), 4);
    QCOMPARE(reply, SecondReply);
}

void tst_Exchange::unsolicitedBytesAreDropped()
{
    m_instrument->setFaults({.floodPerSecond = 200});
    QTest::qWait(300);
    m_instrument->setFaults({});
    QTest::qWait(50);
    m_instrument->queueReplies({FirstReply});
    Frame reply{};
    QCOMPARE(runExchange(*m_port, Poll, reply), 4);
    QCOMPARE(reply, FirstReply);
}

void tst_Exchange::silentInstrumentLeavesTheReply()
{
    m_instrument->setFaults({.silence = true});
    Frame reply{1, 2, 3, 4};
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(runExchange(*m_port, Poll, reply), 0);
    QCOMPARE(reply, (Frame{1, 2, 3, 4}));
    // Only the first read waits for its time-out; the others would take
    // three more seconds.
    QVERIFY2(clock.elapsed() >= 900 && clock.elapsed() < 2500,
             qPrintable(QString::number(clock.elapsed())));
}

void tst_Exchange::lostInstrumentDoesNotWait()
{
    m_instrument->setFaults({.hangUpAfter = 1});
    Frame reply{};
    QCOMPARE(runExchange(*m_port, Poll, reply), 4);
    QTRY_VERIFY(m_instrument->hungUp());
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < 20; ++i)
        runExchange(*m_port, Poll, reply);
    QVERIFY(!m_port->IsOpen());
    // Twenty exchanges on a dead line must not each wait for the time-outs.
    QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
}

void tst_Exchange::handshakeStep()
{
    uint8_t echo = 0;
    QVERIFY(exchangeByte(*m_port, 111, echo));
    QCOMPARE(echo, 111);

    m_instrument->setFaults({.silence = true});
    echo = 7;
    QVERIFY(!exchangeByte(*m_port, 111, echo));
    QCOMPARE(echo, 7);
}

QTEST_GUILESS_MAIN(tst_Exchange)
#include "tst_exchange.moc"
