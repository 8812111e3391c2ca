#include "instrumentport.h"

#include <QDir>

std::unique_ptr<InstrumentSession> openInstrumentSession(const CliRequest &request,
                                                         const Configuration &configuration)
{
    // --port names the port by its number alone, whatever device ZUNOV.INI names.
    const int number = request.port.value_or(configuration.port);
    const QString device = !request.device.isEmpty() ? request.device
                           : request.port            ? QString()
                                                     : configuration.device;
    return std::make_unique<InstrumentSession>(number, QDir::currentPath(), device);
}
