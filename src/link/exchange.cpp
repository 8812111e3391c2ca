#include "link/exchange.h"

#include "link/tserial.h"

#include <QSocketNotifier>

namespace {

// How long the answers to the unanswered rest of a request may still be on
// their way: a byte takes about 1 ms at 9600 bit/s, and a USB adapter holds
// what it received for up to 16 ms before passing it on.
constexpr int TailAnswersMs = 50;

} // namespace

Exchange::Exchange(TSerial &port, QObject *parent)
    : QObject(parent)
    , m_port(port)
{
    // A coarse timer may fire 5 % late; the read time-out is the port's.
    m_byteTimeout.setTimerType(Qt::PreciseTimer);
    m_byteTimeout.setSingleShot(true);
    connect(&m_byteTimeout, &QTimer::timeout, this, &Exchange::byteTimedOut);
    m_tailTime.setSingleShot(true);
    m_tailTime.setInterval(TailAnswersMs);
    connect(&m_tailTime, &QTimer::timeout, this, &Exchange::tailTimeEnded);
    watchPort();
}

void Exchange::watchPort()
{
    dropNotifier();
    if (!m_port.IsOpen())
        return;
    // Level-triggered, and a hang-up counts as readable: the notifier stays
    // only as long as the descriptor it watches.
    m_readable = new QSocketNotifier(m_port.descriptor(), QSocketNotifier::Read, this);
    connect(m_readable, &QSocketNotifier::activated, this, &Exchange::byteMayHaveCome);
}

void Exchange::dropNotifier()
{
    if (!m_readable)
        return;
    // It may be the notifier reporting right now; it goes once that is done.
    m_readable->setEnabled(false);
    m_readable->deleteLater();
    m_readable = nullptr;
}

void Exchange::start(const Frame &request, int length, const Frame &reply)
{
    Q_ASSERT(isFree());
    m_request = request;
    m_reply = reply;
    m_length = length;
    m_received = 0;
    m_stage = Stage::WaitingForByte;
    m_port.PurgeInput();
    writeCurrentByte();
}

void Exchange::writeCurrentByte()
{
    m_port.WriteByte(m_request[m_received]);
    // A port that is not open answers nothing; the exchange ends on the next
    // pass of the event loop, as it would after a time-out.
    m_byteTimeout.start(m_port.IsOpen() ? m_port.readTimeoutMs() : 0);
    noticeLoss();
}

void Exchange::byteMayHaveCome()
{
    switch (m_stage) {
    case Stage::WaitingForByte: {
        uint8_t byte = 0;
        if (m_port.readWaitingByte(byte)) {
            m_reply[m_received++] = byte;
            m_byteTimeout.stop();
            if (m_received == m_length)
                conclude();
            else
                writeCurrentByte();
        } else if (noticeLoss()) {
            m_byteTimeout.stop();
            byteTimedOut();
        }
        return;
    }
    case Stage::ThrowingAwayTail:
    case Stage::Free:
        m_port.PurgeInput();
        if (noticeLoss() && m_stage == Stage::ThrowingAwayTail) {
            m_tailTime.stop();
            becomeFree();
        }
        return;
    }
}

void Exchange::byteTimedOut()
{
    const int firstUnanswered = m_received + 1;
    for (int unanswered = firstUnanswered; unanswered < m_length; ++unanswered)
        m_port.WriteByte(m_request[unanswered]);
    noticeLoss();
    if (firstUnanswered >= m_length || !m_port.IsOpen()) {
        conclude();
        return;
    }
    // The next exchange may be due at once; its purge would come before these
    // answers, and they would open its reply.
    m_stage = Stage::ThrowingAwayTail;
    m_tailTime.start();
    emit finished(m_reply, m_received);
}

void Exchange::conclude()
{
    m_stage = Stage::Free;
    emit finished(m_reply, m_received);
    if (isFree())
        emit freed();
}

void Exchange::tailTimeEnded()
{
    m_port.PurgeInput();
    noticeLoss();
    becomeFree();
}

void Exchange::becomeFree()
{
    m_stage = Stage::Free;
    emit freed();
}

bool Exchange::noticeLoss()
{
    if (m_port.IsOpen())
        return false;
    if (m_readable) {
        dropNotifier();
        emit portLost();
    }
    return true;
}
