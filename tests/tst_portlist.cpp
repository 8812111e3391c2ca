#include "link/portlist.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// A made-up machine: sysfs and /dev in a temporary folder, laid out as the
// kernel lays them out. Each thing is described by one text:
//   usb:NAME:DRIVER:MAKER:PRODUCT:SERIAL  a USB serial adapter (ttyUSB)
//   acm:NAME:MAKER:PRODUCT                a USB modem-class device (ttyACM)
//   uart:NAME:TYPE                        a ttyS port; type 0 is a placeholder
//   byid:LINK:NAME                        a /dev/serial/by-id link
//   nonode:THING                          the thing, but without its /dev node
class FakeMachine
{
public:
    QString sys() const { return m_root.filePath("sys"); }
    QString dev() const { return m_root.filePath("dev"); }

    void add(const QString &thing)
    {
        const QStringList parts = thing.split(u':');
        if (parts[0] == "nonode") {
            addDevice(parts.mid(1), false);
            return;
        }
        addDevice(parts, true);
    }

private:
    void addDevice(const QStringList &parts, bool withNode)
    {
        const QString kind = parts[0];
        const QString name = parts[1];
        if (kind == "byid") {
            mkdir("dev/serial/by-id");
            QVERIFY(QFile::link("../../" + parts[2], path("dev/serial/by-id/" + name)));
            return;
        }
        QString device;
        if (kind == "usb") {
            const QString usb = "sys/devices/usb/" + name;
            attributes(usb, parts[3], parts[4], parts[5]);
            device = usb + "/1-1:1.0/" + name;
            driver(device, "bus/usb-serial/drivers/" + parts[2]);
        } else if (kind == "acm") {
            const QString usb = "sys/devices/usb/" + name;
            attributes(usb, parts[2], parts[3], QString());
            device = usb + "/1-1:1.0";
            driver(device, "bus/usb/drivers/cdc_acm");
        } else if (kind == "uart") {
            // Newer kernels put the generic serial port layer between the
            // port and the device that has the real driver.
            const QString pnp = "sys/devices/pnp0/" + name;
            driver(pnp, "bus/pnp/drivers/serial");
            driver(pnp + "/ctrl", "bus/serial-base/drivers/ctrl");
            device = pnp + "/ctrl/port";
            driver(device, "bus/serial-base/drivers/port");
            write("sys/class/tty/" + name + "/type", parts[2]);
        }
        mkdir("sys/class/tty/" + name);
        QVERIFY(QFile::link(path(device), path("sys/class/tty/" + name + "/device")));
        if (withNode)
            write("dev/" + name, QString());
    }

    void attributes(const QString &usb, const QString &maker, const QString &product,
                    const QString &serial)
    {
        write(usb + "/manufacturer", maker + "\n");
        write(usb + "/product", product + "\n");
        if (!serial.isEmpty())
            write(usb + "/serial", serial + "\n");
    }

    void driver(const QString &device, const QString &driverDir)
    {
        mkdir(device);
        mkdir("sys/" + driverDir);
        QVERIFY(QFile::link(path("sys/" + driverDir), path(device + "/driver")));
    }

    void write(const QString &relative, const QString &text)
    {
        mkdir(QFileInfo(relative).path());
        QFile file(path(relative));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text.toUtf8());
    }

    void mkdir(const QString &relative) { QVERIFY(QDir(m_root.path()).mkpath(relative)); }
    QString path(const QString &relative) const { return m_root.filePath(relative); }

    QTemporaryDir m_root;
};

const QString FtdiById = "usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0";

} // namespace

class tst_PortList : public QObject
{
    Q_OBJECT

private slots:
    void listing_data();
    void listing();
    void text();
    void linksInTheWorkingFolder_data();
    void linksInTheWorkingFolder();
    void realListingNeedsNoDisplay();
    void listPortsLooksInTheWorkingFolder_data();
    void listPortsLooksInTheWorkingFolder();
};

