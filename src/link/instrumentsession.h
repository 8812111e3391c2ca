#pragma once

#include "link/exchange.h"
#include "link/frame.h"
#include "link/linklife.h"

#include <QObject>
#include <QString>
#include <deque>
#include <memory>
#include <optional>

class TSerial;

// The program's one conversation with the instrument: it owns the port, runs
// every exchange on the event loop one after another (polls, the connect
// handshake's echo steps, generator uploads), keeps the link's rules and says
// what came of each. Windows and commands ask it for exchanges and listen to
// its signals; nothing else talks to the port.
//
// Two exchanges never overlap. A poll asked for while the port is busy waits,
// and polls that pile up meanwhile count as one, the latest, as a timer's
// missed ticks do. Polls also wait while a handshake is under way, from its
// first echo step until its fourth has come back, so that the instrument sees
// the test bytes in a row; an upload drops a poll that still waits, since
// polling stops with it.
class InstrumentSession : public QObject
{
    Q_OBJECT

public:
    // The port by number, or the device path when one is given, opened and
    // configured as the program configures it.
    InstrumentSession(int portNumber, const QString &workingDirectory,
                      const QString &device = QString(), QObject *parent = nullptr);
    ~InstrumentSession() override;

    TSerial &port() const { return *m_port; }
    const LinkLife &link() const { return m_link; }
    // The port is open and the instrument has answered and not gone quiet.
    bool instrumentAnswering() const;
    // The port was lost, or the instrument fell silent for the back-off; a
    // port just opened (again) and not yet answered is not away, only waiting.
    bool instrumentAway() const;
    // No exchange runs or waits.
    bool isIdle() const;

    void poll(const Frame &request);
    // Echo step 1..4 of the connect handshake: one test byte out, one back.
    void echoStep(int step);
    void upload(const Frame &request);
    void handshakePassed();

    // Notices a device that went away and, once it is due, looks for it
    // again where it was. Cheap enough for every tick of a status timer.
    void watchLink();
    // Opens the port now if it is not open (a person asked to connect);
    // true when it is open afterwards.
    bool openPort();

signals:
    // How many of the reply's four bytes came; 4 for a whole reply.
    void polled(const Frame &reply, int received);
    // The byte that came back, none when it did not.
    void echoed(int step, std::optional<uint8_t> echo);
    void uploaded(const Frame &reply, int received);
    // The port came or went, or what the link's rules know changed: whether
    // the instrument answers, and the poll period they want.
    void linkChanged();

private:
    enum class Kind { Poll, Echo, Upload };
    struct Job
    {
        Kind kind;
        Frame request;
        int step = 0;
    };

    void enqueue(const Job &job);
    void runNext();
    void exchangeFinished(const Frame &reply, int received);
    void portLost();
    bool reopen();

    std::unique_ptr<TSerial> m_port;
    std::unique_ptr<Exchange> m_exchange;
    LinkLife m_link;
    std::deque<Job> m_waiting;
    std::optional<Job> m_running;
    Frame m_reply{}; // what came back last; a byte that did not come keeps its place
    bool m_handshakeUnderWay = false;
};
