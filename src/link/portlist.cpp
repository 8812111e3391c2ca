#include "link/portlist.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>
#include <utility>

namespace {

// Kernel names of serial ports, in the order they are listed.
const QStringList KernelPatterns{QStringLiteral("ttyUSB*"), QStringLiteral("ttyACM*"),
                                 QStringLiteral("ttyS*")};
// How far up from a port's device the USB device with its names may be.
constexpr int MostLevelsUp = 3;
// Sysfs attributes are tiny; this only guards against reading a runaway file.
constexpr qint64 MostAttributeBytes = 256;
// Drivers of the kernel's generic serial port layer, which name no hardware.
const QString GenericSerialBus = QStringLiteral("/bus/serial-base/");

QString attribute(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.read(MostAttributeBytes)).trimmed();
}

// A ttyS node has a UART behind it only when its port type is known (0 is
// "unknown", what the placeholders report).
bool isRealUart(const QDir &ttyClass)
{
    const QString type = attribute(ttyClass.filePath(QStringLiteral("type")));
    return !type.isEmpty() && type != QLatin1String("0");
}

// Directories from the port's device up towards the root of the device tree.
QStringList deviceAncestors(const QDir &ttyClass)
{
    QString device = QFileInfo(ttyClass.filePath(QStringLiteral("device"))).canonicalFilePath();
    QStringList levels;
    for (int level = 0; level <= MostLevelsUp && !device.isEmpty(); ++level) {
        levels << device;
        device = QFileInfo(device).path();
    }
    return levels;
}

QString driverOf(const QStringList &levels)
{
    for (const QString &level : levels) {
        const QFileInfo driver(QDir(level).filePath(QStringLiteral("driver")));
        const QString target = driver.symLinkTarget();
        if (!target.isEmpty() && !target.contains(GenericSerialBus))
            return QFileInfo(target).fileName();
    }
    return {};
}

// "FTDI FT232R USB UART (A50285BI)" from the USB device's attributes.
QString readableName(const QStringList &levels, const QString &kernelName)
{
    for (const QString &level : levels) {
        const QDir device(level);
        const QString product = attribute(device.filePath(QStringLiteral("product")));
        if (product.isEmpty())
            continue;
        const QString maker = attribute(device.filePath(QStringLiteral("manufacturer")));
        const QString serial = attribute(device.filePath(QStringLiteral("serial")));
        QString name =
            maker.isEmpty() || product.startsWith(maker) ? product : maker + u' ' + product;
        if (!serial.isEmpty())
            name += QStringLiteral(" (%1)").arg(serial);
        return name;
    }
    return kernelName;
}

// ttyUSB2 before ttyUSB10. (QCollator's numeric mode does nothing under the
// C locale.)
QStringList inNumberOrder(QStringList names)
{
    const auto split = [](const QString &name) {
        qsizetype digits = name.size();
        while (digits > 0 && name.at(digits - 1).isDigit())
            --digits;
        return std::pair{name.left(digits), name.mid(digits).toULongLong()};
    };
    std::sort(names.begin(), names.end(),
              [&](const QString &a, const QString &b) { return split(a) < split(b); });
    return names;
}

QString portLinkLine(const PortLinkInfo &link)
{
    switch (link.kind) {
    case PortLinkInfo::Kind::Link:
        return QCoreApplication::translate("PortList", "%1 → %2 (odkaz v pracovní složce)")
            .arg(link.name, link.target);
    case PortLinkInfo::Kind::Dangling:
        return QCoreApplication::translate("PortList",
                                           "%1 → %2 (odkaz v pracovní složce, cíl neexistuje)")
            .arg(link.name, link.target);
    case PortLinkInfo::Kind::NotLink:
        break;
    }
    return QCoreApplication::translate("PortList",
                                       "%1 (soubor v pracovní složce, není to odkaz na zařízení)")
        .arg(link.name);
}

class PortFinder
{
public:
    PortFinder(const QString &sysRoot, const QString &devRoot)
        : m_ttyClass(QDir(sysRoot).filePath(QStringLiteral("class/tty")))
        , m_dev(devRoot)
    {}

