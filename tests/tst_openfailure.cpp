#include "link/openfailure.h"

#include <QtTest>
#include <cerrno>
#include <cstring>

// What the user is told when the device cannot be opened, by the errno the
// open ended with.
class tst_OpenFailure : public QObject
{
    Q_OBJECT

private slots:
    void causes_data();
    void causes();
    void busyPortNamesItsHolder_data();
    void busyPortNamesItsHolder();
};

void tst_OpenFailure::causes_data()
{
    QTest::addColumn<int>("error");
    QTest::addColumn<OpenFailure>("failure");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<QString>("remedy");

    const QString missing = QStringLiteral("zařízení neexistuje");
    const QString plugIn = QStringLiteral("Je převodník připojený?");
    QTest::newRow("no such path") << ENOENT << OpenFailure::Missing << missing << plugIn;
    QTest::newRow("device node without a device")
        << ENXIO << OpenFailure::Missing << missing << plugIn;
    QTest::newRow("ENODEV") << ENODEV << OpenFailure::Missing << missing << plugIn;
    QTest::newRow("ttyS without a UART") << EIO << OpenFailure::Missing << missing << plugIn;
    QTest::newRow("link loop") << ELOOP << OpenFailure::Missing << missing << plugIn;
    QTest::newRow("permission denied")
        << EACCES << OpenFailure::NoPermission
        << QStringLiteral("chybí oprávnění ke čtení a zápisu")
        << QStringLiteral("skupiny dialout (sudo usermod -aG dialout $USER) a znovu se přihlaste");
    QTest::newRow("operation not permitted")
        << EPERM << OpenFailure::NoPermission << QStringLiteral("chybí oprávnění") << "dialout";
    QTest::newRow("exclusive flag of another holder")
        << EBUSY << OpenFailure::Busy << QStringLiteral("port používá jiný program")
        << QStringLiteral("Ukončete ho");
    QTest::newRow("lock of another holder")
        << EWOULDBLOCK << OpenFailure::Busy << QStringLiteral("port používá jiný program")
        << "Ukončete";
    QTest::newRow("regular file") << ENOTTY << OpenFailure::NotSerial
                                  << QStringLiteral("není to sériové zařízení")
                                  << QStringLiteral("zvolte sériový port");
    QTest::newRow("directory") << EISDIR << OpenFailure::NotSerial
                               << QStringLiteral("není to sériové zařízení") << "sériový port";
    QTest::newRow("a cause with a text of our own")
        << EMFILE << OpenFailure::Other
        << QStringLiteral("program má otevřeno příliš mnoho souborů")
        << QStringLiteral("zkuste to znovu");
    QTest::newRow("anything else gives the system's text")
        << EPROTO << OpenFailure::Other << QString::fromLocal8Bit(std::strerror(EPROTO))
        << QStringLiteral("zkuste to znovu");
}

void tst_OpenFailure::causes()
{
    QFETCH(int, error);
    QFETCH(QString, reason);
    QFETCH(QString, remedy);
    QTEST(openFailureOf(error), "failure");
    QVERIFY(openFailureReason(error).startsWith(reason));

    const QString message = cannotOpenMessage(QStringLiteral("/dev/ttyUSB0"), error);
    QVERIFY2(message.startsWith(QStringLiteral("Zařízení /dev/ttyUSB0 nelze otevřít: ") + reason),
             qPrintable(message));
    QVERIFY2(message.contains(remedy), qPrintable(message));
}

void tst_OpenFailure::busyPortNamesItsHolder_data()
{
    QTest::addColumn<QString>("holderName");
    QTest::addColumn<QString>("expected");
    QTest::newRow("another ZUNOV")
        << "zunov"
        << "Zařízení COM1 nelze otevřít: port už používá jiný spuštěný ZUNOV (PID 4321).\n"
           "Ukončete ho, nebo v okně Nastavení zvolte jiný port.";
    QTest::newRow("another program")
        << "minicom"
        << "Zařízení COM1 nelze otevřít: port používá program minicom (PID 4321).\n"
           "Ukončete ho a zkuste to znovu.";
}

void tst_OpenFailure::busyPortNamesItsHolder()
{
    QFETCH(QString, holderName);
    QFETCH(QString, expected);
    QCOMPARE(cannotOpenMessage(QStringLiteral("COM1"), EBUSY, PortHolder{4321, holderName}),
             expected);
}

QTEST_GUILESS_MAIN(tst_OpenFailure)
#include "tst_openfailure.moc"
