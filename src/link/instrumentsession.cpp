#include "link/instrumentsession.h"

#include "link/handshake.h"
#include "link/tserial.h"

#include <algorithm>

namespace {

constexpr int EchoLength = 1;
constexpr int FrameLength = 4;

} // namespace

InstrumentSession::InstrumentSession(int portNumber, const QString &workingDirectory,
                                     const QString &device, QObject *parent)
    : QObject(parent)
    , m_port(std::make_unique<TSerial>(portNumber, workingDirectory, device))
{
    applyStartupConfiguration(*m_port);
    m_exchange = std::make_unique<Exchange>(*m_port);
    connect(m_exchange.get(), &Exchange::finished, this, &InstrumentSession::exchangeFinished);
    connect(m_exchange.get(), &Exchange::freed, this, &InstrumentSession::runNext);
    connect(m_exchange.get(), &Exchange::portLost, this, &InstrumentSession::portLost);
}

InstrumentSession::~InstrumentSession() = default;

bool InstrumentSession::instrumentAnswering() const
{
    return m_port->IsOpen() && m_link.instrumentAnswering();
}

bool InstrumentSession::instrumentAway() const
{
    return m_port->isLost() || m_link.silentForBackOff();
}

bool InstrumentSession::isIdle() const
{
    return !m_running && m_waiting.empty() && m_exchange->isFree();
}

void InstrumentSession::poll(const Frame &request)
{
    const auto waitingPoll = std::find_if(m_waiting.begin(), m_waiting.end(),
                                          [](const Job &job) { return job.kind == Kind::Poll; });
    if (waitingPoll != m_waiting.end()) {
        waitingPoll->request = request;
        return;
    }
    enqueue({Kind::Poll, request});
}

void InstrumentSession::echoStep(int step)
{
    Frame request{};
    request[0] = Handshake::TestByte;
    enqueue({Kind::Echo, request, step});
}

void InstrumentSession::upload(const Frame &request)
{
    std::erase_if(m_waiting, [](const Job &job) { return job.kind == Kind::Poll; });
    enqueue({Kind::Upload, request});
}

void InstrumentSession::handshakePassed()
{
    const LinkLife before = m_link;
    m_link.handshakePassed();
    if (!(m_link == before))
        emit linkChanged();
}

void InstrumentSession::enqueue(const Job &job)
{
    m_waiting.push_back(job);
    runNext();
}

void InstrumentSession::runNext()
{
    if (m_running || !m_exchange->isFree())
        return;
    const auto next = std::find_if(m_waiting.begin(), m_waiting.end(), [this](const Job &job) {
        return job.kind != Kind::Poll || !m_handshakeUnderWay;
    });
    if (next == m_waiting.end())
        return;
    m_running = *next;
    m_waiting.erase(next);
    if (m_running->kind == Kind::Echo) {
        m_handshakeUnderWay = m_running->step < Handshake::Steps;
        m_exchange->start(m_running->request, EchoLength, Frame{});
    } else {
        m_exchange->start(m_running->request, FrameLength, m_reply);
    }
}

void InstrumentSession::exchangeFinished(const Frame &reply, int received)
{
    const Job job = *m_running;
    m_running.reset();
    switch (job.kind) {
    case Kind::Poll: {
        m_reply = reply;
        const LinkLife before = m_link;
        m_link.pollEnded(received == FrameLength);
        emit polled(reply, received);
        if (!(m_link == before))
            emit linkChanged();
        break;
    }
    case Kind::Echo:
        emit echoed(job.step, received == EchoLength ? std::optional(reply[0]) : std::nullopt);
        break;
    case Kind::Upload:
        m_reply = reply;
        emit uploaded(reply, received);
        break;
    }
}

void InstrumentSession::portLost()
{
    m_link.portLost();
    emit linkChanged();
}

void InstrumentSession::watchLink()
{
    // While an exchange runs, its own transfers notice a device that went
    // away, and nothing may close the descriptor under it.
    if (m_exchange->isFree() && m_port->IsOpen()) {
        m_port->checkLine();
        if (!m_port->IsOpen()) {
            m_exchange->watchPort();
            portLost();
        }
    }
    if (!m_port->isLost())
        return;
    const auto now = LinkLife::Clock::now();
    if (m_link.reopenDue(now)) {
        m_link.reopenTried(now);
        reopen();
    }
}

bool InstrumentSession::openPort()
{
    watchLink();
    return m_port->IsOpen() || reopen();
}

bool InstrumentSession::reopen()
{
    if (!m_exchange->isFree() || !m_port->reopen())
        return m_port->IsOpen();
    applyStartupConfiguration(*m_port);
    m_link.portReopened();
    m_exchange->watchPort();
    emit linkChanged();
    return true;
}
