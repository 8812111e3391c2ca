#include "pseudoterminal.h"

#include <array>
#include <cerrno>
#include <fcntl.h>
#include <stdlib.h>
#include <sys/ioctl.h>
#include <system_error>
#include <termios.h>
#include <unistd.h>

namespace zunovsim {

namespace {
[[noreturn]] void fail(const char *what)
{
    throw std::system_error(errno, std::generic_category(), what);
}

void makeRaw(int fd, const char *what)
{
    termios settings{};
    if (tcgetattr(fd, &settings) != 0)
        fail(what);
    cfmakeraw(&settings);
    cfsetispeed(&settings, B9600);
    cfsetospeed(&settings, B9600);
    if (tcsetattr(fd, TCSANOW, &settings) != 0)
        fail(what);
}

// ZUNOV tells its emulator from a real port by this window size, which no real
// terminal has: no rows or columns, "ZU" by "SM" pixels (the program's
// serialdevice.cpp looks for it).
void markAsEmulator(int fd)
{
    constexpr unsigned short MarkWidth = 0x5A55;
    constexpr unsigned short MarkHeight = 0x534D;
    const winsize mark{0, 0, MarkWidth, MarkHeight};
    if (ioctl(fd, TIOCSWINSZ, &mark) != 0)
        fail("marking the terminal");
}

void closeFd(int &fd)
{
    if (fd >= 0)
        ::close(fd);
    fd = -1;
}
} // namespace

PseudoTerminal::PseudoTerminal()
{
    m_master = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (m_master < 0)
        fail("posix_openpt");
    try {
        makeRaw(m_master, "raw mode on the master");
        if (grantpt(m_master) != 0 || unlockpt(m_master) != 0)
            fail("unlocking the slave");
        std::array<char, 128> name{};
        if (ptsname_r(m_master, name.data(), name.size()) != 0)
            fail("ptsname");
        m_slavePath = name.data();
        m_slave = ::open(m_slavePath.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
        if (m_slave < 0)
            fail("opening the slave");
        makeRaw(m_slave, "raw mode on the slave");
        markAsEmulator(m_master);
    } catch (...) {
        closeFd(m_slave);
        closeFd(m_master);
        throw;
    }
}

PseudoTerminal::~PseudoTerminal()
{
    m_link.remove();
    hangUp();
}

void PseudoTerminal::hangUp()
{
    closeFd(m_slave);
    closeFd(m_master);
    // The link goes with the line, as an unplugged adapter's device node
    // does: left behind, it would lead whoever opens it next to whatever
    // terminal is given the freed number, perhaps someone's shell.
    m_link.remove();
}

void PseudoTerminal::createLink(const std::string &dirPath, const std::string &name)
{
    m_link.create(dirPath, name, m_slavePath);
}

} // namespace zunovsim
