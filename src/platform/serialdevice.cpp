#include "platform/serialdevice.h"

#include "platform/termiosline.h"

#include <QFile>
#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>
#include <climits>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>
#include <utility>

namespace {

using Clock = std::chrono::steady_clock;

// Milliseconds left until the deadline, rounded up so that a wait of a
// fraction of a millisecond is not cut to a busy poll of 0.
int remainingMs(Clock::time_point deadline)
{
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
    return static_cast<int>(std::clamp<std::chrono::milliseconds::rep>(left.count(), 0, INT_MAX));
}

Clock::time_point deadlineAfter(int timeoutMs)
{
    return Clock::now() + std::chrono::milliseconds(std::max(timeoutMs, 0));
}

constexpr short HangUpEvents = POLLHUP | POLLERR | POLLNVAL;

// The instrument emulator marks its pseudo-terminal with a window size that no
// real terminal has: no rows or columns, and "ZU" by "SM" pixels (zunov-sim's
// pseudoterminal.cpp sets it). A serial port reports a size of all zeros.
constexpr unsigned short EmulatorMarkWidth = 0x5A55;
constexpr unsigned short EmulatorMarkHeight = 0x534D;

bool carriesEmulatorMark(int fd)
{
    winsize size{};
    return ::ioctl(fd, TIOCGWINSZ, &size) == 0 && size.ws_row == 0 && size.ws_col == 0
           && size.ws_xpixel == EmulatorMarkWidth && size.ws_ypixel == EmulatorMarkHeight;
}

} // namespace

SerialDevice::~SerialDevice()
{
    close();
}

bool SerialDevice::open(const QString &path)
{
    close();
    const QByteArray nativePath = QFile::encodeName(path);
    const int fd = ::open(nativePath.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return fail(-1, errno);

    struct stat status
    {};
    if (::fstat(fd, &status) != 0)
        return fail(fd, errno);
    if (!S_ISCHR(status.st_mode) || !::isatty(fd))
        return fail(fd, ENOTTY);
    // TIOCEXCL keeps other users from opening the port, but not root; the lock
    // covers that case and programs that only check locks. The lock comes
    // first, so that a second opener never touches the holder's TIOCEXCL.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0)
        return fail(fd, errno == EWOULDBLOCK ? EBUSY : errno);
    if (::tcgetattr(fd, &m_savedSettings) != 0 || ::ioctl(fd, TIOCEXCL) != 0)
        return fail(fd, errno);
    termios settings = m_savedSettings;
    ::cfmakeraw(&settings);
    settings.c_cflag |= CLOCAL | CREAD;
    if (::tcsetattr(fd, TCSANOW, &settings) != 0) {
        const int error = errno;
        ::ioctl(fd, TIOCNXCL);
        return fail(fd, error);
    }
    m_fd = fd;
    m_openError = 0;
    m_lost = false;
    m_emulator = carriesEmulatorMark(fd);
    return true;
}

bool SerialDevice::fail(int fd, int error)
{
    if (fd >= 0)
        ::close(fd);
    m_openError = error;
    return false;
}

void SerialDevice::close()
{
    if (m_fd < 0)
        return;
    // Whoever uses the terminal next finds it as we found it. Output still
    // queued is not waited for: a line stuck by flow control would hold us.
    ::tcsetattr(m_fd, TCSANOW, &m_savedSettings);
    // The exclusive flag belongs to the terminal, not to our descriptor: left
    // set, it would keep even us out when the port is opened again while some
    // other descriptor keeps the terminal alive.
    ::ioctl(m_fd, TIOCNXCL);
    ::close(std::exchange(m_fd, -1));
}

void SerialDevice::lose()
{
    // The device is gone; its descriptor will only ever report errors, so it
    // is dropped rather than polled again. Closing still puts the settings
    // back where the terminal is only hung up, not removed.
    close();
    m_lost = true;
}

int SerialDevice::readByte(uint8_t &target, int timeoutMs)
{
    const auto deadline = deadlineAfter(timeoutMs);
    while (isOpen()) {
        uint8_t byte = 0;
        const ssize_t count = ::read(m_fd, &byte, 1);
        if (count == 1) {
            target = byte;
            return 1;
        }
        if (count < 0 && errno == EINTR)
            continue;
        if (count == 0 || (errno != EAGAIN && errno != EWOULDBLOCK)) {
            lose(); // end of file or EIO: hung up
            return 0;
        }
        const int waitMs = remainingMs(deadline);
        if (waitMs == 0)
            return 0;
        pollfd request{m_fd, POLLIN, 0};
        const int ready = ::poll(&request, 1, waitMs);
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready < 0) {
            lose();
            return 0;
        }
        if (ready == 0)
            return 0;
        if (request.revents & HangUpEvents) {
            // A byte may still be waiting in front of the hang-up; take it,
            // but do not poll the dead descriptor again.
            const bool gotOne = ::read(m_fd, &byte, 1) == 1;
            if (gotOne)
                target = byte;
            else
                lose();
            return gotOne ? 1 : 0;
        }
    }
    return 0;
}

