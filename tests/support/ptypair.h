#pragma once

#include <QByteArray>
#include <QString>

// A real pseudo-terminal for serial tests. The master side plays the
// instrument; the slave side is the "port" the program opens. The master is
// put in raw mode at once (a fresh pseudo-terminal is cooked and would eat
// bytes such as 0x03), and a slave descriptor is kept open so that the port
// can be closed and opened again without the terminal disappearing.
class PtyPair
{
public:
    PtyPair();
    ~PtyPair();

    PtyPair(const PtyPair &) = delete;
    PtyPair &operator=(const PtyPair &) = delete;

    bool isValid() const { return m_master >= 0 && m_slave >= 0; }
    QString slavePath() const { return m_slavePath; }

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
    int m_master = -1;
    int m_slave = -1;
    QString m_slavePath;
};
