#include "platform/serialdevice.h"
#include "support/ptypair.h"

#include <QtTest>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace {

// Local modes of a terminal in ordinary use: line editing, echo, signals.
constexpr tcflag_t kCookedModes = ICANON | ECHO | ISIG;

} // namespace

// The serial device on a real pseudo-terminal.
class tst_SerialDevice : public QObject
{
    Q_OBJECT

private slots:
    void terminalSettingsComeBackAtClose();
};

void tst_SerialDevice::terminalSettingsComeBackAtClose()
{
    PtyPair pty;
    QVERIFY(pty.isValid());
    // Someone else's terminal, in its usual cooked mode.
    const int user = ::open(QFile::encodeName(pty.slavePath()).constData(), O_RDWR | O_NOCTTY);
    QVERIFY(user >= 0);
    const auto closeUser = qScopeGuard([user] { ::close(user); });
    termios cooked{};
    QCOMPARE(::tcgetattr(user, &cooked), 0);
    cooked.c_lflag |= kCookedModes;
    QCOMPARE(::tcsetattr(user, TCSANOW, &cooked), 0);

    SerialDevice device;
    QVERIFY(device.open(pty.slavePath()));
    termios seen{};
    QCOMPARE(::tcgetattr(user, &seen), 0);
    QCOMPARE(seen.c_lflag & kCookedModes, tcflag_t(0));

    device.close();
    QCOMPARE(::tcgetattr(user, &seen), 0);
    QCOMPARE(seen.c_lflag & kCookedModes, kCookedModes);
    QCOMPARE(seen.c_iflag, cooked.c_iflag);
    QCOMPARE(seen.c_oflag, cooked.c_oflag);
}

QTEST_GUILESS_MAIN(tst_SerialDevice)
#include "tst_serialdevice.moc"
