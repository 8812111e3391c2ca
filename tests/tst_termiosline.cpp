#include "platform/termiosline.h"

#include <QtTest>
#include <cstring>

// A pseudo-terminal forces 8 data bits and no parity, so these mappings are
// checked on a plain termios record instead.
class tst_TermiosLine : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip_data();
    void roundTrip();
    void rejected_data();
    void rejected();
    void otherFlagsSurvive();
};

Q_DECLARE_METATYPE(SerialParity)
Q_DECLARE_METATYPE(SerialStopBits)

void tst_TermiosLine::roundTrip_data()
{
    QTest::addColumn<uint>("baudRate");
    QTest::addColumn<int>("dataBits");
    QTest::addColumn<SerialParity>("parity");
    QTest::addColumn<SerialStopBits>("stopBits");
    QTest::addColumn<uint>("cflagBits"); // parity and stop bits set in c_cflag
    QTest::addColumn<SerialStopBits>("readBack");

    const SerialStopBits one = SerialStopBits::One;
    const SerialStopBits two = SerialStopBits::Two;
    QTest::newRow("9600 8N1") << 9600u << 8 << SerialParity::None << one << 0u << one;
    QTest::newRow("odd") << 9600u << 8 << SerialParity::Odd << one << uint(PARENB | PARODD) << one;
    QTest::newRow("even") << 9600u << 7 << SerialParity::Even << one << uint(PARENB) << one;
    QTest::newRow("mark") << 1200u << 8 << SerialParity::Mark << one
                          << uint(PARENB | PARODD | CMSPAR) << one;
    QTest::newRow("space") << 1200u << 8 << SerialParity::Space << one << uint(PARENB | CMSPAR)
                           << one;
    QTest::newRow("two stop bits")
        << 115200u << 5 << SerialParity::None << two << uint(CSTOPB) << two;
    QTest::newRow("one and a half becomes two")
        << 4000000u << 6 << SerialParity::None << SerialStopBits::OneAndHalf << uint(CSTOPB) << two;
}

void tst_TermiosLine::roundTrip()
{
    QFETCH(uint, baudRate);
    QFETCH(int, dataBits);
    QFETCH(SerialParity, parity);
    QFETCH(SerialStopBits, stopBits);
    QFETCH(uint, cflagBits);
    QFETCH(SerialStopBits, readBack);

    termios settings{};
    const SerialLineParameters wanted{baudRate, uint8_t(dataBits), parity, stopBits};
    QVERIFY(applyLineParameters(wanted, settings));
    QCOMPARE(uint(settings.c_cflag & (PARENB | PARODD | CMSPAR | CSTOPB)), cflagBits);

    const SerialLineParameters got = lineParametersOf(settings);
    QCOMPARE(got.baudRate, baudRate);
    QCOMPARE(int(got.dataBits), dataBits);
    QCOMPARE(got.parity, parity);
    QCOMPARE(got.stopBits, readBack);
}

void tst_TermiosLine::rejected_data()
{
    QTest::addColumn<uint>("baudRate");
    QTest::addColumn<int>("dataBits");
    QTest::newRow("speed outside the table") << 12345u << 8;
    QTest::newRow("zero speed (hang up)") << 0u << 8;
    QTest::newRow("4 data bits") << 9600u << 4;
    QTest::newRow("9 data bits") << 9600u << 9;
}

void tst_TermiosLine::rejected()
{
    QFETCH(uint, baudRate);
    QFETCH(int, dataBits);
    termios settings{};
    ::cfsetospeed(&settings, B19200);
    settings.c_cflag |= CS8 | PARENB;
    const termios before = settings;
    QVERIFY(!applyLineParameters(
        {baudRate, uint8_t(dataBits), SerialParity::Odd, SerialStopBits::Two}, settings));
    QCOMPARE(memcmp(&before, &settings, sizeof settings), 0);
}

void tst_TermiosLine::otherFlagsSurvive()
{
    termios settings{};
    settings.c_cflag = CRTSCTS | CLOCAL | CREAD | HUPCL | CS7 | PARENB | CSTOPB;
    settings.c_iflag = IXON | IXOFF;
    QVERIFY(applyLineParameters({9600, 8, SerialParity::None, SerialStopBits::One}, settings));
    QCOMPARE(uint(settings.c_cflag & (CRTSCTS | CLOCAL | CREAD | HUPCL)),
             uint(CRTSCTS | CLOCAL | CREAD | HUPCL));
    QCOMPARE(uint(settings.c_cflag & (CSIZE | PARENB | CSTOPB)), uint(CS8));
    QCOMPARE(uint(settings.c_iflag), uint(IXON | IXOFF));
}

QTEST_GUILESS_MAIN(tst_TermiosLine)
#include "tst_termiosline.moc"
