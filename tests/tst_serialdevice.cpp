#include "platform/serialdevice.h"
#include "support/ptypair.h"

#include <QTemporaryDir>
#include <QtTest>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

namespace {

// Local modes of a terminal in ordinary use: line editing, echo, signals.
constexpr tcflag_t kCookedModes = ICANON | ECHO | ISIG;

} // namespace

// The serial device on a real pseudo-terminal: what it leaves behind, and
// why it says an open failed.
class tst_SerialDevice : public QObject
{
    Q_OBJECT

private slots:
    void terminalSettingsComeBackAtClose();
    void openErrorSaysWhy_data();
    void openErrorSaysWhy();
    void permissionDenied();
    void emulatorTerminalIsRecognised();
    void hangUpNoticedWhileIdle();
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

enum class Target { Missing, Directory, RegularFile, NotATerminal, HeldByAnother, Terminal };

void tst_SerialDevice::openErrorSaysWhy_data()
{
    QTest::addColumn<Target>("target");
    QTest::addColumn<int>("error");
    QTest::newRow("no such path") << Target::Missing << ENOENT;
    QTest::newRow("directory") << Target::Directory << EISDIR;
    QTest::newRow("regular file") << Target::RegularFile << ENOTTY;
    QTest::newRow("device that is no terminal") << Target::NotATerminal << ENOTTY;
    QTest::newRow("port held by another") << Target::HeldByAnother << EBUSY;
    QTest::newRow("free terminal opens") << Target::Terminal << 0;
}

void tst_SerialDevice::openErrorSaysWhy()
{
    QFETCH(Target, target);
    QTemporaryDir dir;
    PtyPair pty;
    SerialDevice holder;
    QString path;
    switch (target) {
    case Target::Missing:
        path = dir.filePath("unplugged");
        break;
    case Target::Directory:
        path = dir.path();
        break;
    case Target::RegularFile: {
        path = dir.filePath("file");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        break;
    }
    case Target::NotATerminal:
        path = QStringLiteral("/dev/null");
        break;
    case Target::HeldByAnother:
        path = pty.slavePath();
        QVERIFY(holder.open(path));
        break;
    case Target::Terminal:
        path = pty.slavePath();
        break;
    }
    SerialDevice device;
    QFETCH(int, error);
    QCOMPARE(device.open(path), error == 0);
    QCOMPARE(device.openError(), error);
}

// As root the permission bits do not stop an open, so the attempt runs in a
// child that has given up root; otherwise the terminal's bits are taken away.
void tst_SerialDevice::permissionDenied()
{
    PtyPair pty;
    QVERIFY(pty.isValid());
    const QByteArray path = QFile::encodeName(pty.slavePath());
    QCOMPARE(::chmod(path.constData(), 0), 0);
    if (::geteuid() != 0) {
        SerialDevice device;
        QVERIFY(!device.open(pty.slavePath()));
        QCOMPARE(device.openError(), EACCES);
        return;
    }
    constexpr uid_t kNobody = 65534;
    const pid_t child = ::fork();
    QVERIFY(child >= 0);
    if (child == 0) {
        if (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)
            ::_exit(255);
        SerialDevice device;
        ::_exit(device.open(pty.slavePath()) ? 0 : device.openError());
    }
    int status = 0;
    QCOMPARE(::waitpid(child, &status, 0), child);
    QVERIFY(WIFEXITED(status));
    QCOMPARE(WEXITSTATUS(status), EACCES);
}

void tst_SerialDevice::emulatorTerminalIsRecognised()
{
    PtyPair emulated;
    SerialDevice device;
    QVERIFY(device.open(emulated.slavePath()));
    QVERIFY(device.isEmulatorTerminal());

    // A terminal of anybody else's does not carry the mark.
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    QVERIFY(master >= 0);
    const auto closeMaster = qScopeGuard([master] { ::close(master); });
    QCOMPARE(::grantpt(master), 0);
    QCOMPARE(::unlockpt(master), 0);
    QVERIFY(device.open(QString::fromLocal8Bit(::ptsname(master))));
    QVERIFY(!device.isEmulatorTerminal());
}

void tst_SerialDevice::hangUpNoticedWhileIdle()
{
    PtyPair pty;
    SerialDevice device;
    QVERIFY(device.open(pty.slavePath()));
    device.checkLine();
    QVERIFY(device.isOpen());
    QVERIFY(!device.wasLost());

    pty.hangUp();
    device.checkLine();
    QVERIFY(!device.isOpen());
    QVERIFY(device.wasLost());
    // A failed attempt to open it again does not make it less lost.
    QVERIFY(!device.open(pty.slavePath()));
    QVERIFY(device.wasLost());
}

QTEST_GUILESS_MAIN(tst_SerialDevice)
#include "tst_serialdevice.moc"
