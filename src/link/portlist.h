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

// A COM<N> entry of a working folder, which the program opens for port N
// instead of /dev/ttyS<N-1>: normally a link to the device (the emulator's,
// or a user's `ln -s /dev/ttyUSB0 COM1`).
struct PortLinkInfo
{
    enum class Kind { Link, Dangling, NotLink };

    QString name;   // COM1
    QString target; // where the link leads; empty for an entry that is no link
    Kind kind = Kind::Link;
};

// The COM<N> entries of the folder in number order, whatever they are: a
// dangling link or a plain file still stands for its port, and opening it
// fails, so the list shows them with what is wrong.
QList<PortLinkInfo> listPortLinks(const QString &folder);

// The list as `zunov --list-ports` prints it: one port a line, path, readable
// name and driver in columns, then a line for each COM<N> entry of the
// working folder; a line that says so when there is nothing at all.
QString portListText(const QList<SerialPortInfo> &ports, const QList<PortLinkInfo> &links = {});
