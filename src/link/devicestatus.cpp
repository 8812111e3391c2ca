#include "link/devicestatus.h"

#include "link/openfailure.h"

#include <QFileInfo>

namespace {

const QString kEmulatorMark = QStringLiteral(" (emulátor)");
const QString kEmulatorLine = QStringLiteral("Emulátor přístroje (zunov-sim)");

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
        return QStringLiteral("Stav: otevřeno");
    case PortState::Lost:
        return QStringLiteral("Stav: zařízení zmizelo, zkouším ho znovu otevřít");
    case PortState::NotOpen:
        break;
    }
    return QStringLiteral("Stav: nelze otevřít, %1").arg(openFailureReason(status.openError));
}

} // namespace

DeviceView deviceView(const DeviceStatus &status)
{
    QStringList lines{QStringLiteral("Zařízení: ") + status.path};
    if (!status.resolvedPath.isEmpty() && status.resolvedPath != status.path)
        lines.last() += QStringLiteral(" → ") + status.resolvedPath;
    if (status.emulator)
        lines << kEmulatorLine;
    lines << stateLine(status);
    return {shortName(status) + (status.emulator ? kEmulatorMark : QString()), lines.join(u'\n')};
}