void tst_PortList::listing_data()
{
    QTest::addColumn<QStringList>("things");
    QTest::addColumn<QStringList>("ports"); // path|name|driver, with "dev" for the fake /dev

    QTest::newRow("nothing") << QStringList{} << QStringList{};
    QTest::newRow("adapter by its stable link, listed once")
        << QStringList{"usb:ttyUSB0:ftdi_sio:FTDI:FT232R USB UART:A50285BI",
                       "byid:" + FtdiById + ":ttyUSB0"}
        << QStringList{"dev/serial/by-id/" + FtdiById
                       + "|FTDI FT232R USB UART (A50285BI)|ftdi_sio"};
    QTest::newRow("groups in order, numbers in number order")
        << QStringList{"uart:ttyS0:4", "acm:ttyACM0:Arduino (www.arduino.cc):Uno",
                       "usb:ttyUSB10:cp210x:Silicon Labs:CP2102 USB to UART Bridge Controller:0001",
                       "usb:ttyUSB2:ch341-uart::USB Serial:"}
        << QStringList{
               "dev/ttyUSB2|USB Serial|ch341-uart",
               "dev/ttyUSB10|Silicon Labs CP2102 USB to UART Bridge Controller (0001)|cp210x",
               "dev/ttyACM0|Arduino (www.arduino.cc) Uno|cdc_acm", "dev/ttyS0|ttyS0|serial"};
    QTest::newRow("placeholder ttyS without a UART left out")
        << QStringList{"uart:ttyS0:4", "uart:ttyS1:0", "uart:ttyS2:0"}
        << QStringList{"dev/ttyS0|ttyS0|serial"};
    QTest::newRow("no device node, nothing to open")
        << QStringList{"nonode:usb:ttyUSB0:ftdi_sio:FTDI:FT232R:1", "nonode:uart:ttyS0:4"}
        << QStringList{};
    QTest::newRow("by-id link to a device that has gone")
        << QStringList{"byid:" + FtdiById + ":ttyUSB0"} << QStringList{};
    QTest::newRow("maker already in the product name")
        << QStringList{"usb:ttyUSB0:pl2303:Prolific:Prolific USB-Serial Controller:"}
        << QStringList{"dev/ttyUSB0|Prolific USB-Serial Controller|pl2303"};
}

void tst_PortList::listing()
{
    QFETCH(QStringList, things);
    QFETCH(QStringList, ports);
    FakeMachine machine;
    for (const QString &thing : things)
        machine.add(thing);

    QStringList listed;
    for (const SerialPortInfo &port : listSerialPorts(machine.sys(), machine.dev())) {
        QVERIFY(port.path.startsWith(machine.dev()));
        listed << "dev" + port.path.mid(machine.dev().size()) + "|" + port.name + "|" + port.driver;
    }
    QCOMPARE(listed, ports);
}

void tst_PortList::text()
{
    QCOMPARE(portListText({}), QStringLiteral("Nenalezen žádný sériový port.\n"));
    QCOMPARE(portListText({{"/dev/serial/by-id/usb-x", "FTDI FT232R", "ftdi_sio"},
                           {"/dev/ttyS0", "ttyS0", "serial"}}),
             QStringLiteral("/dev/serial/by-id/usb-x  FTDI FT232R  ftdi_sio\n"
                            "/dev/ttyS0               ttyS0        serial\n"));
}

