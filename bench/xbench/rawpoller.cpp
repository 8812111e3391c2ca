// The second yardstick for the X benchmark: the same polling as xbench-poller,
// but written straight on POSIX and Qt Widgets, without a line of the
// program's own code. Where xbench-poller shows what the program costs on top
// of its own exchange, this one shows what the whole of it costs on top of
// the least that any Qt program polling the instrument has to do.
//
// One window, one label, one precise timer. Each tick throws away what waits
// in the input queue, then sends the poll frame a byte at a time and waits up
// to a second for each answer byte; the first missing byte ends the exchange.
//
// Usage: xbench-rawpoller PERIOD_MS   (works on COM1 in the current folder;
//                                      a period of 0 never polls)
#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <array>
#include <cstdint>
#include <cstdio>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace {

constexpr std::array<uint8_t, 4> PollFrame{211, 0, 0, 0};
constexpr int ReplyTimeoutMs = 1000;

int openPort(const char *path)
{
    const int fd = ::open(path, O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        return -1;
    termios line{};
    if (::tcgetattr(fd, &line) != 0) {
        ::close(fd);
        return -1;
    }
    ::cfmakeraw(&line); // 8 data bits, no parity
    line.c_cflag &= ~tcflag_t(CSTOPB | CRTSCTS);
    line.c_cflag |= CLOCAL | CREAD;
    line.c_cc[VMIN] = 0;
    line.c_cc[VTIME] = 0;
    ::cfsetispeed(&line, B9600);
    ::cfsetospeed(&line, B9600);
    if (::tcsetattr(fd, TCSANOW, &line) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// One byte out, one byte back within the time-out.
bool exchangeByte(int fd, uint8_t request, uint8_t &reply)
{
    if (::write(fd, &request, 1) != 1)
        return false;
    pollfd watch{fd, POLLIN, 0};
    if (::poll(&watch, 1, ReplyTimeoutMs) != 1 || !(watch.revents & POLLIN))
        return false;
    return ::read(fd, &reply, 1) == 1;
}

// Returns how many reply bytes came back.
size_t pollOnce(int fd, std::array<uint8_t, 4> &reply)
{
    ::tcflush(fd, TCIFLUSH);
    size_t received = 0;
    while (received < PollFrame.size() && exchangeByte(fd, PollFrame[received], reply[received]))
        ++received;
    return received;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int periodMs = argc > 1 ? QByteArray(argv[1]).toInt() : 0;

    const int fd = openPort("COM1");
    if (fd < 0) {
        std::perror("xbench-rawpoller: COM1");
        return 1;
    }

    QLabel label(QStringLiteral("000 000 000 000"));
    label.setWindowTitle(QStringLiteral("xbench-rawpoller"));
    label.setMinimumWidth(200);
    label.show();

    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, &label, [&] {
        std::array<uint8_t, 4> reply{};
        if (pollOnce(fd, reply) < reply.size())
            return;
        label.setText(QStringLiteral("%1 %2 %3 %4")
                          .arg(reply[0], 3, 10, QLatin1Char('0'))
                          .arg(reply[1], 3, 10, QLatin1Char('0'))
                          .arg(reply[2], 3, 10, QLatin1Char('0'))
                          .arg(reply[3], 3, 10, QLatin1Char('0')));
    });
    if (periodMs > 0)
        timer.start(periodMs);
    const int status = app.exec();
    ::close(fd);
    return status;
}
