#include "link/portname.h"

#include <QDir>
#include <QFileInfo>

namespace {
constexpr int FirstConventionalPort = 1; // COM1 is /dev/ttyS0
}

QString portName(int number)
{
    return QStringLiteral("COM") + QString::number(number);
}

QString portDevicePath(int number, const QString &workingDirectory)
{
    const QString local = QDir(workingDirectory).filePath(portName(number));
    // A dangling link still names the port the user meant; opening it then
    // fails, which is better than silently falling back to another device.
    const QFileInfo entry(local);
    if (entry.exists() || entry.isSymLink() || number < FirstConventionalPort)
        return local;
    return QStringLiteral("/dev/ttyS") + QString::number(number - FirstConventionalPort);
}

QString chosenDevicePath(const QString &device, int number, const QString &workingDirectory)
{
    return device.isEmpty() ? portDevicePath(number, workingDirectory) : device;
}
