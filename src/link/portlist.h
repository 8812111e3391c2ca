#pragma once

#include <QList>
#include <QString>

// A serial port found on this machine.
struct SerialPortInfo
{
    QString path;   // what to open: /dev/serial/by-id/… or /dev/ttyUSB0
    QString name;   // readable: maker, product and serial number where known
    QString driver; // the kernel driver behind it (ftdi_sio, cdc_acm, serial…)
};

// The serial ports present now: the stable /dev/serial/by-id links first,
// then ttyUSB*, ttyACM* and the ttyS* that have a UART behind them (most ttyS
// nodes are placeholders), each group in number order. A device already
// listed by its by-id link is not listed again by its kernel name. The roots
// are where sysfs and /dev are found.
QList<SerialPortInfo> listSerialPorts(const QString &sysRoot = QStringLiteral("/sys"),
                                      const QString &devRoot = QStringLiteral("/dev"));

// The list as `zunov --list-ports` prints it: one port a line, path, readable
// name and driver in columns; a line that says so when there is none.
QString portListText(const QList<SerialPortInfo> &ports);
