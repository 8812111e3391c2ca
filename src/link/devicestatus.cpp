#include "link/devicestatus.h"

#include "link/openfailure.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

// The stable links under /dev/serial have long names made for uniqueness; the
// device they lead to says more in a narrow panel. Other devices go by their
// name under /dev (ttyUSB0, pts/3), anything else by its file name (COM1).
QString shortName(const DeviceStatus &status)
{
    const QString dev = QStringLiteral("/dev/");
    QString path = status.path;
    if (path.startsWith(dev + QLatin1String("serial/"))) {
        if (status.resolvedPath.isEmpty())
            return QFileInfo(path).fileName();
        path = status.resolvedPath;
    }
    return path.startsWith(dev) ? path.mid(dev.size()) : QFileInfo(path).fileName();
}

QString stateLine(const DeviceStatus &status)
{
    switch (status.state) {
    case PortState::Open:
        return QCoreApplication::translate("DeviceStatus", "Stav: otevřeno");
    case PortState::Lost:
        return QCoreApplication::translate("DeviceStatus",
                                           "Stav: zařízení zmizelo, zkouším ho znovu otevřít");
    case PortState::NotOpen:
        break;
    }
    return QCoreApplication::translate("DeviceStatus", "Stav: nelze otevřít, %1")
        .arg(openFailureReason(status.openError));
}

} // namespace

QString deviceLine(const DeviceStatus &status)
{
    const bool leadsElsewhere =
        !status.resolvedPath.isEmpty() && status.resolvedPath != status.path;
    return leadsElsewhere
               ? QCoreApplication::translate("DeviceStatus", "Zařízení: %1 → %2")
                     .arg(status.path, status.resolvedPath)
               : QCoreApplication::translate("DeviceStatus", "Zařízení: %1").arg(status.path);
}

DeviceView deviceView(const DeviceStatus &status)
{
    QStringList lines{deviceLine(status)};
    if (status.emulator)
        lines << QCoreApplication::translate("DeviceStatus", "Emulátor přístroje (zunov-sim)");
    lines << stateLine(status);
    const QString name =
        status.emulator
            ? QCoreApplication::translate("DeviceStatus", "%1 (emulátor)").arg(shortName(status))
            : shortName(status);
    return {name, lines.join(u'\n')};
}