void tst_PortList::linksInTheWorkingFolder_data()
{
    QTest::addColumn<QStringList>("entries"); // NAME>TARGET a link into the folder, NAME a file
    QTest::addColumn<QString>("text");        // after the /dev port; FOLDER is the folder
    const QString dev = "/dev/ttyS0  ttyS0  serial\n";
    QTest::newRow("none: the /dev list alone") << QStringList{"ZUNOV.INI"} << dev;
    QTest::newRow("the emulator's link") << QStringList{"pts3", "COM3>pts3"}
                                         << dev + "COM3 → FOLDER/pts3 (odkaz v pracovní složce)\n";
    QTest::newRow("numbers in number order")
        << QStringList{"tty", "COM10>tty", "COM2>tty"}
        << dev
               + "COM2 → FOLDER/tty (odkaz v pracovní složce)\n"
                 "COM10 → FOLDER/tty (odkaz v pracovní složce)\n";
    QTest::newRow("a link that leads nowhere")
        << QStringList{"COM1>ttyUSB7"}
        << dev + "COM1 → FOLDER/ttyUSB7 (odkaz v pracovní složce, cíl neexistuje)\n";
    QTest::newRow("a plain file") << QStringList{
        "COM4"} << dev + "COM4 (soubor v pracovní složce, není to odkaz na zařízení)\n";
    QTest::newRow("other names are no ports")
        << QStringList{"tty", "COM>tty", "COM1.bak>tty", "com1>tty", "COMX>tty", "XCOM1>tty"}
        << dev;
}

// What the program opens for port N is in the list, problems and all.
void tst_PortList::linksInTheWorkingFolder()
{
    QFETCH(QStringList, entries);
    QFETCH(QString, text);
    QTemporaryDir folder;
    for (const QString &entry : entries) {
        const QString name = entry.section(u'>', 0, 0);
        if (entry.contains(u'>')) {
            QVERIFY(QFile::link(folder.filePath(entry.section(u'>', 1)), folder.filePath(name)));
        } else {
            QFile file(folder.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
    }
    QCOMPARE(portListText({{"/dev/ttyS0", "ttyS0", "serial"}}, listPortLinks(folder.path())),
             text.replace("FOLDER", folder.path()));
}

// The real machine's ports, whatever they are: the option answers at once,
// on the terminal, without the display the program otherwise needs.
void tst_PortList::realListingNeedsNoDisplay()
{
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(variable);
    program.setProcessEnvironment(environment);
    program.start(ZUNOV_PROGRAM, {"--list-ports"});
    QVERIFY(program.waitForFinished(30000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
    QCOMPARE(QString::fromUtf8(program.readAllStandardOutput()),
             portListText(listSerialPorts(), listPortLinks(QDir::currentPath())));
}

void tst_PortList::listPortsLooksInTheWorkingFolder_data()
{
    QTest::addColumn<QStringList>("arguments"); // FOLDER is the folder with the link
    QTest::addColumn<bool>("startedThere");
    QTest::addColumn<bool>("listed");
    QTest::newRow("the current folder") << QStringList{} << true << true;
    QTest::newRow("--workdir") << QStringList{"--workdir", "FOLDER"} << false << true;
    QTest::newRow("--workdir elsewhere") << QStringList{"--workdir", "FOLDER/new"} << true << false;
}

// zunov --list-ports names the links of the folder the program would work
// in, without making that folder.
void tst_PortList::listPortsLooksInTheWorkingFolder()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, startedThere);
    QFETCH(bool, listed);
    QTemporaryDir folder;
    QVERIFY(QFile::link("/dev/null", folder.filePath("COM7")));
    QProcess program;
    if (startedThere)
        program.setWorkingDirectory(folder.path());
    program.start(ZUNOV_PROGRAM, QStringList{"--list-ports"}
                                     + arguments.replaceInStrings("FOLDER", folder.path()));
    QVERIFY(program.waitForFinished(30000));
    QCOMPARE(program.exitCode(), 0);
    const QString out = QString::fromUtf8(program.readAllStandardOutput());
    QCOMPARE(out.contains("COM7 → /dev/null (odkaz v pracovní složce)\n"), listed);
    QVERIFY(!QFileInfo::exists(folder.filePath("new")));
}

QTEST_GUILESS_MAIN(tst_PortList)
#include "tst_portlist.moc"
