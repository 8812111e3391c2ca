#include "link/openfailure.h"

#include "platform/errorcause.h"
#include "platform/portholder.h"

#include <QCoreApplication>
#include <cerrno>

OpenFailure openFailureOf(int error)
{
    switch (error) {
    case 0:
        return OpenFailure::None;
    // A ttyS node without a UART behind it answers EIO: nothing is there.
    case ENOENT:
    case ENODEV:
    case ENXIO:
    case ENOTDIR:
    case ELOOP:
    case EIO:
        return OpenFailure::Missing;
    case EACCES:
    case EPERM:
        return OpenFailure::NoPermission;
    case EBUSY:
    case EWOULDBLOCK:
        return OpenFailure::Busy;
    case ENOTTY:
    case EISDIR:
        return OpenFailure::NotSerial;
    default:
        return OpenFailure::Other;
    }
}

namespace {

QString busyReason(const std::optional<PortHolder> &holder)
{
    if (!holder)
        return QCoreApplication::translate("OpenFailure", "port používá jiný program");
    if (holder->isZunov())
        return QCoreApplication::translate("OpenFailure",
                                           "port už používá jiný spuštěný ZUNOV (PID %1)")
            .arg(holder->pid);
    return QCoreApplication::translate("OpenFailure", "port používá program %1 (PID %2)")
        .arg(holder->name, QString::number(holder->pid));
}

QString remedy(OpenFailure failure, const std::optional<PortHolder> &holder, DeviceChoice choice)
{
    const bool commandLine = choice == DeviceChoice::CommandLine;
    switch (failure) {
    case OpenFailure::Missing:
        if (commandLine)
            return QCoreApplication::translate(
                "OpenFailure", "Je převodník připojený? Zkontrolujte kabel, nebo zvolte jiné "
                               "zařízení volbou --device <cesta> či --port <číslo>.");
        return QCoreApplication::translate(
            "OpenFailure", "Je převodník připojený? Zkontrolujte kabel, nebo v okně Nastavení "
                           "zvolte jiné zařízení.");
    case OpenFailure::NoPermission:
        return QCoreApplication::translate(
            "OpenFailure", "Přidejte uživatele do skupiny dialout (sudo usermod -aG dialout "
                           "$USER) a znovu se přihlaste.");
    case OpenFailure::Busy:
        if (holder && holder->isZunov())
            return commandLine
                       ? QCoreApplication::translate("OpenFailure",
                                                     "Ukončete ho, nebo zvolte jiný port volbou "
                                                     "--device <cesta> či --port <číslo>.")
                       : QCoreApplication::translate(
                           "OpenFailure", "Ukončete ho, nebo v okně Nastavení zvolte jiný port.");
        return QCoreApplication::translate("OpenFailure", "Ukončete ho a zkuste to znovu.");
    case OpenFailure::NotSerial:
        if (commandLine)
            return QCoreApplication::translate(
                "OpenFailure", "Zvolte sériový port volbou --device <cesta> (například "
                               "/dev/ttyUSB0) či --port <číslo>.");
        return QCoreApplication::translate(
            "OpenFailure", "V okně Nastavení zvolte sériový port, například /dev/ttyUSB0.");
    case OpenFailure::None:
    case OpenFailure::Other:
        break;
    }
    return QCoreApplication::translate("OpenFailure", "Zkontrolujte zařízení a zkuste to znovu.");
}

} // namespace

QString openFailureReason(int error, const std::optional<PortHolder> &holder)
{
    switch (openFailureOf(error)) {
    case OpenFailure::Missing:
        return QCoreApplication::translate("OpenFailure", "zařízení neexistuje");
    case OpenFailure::NoPermission:
        return QCoreApplication::translate("OpenFailure", "chybí oprávnění ke čtení a zápisu");
    case OpenFailure::Busy:
        return busyReason(holder);
    case OpenFailure::NotSerial:
        return QCoreApplication::translate("OpenFailure", "není to sériové zařízení");
    case OpenFailure::None:
    case OpenFailure::Other:
        break;
    }
    return errorCause(error);
}

QString cannotOpenMessage(const QString &device, int error, const std::optional<PortHolder> &holder,
                          DeviceChoice choice)
{
    return QCoreApplication::translate("OpenFailure", "Zařízení %1 nelze otevřít: %2.\n%3")
        .arg(device, openFailureReason(error, holder),
             remedy(openFailureOf(error), holder, choice));
}

QString cannotOpenMessage(const DeviceStatus &device, DeviceChoice choice)
{
    const std::optional<PortHolder> holder = openFailureOf(device.openError) == OpenFailure::Busy
                                                 ? findPortHolder(device.path)
                                                 : std::nullopt;
    return cannotOpenMessage(device.path, device.openError, holder, choice);
}
