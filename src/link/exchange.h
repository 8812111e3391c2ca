#pragma once

#include "link/frame.h"

#include <QObject>
#include <QTimer>

class QSocketNotifier;
class TSerial;

// The instrument talks in lock-step: the program writes one byte and waits for
// the one byte that answers it before writing the next. Here that happens on
// the event loop, one byte at a time, so that the window goes on answering
// however long the instrument takes: the port's descriptor says when a byte
// has come, and a timer gives each byte the port's read time-out.
//
// A reply byte that did not arrive leaves its place in the reply as it was.
// Once one has not come back, the reply can no longer be whole, so the rest of
// the exchange waits for nothing; but the rest of the request still goes out,
// so that an instrument that only lost one answer is not left half-way through
// a frame, taking our next request for the end of this one. Its answers to
// that rest are given a moment to come and are thrown away before the port is
// free for the next exchange.
//
// Bytes that already wait in the input queue are thrown away first, and so is
// anything that comes while no exchange runs: a byte that came late, or that
// nobody asked for, would otherwise shift every later reply by one position
// for good.
//
// This object is the only reader of the port. A port that goes away is
// closed by the transfer that finds it gone, which ends the exchange at once.
class Exchange : public QObject
{
    Q_OBJECT

public:
    explicit Exchange(TSerial &port, QObject *parent = nullptr);

    // Writes the first `length` bytes of `request`, each followed by its
    // answer. `reply` is what the reply starts from. The port must be free.
    void start(const Frame &request, int length, const Frame &reply);
    // False from start() until the port can take the next exchange, which may
    // be a little after finished() when answers to an unanswered rest are
    // being thrown away.
    bool isFree() const { return m_stage == Stage::Free; }
    // Watches the port's descriptor afresh; call after the port was opened
    // again.
    void watchPort();

signals:
    // The outcome: the reply and how many of its bytes arrived (`length` for
    // a whole reply).
    void finished(const Frame &reply, int received);
    // The port can take the next exchange.
    void freed();
    // The port's device went away, during an exchange or between them.
    void portLost();

private:
    enum class Stage { Free, WaitingForByte, ThrowingAwayTail };

    void writeCurrentByte();
    void byteMayHaveCome();
    void byteTimedOut();
    void conclude();
    void tailTimeEnded();
    void becomeFree();
    bool noticeLoss();
    void dropNotifier();

    TSerial &m_port;
    // A child: one that goes while it reports is deleted later, or with us.
    QSocketNotifier *m_readable = nullptr;
    QTimer m_byteTimeout;
    QTimer m_tailTime;
    Stage m_stage = Stage::Free;
    Frame m_request{};
    Frame m_reply{};
    int m_length = 0;
    int m_received = 0;
};