    // The port of that kernel name, or one with an empty path when there is
    // no such serial port.
    SerialPortInfo port(const QString &kernelName, const QString &path) const
    {
        const QDir ttyClass(m_ttyClass.filePath(kernelName));
        if (!ttyClass.exists() || !QFileInfo::exists(m_dev.filePath(kernelName)))
            return {};
        if (kernelName.startsWith(QLatin1String("ttyS")) && !isRealUart(ttyClass))
            return {};
        const QStringList levels = deviceAncestors(ttyClass);
        return {path, readableName(levels, kernelName), driverOf(levels)};
    }

    QList<SerialPortInfo> byId(QStringList &listedKernelNames) const
    {
        const QDir byIdDir(m_dev.filePath(QStringLiteral("serial/by-id")));
        QList<SerialPortInfo> ports;
        for (const QString &link : inNumberOrder(byIdDir.entryList(QDir::System | QDir::Files))) {
            const QString path = byIdDir.filePath(link);
            const QString kernelName = QFileInfo(QFileInfo(path).symLinkTarget()).fileName();
            const SerialPortInfo found = port(kernelName, path);
            if (found.path.isEmpty())
                continue;
            ports << found;
            listedKernelNames << kernelName;
        }
        return ports;
    }

    QList<SerialPortInfo> byKernelName(const QStringList &alreadyListed) const
    {
        QList<SerialPortInfo> ports;
        for (const QString &pattern : KernelPatterns) {
            const QStringList names = m_ttyClass.entryList(
                {pattern}, QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
            for (const QString &name : inNumberOrder(names)) {
                if (alreadyListed.contains(name))
                    continue;
                const SerialPortInfo found = port(name, m_dev.filePath(name));
                if (!found.path.isEmpty())
                    ports << found;
            }
        }
        return ports;
    }

private:
    QDir m_ttyClass;
    QDir m_dev;
};

} // namespace

QList<SerialPortInfo> listSerialPorts(const QString &sysRoot, const QString &devRoot)
{
    const PortFinder finder(sysRoot, devRoot);
    QStringList listed;
    QList<SerialPortInfo> ports = finder.byId(listed);
    ports += finder.byKernelName(listed);
    return ports;
}

QList<PortLinkInfo> listPortLinks(const QString &folder)
{
    static const QRegularExpression portName(QStringLiteral("^COM[0-9]+$"));
    const QDir dir(folder);
    QList<PortLinkInfo> links;
    // System: a dangling link is listed only with it.
    const QStringList names =
        dir.entryList({QStringLiteral("COM*")}, QDir::AllEntries | QDir::System);
    for (const QString &name : inNumberOrder(names)) {
        if (!portName.match(name).hasMatch())
            continue;
        const QFileInfo entry(dir.filePath(name));
        if (!entry.isSymLink())
            links << PortLinkInfo{name, QString(), PortLinkInfo::Kind::NotLink};
        else
            links << PortLinkInfo{name, entry.symLinkTarget(),
                                  entry.exists() ? PortLinkInfo::Kind::Link
                                                 : PortLinkInfo::Kind::Dangling};
    }
    return links;
}

QString portListText(const QList<SerialPortInfo> &ports, const QList<PortLinkInfo> &links)
{
    if (ports.isEmpty() && links.isEmpty())
        return QCoreApplication::translate("PortList", "Nenalezen žádný sériový port.\n");
    qsizetype pathWidth = 0;
    qsizetype nameWidth = 0;
    for (const SerialPortInfo &port : ports) {
        pathWidth = std::max(pathWidth, port.path.size());
        nameWidth = std::max(nameWidth, port.name.size());
    }
    QString text;
    for (const SerialPortInfo &port : ports) {
        const QString line = port.path.leftJustified(pathWidth) + QStringLiteral("  ")
                             + port.name.leftJustified(nameWidth) + QStringLiteral("  ")
                             + port.driver;
        // No blanks at the end of a line where the last columns are empty.
        qsizetype end = line.size();
        while (end > 0 && line.at(end - 1) == u' ')
            --end;
        text += line.left(end) + u'\n';
    }
    for (const PortLinkInfo &link : links)
        text += portLinkLine(link) + u'\n';
    return text;
}
