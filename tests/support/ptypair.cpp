#include "support/ptypair.h"

#include "link/portname.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <cerrno>
#include <poll.h>
#include <sys/ioctl.h>
#include <unistd.h>

PtyPair::PtyPair()
{
    try {
        m_terminal = std::make_unique<zunovsim::PseudoTerminal>();
    } catch (const std::system_error &) {
        // isValid() says so.
    }
}

PtyPair::~PtyPair() = default;

QString PtyPair::slavePath() const
{
    return m_terminal ? QString::fromStdString(m_terminal->slavePath()) : QString();
}

QString PtyPair::linkAsPort(const QString &directory, int number) const
{
    const QString link = QDir(directory).filePath(portName(number));
    return QFile::link(slavePath(), link) ? link : QString();
}

bool PtyPair::sendFromInstrument(const QByteArray &bytes)
{
    return isValid()
           && ::write(m_terminal->masterFd(), bytes.constData(), bytes.size()) == bytes.size();
}

QByteArray PtyPair::receiveAtInstrument(int count, int timeoutMs)
{
    QByteArray received;
    QElapsedTimer clock;
    clock.start();
    while (isValid() && received.size() < count) {
        const int left = timeoutMs - static_cast<int>(clock.elapsed());
        pollfd request{m_terminal->masterFd(), POLLIN, 0};
        if (left <= 0 || ::poll(&request, 1, left) <= 0 || !(request.revents & POLLIN))
            break;
        char buffer[64];
        const ssize_t n = ::read(m_terminal->masterFd(), buffer, sizeof buffer);
        if (n > 0)
            received.append(buffer, n);
        else if (n == 0 || (errno != EINTR && errno != EAGAIN))
            break;
    }
    return received;
}

int PtyPair::pendingAtPort() const
{
    int count = 0;
    return isValid() && ::ioctl(m_terminal->slaveFd(), FIONREAD, &count) == 0 ? count : -1;
}

void PtyPair::hangUp()
{
    if (m_terminal)
        m_terminal->hangUp();
}
