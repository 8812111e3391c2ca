#include "platform/portholder.h"

#include <QTemporaryDir>
#include <QtTest>
#include <sys/file.h>
#include <sys/sysmacros.h>
#include <unistd.h>

// Who holds a lock on a device, from the kernel's lock table.
class tst_PortHolder : public QObject
{
    Q_OBJECT

private slots:
    void lockTable_data();
    void lockTable();
    void realLockIsFound();
};

void tst_PortHolder::lockTable_data()
{
    QTest::addColumn<QByteArray>("locks");
    QTest::addColumn<qint64>("pid"); // 0: none

    // The file asked for is on file system 00:1a (major 0, minor 26), inode 7.
    QTest::newRow("flock of the device")
        << QByteArray("1: FLOCK  ADVISORY  WRITE 812 00:1a:7 0 EOF\n") << qint64(812);
    QTest::newRow("among other locks")
        << QByteArray("1: POSIX  ADVISORY  WRITE 5 fe:00:7 0 EOF\n"
                      "2: FLOCK  ADVISORY  WRITE 6 00:1a:70 0 EOF\n"
                      "3: FLOCK  ADVISORY  WRITE 913 00:1a:7 0 EOF\n")
        << qint64(913);
    QTest::newRow("a waiter holds nothing")
        << QByteArray("1: FLOCK  ADVISORY  WRITE 20 00:1b:7 0 EOF\n"
                      "1: -> FLOCK  ADVISORY  WRITE 21 00:1a:7 0 EOF\n")
        << qint64(0);
    QTest::newRow("open file description lock has no pid")
        << QByteArray("1: OFDLCK ADVISORY  WRITE -1 00:1a:7 0 EOF\n") << qint64(0);
    QTest::newRow("empty table") << QByteArray() << qint64(0);
    QTest::newRow("garbage") << QByteArray("x y\n\n: : : : : 00:1a:7\n") << qint64(0);
}

void tst_PortHolder::lockTable()
{
    QFETCH(QByteArray, locks);
    QFETCH(qint64, pid);
    const auto found = lockHolderPid(locks, makedev(0, 0x1a), 7);
    QCOMPARE(found.value_or(0), pid);
}

void tst_PortHolder::realLockIsFound()
{
    QTemporaryDir dir;
    QFile file(dir.filePath("port"));
    QVERIFY(file.open(QIODevice::ReadWrite));
    QCOMPARE(::flock(file.handle(), LOCK_EX | LOCK_NB), 0);
    const auto holder = findPortHolder(file.fileName());
    QVERIFY(holder);
    QCOMPARE(holder->pid, qint64(::getpid()));
    QCOMPARE(holder->name, QStringLiteral("tst_portholder"));
    QVERIFY(!holder->isZunov());
    QVERIFY(!findPortHolder(dir.path()));
}

QTEST_GUILESS_MAIN(tst_PortHolder)
#include "tst_portholder.moc"
