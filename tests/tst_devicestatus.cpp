#include "link/devicestatus.h"

#include <QtTest>
#include <cerrno>

// The main window's device panel: the port's short name in the panel, where
// it leads and how it stands in the tooltip.
class tst_DeviceStatus : public QObject
{
    Q_OBJECT

private slots:
    void view_data();
    void view();
};

void tst_DeviceStatus::view_data()
{
    QTest::addColumn<DeviceStatus>("status");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("toolTip");

    QTest::newRow("emulator linked as COM1")
        << DeviceStatus{"/home/u/run/COM1", "/dev/pts/3", PortState::Open, 0, true}
        << "COM1 (emulátor)"
        << "Zařízení: /home/u/run/COM1 → /dev/pts/3\nEmulátor přístroje (zunov-sim)\n"
           "Stav: otevřeno";
    QTest::newRow("by-id link shows the device it leads to")
        << DeviceStatus{"/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0",
                        "/dev/ttyUSB0", PortState::Open, 0, false}
        << "ttyUSB0"
        << "Zařízení: /dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0 → "
           "/dev/ttyUSB0\nStav: otevřeno";
    QTest::newRow("lost emulator")
        << DeviceStatus{"/run/COM1", QString(), PortState::Lost, ENOENT, true} << "COM1 (emulátor)"
        << "Zařízení: /run/COM1\nEmulátor přístroje (zunov-sim)\n"
           "Stav: zařízení zmizelo, zkouším ho znovu otevřít";
    QTest::newRow("cannot be opened")
        << DeviceStatus{"/dev/ttyS0", "/dev/ttyS0", PortState::NotOpen, EACCES, false} << "ttyS0"
        << "Zařízení: /dev/ttyS0\nStav: nelze otevřít, chybí oprávnění ke čtení a zápisu";
    QTest::newRow("by-id link that leads nowhere keeps its own name")
        << DeviceStatus{"/dev/serial/by-id/usb-x-port0", QString(), PortState::NotOpen, ENOENT,
                        false}
        << "usb-x-port0"
        << "Zařízení: /dev/serial/by-id/usb-x-port0\nStav: nelze otevřít, zařízení neexistuje";
}

void tst_DeviceStatus::view()
{
    QFETCH(DeviceStatus, status);
    const DeviceView view = deviceView(status);
    QTEST(view.text, "text");
    QTEST(view.toolTip, "toolTip");
}

QTEST_GUILESS_MAIN(tst_DeviceStatus)
#include "tst_devicestatus.moc"
