#pragma once

#include <QString>

// "COM" followed by the number in decimal, for any int.
QString portName(int number);

// Where the port of that number is found on this system. An entry named like
// the port in the working directory wins (normally a symbolic link to the real
// device, e.g. `ln -s /dev/ttyUSB0 COM1`, which is also how the instrument
// emulator presents itself); otherwise COM1 is /dev/ttyS0, COM2 /dev/ttyS1 and
// so on. Numbers below 1 have no conventional device and give the path in the
// working directory, which then does not exist. This is the one place that
// knows the mapping; a Windows build would return the native COM name here.
QString portDevicePath(int number, const QString &workingDirectory);

// The device the program opens: the configured device path when there is one
// (a by-id link, /dev/ttyUSB0…), otherwise the port of that number as above.
QString chosenDevicePath(const QString &device, int number, const QString &workingDirectory);
