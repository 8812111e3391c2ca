#include "emulator.h"
#include "link/instrumentsession.h"
#include "link/tserial.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

// What the session lets onto the wire when exchanges are asked for while
// another one runs, against the emulated instrument.
class tst_InstrumentSession : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void requestsWhileBusy_data();
    void requestsWhileBusy();
    void closingMidExchangeReportsNothing();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<zunovsim::Emulator> m_instrument;
};

namespace {

// The instrument tells the frames apart by their waveform byte.
constexpr Frame PollA{211, 1, 0, 0};
constexpr Frame PollB{211, 2, 0, 0};
constexpr Frame PollC{211, 3, 0, 0};
constexpr Frame Upload{100, 50, 7, 0};

zunovsim::Frame onTheWire(const Frame &frame)
{
    return {frame[0], frame[1], frame[2], frame[3]};
}

} // namespace

void tst_InstrumentSession::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_instrument = std::make_unique<zunovsim::Emulator>();
    m_instrument->setLink(m_dir->path().toStdString(), 1);
    m_instrument->start();
}

void tst_InstrumentSession::cleanup()
{
    m_instrument->stop();
    m_instrument.reset();
    m_dir.reset();
}

// Each request is a letter: a, b, c polls, u upload, 1..4 echo steps. The
// first request starts at once; the others are asked for while it runs.
void tst_InstrumentSession::requestsWhileBusy_data()
{
    QTest::addColumn<QString>("requests");
    QTest::addColumn<std::vector<zunovsim::Frame>>("frames");
    QTest::addColumn<int>("handshakes");
    using F = std::vector<zunovsim::Frame>;
    const auto a = onTheWire(PollA), b = onTheWire(PollB), c = onTheWire(PollC),
               u = onTheWire(Upload);
    QTest::newRow("polls that pile up count as the latest") << "abc" << F{a, c} << 0;
    QTest::newRow("an upload drops the waiting poll") << "abu" << F{a, u} << 0;
    QTest::newRow("a poll after an upload still runs") << "aub" << F{a, u, b} << 0;
    QTest::newRow("polls wait for the handshake's four steps") << "1a2b3c4" << F{c} << 1;
    QTest::newRow("a running poll ends before the handshake") << "a1b234" << F{a, b} << 1;
}

void tst_InstrumentSession::requestsWhileBusy()
{
    QFETCH(QString, requests);
    QFETCH(std::vector<zunovsim::Frame>, frames);
    QFETCH(int, handshakes);
    InstrumentSession session(1, m_dir->path());
    QVERIFY(session.port().IsOpen());
    for (const QChar request : requests) {
        switch (request.toLatin1()) {
        case 'a':
            session.poll(PollA);
            break;
        case 'b':
            session.poll(PollB);
            break;
        case 'c':
            session.poll(PollC);
            break;
        case 'u':
            session.upload(Upload);
            break;
        default:
            session.echoStep(request.digitValue());
        }
    }
    QTRY_VERIFY_WITH_TIMEOUT(session.isIdle(), 5000);
    QTRY_COMPARE(m_instrument->framesReceived(), frames);
    QCOMPARE(m_instrument->handshakeCount(), 4 * handshakes);
}

void tst_InstrumentSession::closingMidExchangeReportsNothing()
{
    m_instrument->setFaults({.silence = true});
    auto session = std::make_unique<InstrumentSession>(1, m_dir->path());
    QSignalSpy polled(session.get(), &InstrumentSession::polled);
    session->poll(PollA);
    QTest::qWait(100);
    session.reset();
    // The port was let go: the next session has it to itself.
    InstrumentSession next(1, m_dir->path());
    QVERIFY(next.port().IsOpen());
    QTest::qWait(1200);
    QCOMPARE(polled.count(), 0);
}

QTEST_GUILESS_MAIN(tst_InstrumentSession)
#include "tst_instrumentsession.moc"
