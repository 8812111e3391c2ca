#include "link/portname.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <climits>

class tst_PortName : public QObject
{
    Q_OBJECT

private slots:
    void name_data();
    void name();
    void devicePath_data();
    void devicePath();
};

void tst_PortName::name_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("expected");
    QTest::newRow("first port") << 1 << "COM1";
    QTest::newRow("zero") << 0 << "COM0";
    QTest::newRow("two digits") << 10 << "COM10";
    QTest::newRow("negative") << -3 << "COM-3";
    QTest::newRow("largest int, longer than any fixed buffer") << INT_MAX << "COM2147483647";
    QTest::newRow("smallest int, whose negation overflows") << INT_MIN << "COM-2147483648";
}

void tst_PortName::name()
{
    QFETCH(int, number);
    QFETCH(QString, expected);
    QCOMPARE(portName(number), expected);
}

enum class Entry { None, LinkToDevice, DanglingLink, RegularFile };

void tst_PortName::devicePath_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<Entry>("entry");
    QTest::addColumn<QString>("expected"); // empty: the entry in the working directory

    QTest::newRow("COM1 is the first serial device") << 1 << Entry::None << "/dev/ttyS0";
    QTest::newRow("COM10") << 10 << Entry::None << "/dev/ttyS9";
    QTest::newRow("largest int") << INT_MAX << Entry::None << "/dev/ttyS2147483646";
    QTest::newRow("link in working directory wins") << 1 << Entry::LinkToDevice << "";
    QTest::newRow("dangling link still wins") << 2 << Entry::DanglingLink << "";
    QTest::newRow("plain file still wins") << 3 << Entry::RegularFile << "";
    QTest::newRow("zero has no conventional device") << 0 << Entry::None << "";
    QTest::newRow("negative has none either") << -1 << Entry::None << "";
    QTest::newRow("smallest int") << INT_MIN << Entry::None << "";
}

void tst_PortName::devicePath()
{
    QFETCH(int, number);
    QFETCH(Entry, entry);
    QFETCH(QString, expected);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString local = dir.filePath(portName(number));
    switch (entry) {
    case Entry::None:
        break;
    case Entry::LinkToDevice:
        QVERIFY(QFile::link("/dev/null", local));
        break;
    case Entry::DanglingLink:
        QVERIFY(QFile::link(dir.filePath("unplugged"), local));
        break;
    case Entry::RegularFile: {
        QFile file(local);
        QVERIFY(file.open(QIODevice::WriteOnly));
        break;
    }
    }
    QCOMPARE(portDevicePath(number, dir.path()), expected.isEmpty() ? local : expected);
}

QTEST_GUILESS_MAIN(tst_PortName)
#include "tst_portname.moc"