int SerialDevice::writeByte(uint8_t byte, int timeoutMs)
{
    const auto deadline = deadlineAfter(timeoutMs);
    while (isOpen()) {
        const ssize_t count = ::write(m_fd, &byte, 1);
        if (count == 1)
            return 1;
        if (count < 0 && errno == EINTR)
            continue;
        if (count == 0 || (errno != EAGAIN && errno != EWOULDBLOCK)) {
            lose(); // EIO, ENXIO: the device went away
            return 0;
        }
        const int waitMs = remainingMs(deadline);
        if (waitMs == 0)
            return 0;
        pollfd request{m_fd, POLLOUT, 0};
        const int ready = ::poll(&request, 1, waitMs);
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready < 0 || (ready > 0 && (request.revents & HangUpEvents))) {
            lose();
            return 0;
        }
        if (ready == 0)
            return 0;
    }
    return 0;
}

void SerialDevice::discardInput()
{
    if (!isOpen())
        return;
    ::tcflush(m_fd, TCIFLUSH);
    // Bytes still on their way into the driver's queue slip past the flush;
    // read them away too, but never more than a queue's worth, so that a
    // device flooding us cannot keep us here.
    constexpr int MostBytesDrained = 4096;
    std::array<uint8_t, 256> sink{};
    for (int drained = 0; drained < MostBytesDrained && isOpen();) {
        const ssize_t count = ::read(m_fd, sink.data(), sink.size());
        if (count > 0) {
            drained += static_cast<int>(count);
            continue;
        }
        if (count < 0 && errno == EINTR)
            continue;
        if (count == 0 || (errno != EAGAIN && errno != EWOULDBLOCK))
            lose();
        return;
    }
}

void SerialDevice::checkLine()
{
    if (!isOpen())
        return;
    // Hang-up and error events are reported whatever is asked for.
    pollfd request{m_fd, 0, 0};
    if (::poll(&request, 1, 0) > 0 && (request.revents & HangUpEvents))
        lose();
}

std::optional<SerialLineParameters> SerialDevice::lineParameters() const
{
    termios settings{};
    if (!isOpen() || ::tcgetattr(m_fd, &settings) != 0)
        return std::nullopt;
    return lineParametersOf(settings);
}

bool SerialDevice::setLineParameters(const SerialLineParameters &parameters)
{
    termios settings{};
    return isOpen() && ::tcgetattr(m_fd, &settings) == 0
           && applyLineParameters(parameters, settings)
           && ::tcsetattr(m_fd, TCSANOW, &settings) == 0;
}

bool SerialDevice::setModemLine(ModemLine line, bool on)
{
    if (!isOpen())
        return false;
    int bits = line == ModemLine::Dtr ? TIOCM_DTR : TIOCM_RTS;
    return ::ioctl(m_fd, on ? TIOCMBIS : TIOCMBIC, &bits) == 0;
}
