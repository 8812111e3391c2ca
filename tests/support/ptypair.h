#pragma once

#include "pseudoterminal.h"

#include <QByteArray>
#include <QString>
#include <memory>

// A real pseudo-terminal for serial tests, on which the test itself plays the
// instrument byte by byte through the master side; the slave side is the
// "port" the program opens. The terminal is the emulator's, in raw mode and
// with a slave descriptor kept open.
class PtyPair
{
public:
    PtyPair();
    ~PtyPair();

    PtyPair(const PtyPair &) = delete;
    PtyPair &operator=(const PtyPair &) = delete;

    bool isValid() const { return m_terminal && m_terminal->isOpen(); }
    QString slavePath() const;

    // Makes `directory`/COM<number> a symbolic link to the slave; returns the
    // link's path, or an empty string on failure.
    QString linkAsPort(const QString &directory, int number) const;

    bool sendFromInstrument(const QByteArray &bytes);
    // Whatever the port wrote, waiting up to timeoutMs for at least `count`
    // bytes.
    QByteArray receiveAtInstrument(int count, int timeoutMs);
    // Bytes received on the port side that nobody has read yet.
    int pendingAtPort() const;

    // The instrument goes away: both of our descriptors close, and the
    // terminal hangs up on whoever still has the port open.
    void hangUp();

private:
    std::unique_ptr<zunovsim::PseudoTerminal> m_terminal;
};
