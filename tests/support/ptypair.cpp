#include "support/ptypair.h"

#include "link/portname.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>
#include <utility>

PtyPair::PtyPair()
{
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (master < 0)
        return;
    termios settings{};
    const char *name = nullptr;
    if (::grantpt(master) != 0 || ::unlockpt(master) != 0 || ::tcgetattr(master, &settings) != 0
        || (name = ::ptsname(master)) == nullptr) {
        ::close(master);
        return;
    }
    ::cfmakeraw(&settings);
    ::tcsetattr(master, TCSANOW, &settings);
    m_master = master;
    m_slavePath = QString::fromLocal8Bit(name);
    m_slave = ::open(name, O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
}

PtyPair::~PtyPair()
{
    hangUp();
}

QString PtyPair::linkAsPort(const QString &directory, int number) const
{
    const QString link = QDir(directory).filePath(portName(number));
    return QFile::link(m_slavePath, link) ? link : QString();
}

bool PtyPair::sendFromInstrument(const QByteArray &bytes)
{
    return m_master >= 0 && ::write(m_master, bytes.constData(), bytes.size()) == bytes.size();
}

QByteArray PtyPair::receiveAtInstrument(int count, int timeoutMs)
{
    QByteArray received;
    QElapsedTimer clock;
    clock.start();
    while (m_master >= 0 && received.size() < count) {
        const int left = timeoutMs - static_cast<int>(clock.elapsed());
        pollfd request{m_master, POLLIN, 0};
        if (left <= 0 || ::poll(&request, 1, left) <= 0 || !(request.revents & POLLIN))
            break;
        char buffer[64];
        const ssize_t n = ::read(m_master, buffer, sizeof buffer);
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
    return m_slave >= 0 && ::ioctl(m_slave, FIONREAD, &count) == 0 ? count : -1;
}

void PtyPair::hangUp()
{
    if (m_master >= 0)
        ::close(std::exchange(m_master, -1));
    if (m_slave >= 0)
        ::close(std::exchange(m_slave, -1));
}
