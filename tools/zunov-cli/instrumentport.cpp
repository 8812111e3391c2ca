#include "instrumentport.h"

#include <QDir>

std::unique_ptr<TSerial> openInstrumentPort(const CliRequest &request,
                                            const Configuration &configuration)
{
    // --port names the port by its number alone, whatever device ZUNOV.INI names.
    const int number = request.port.value_or(configuration.port);
    const QString device = !request.device.isEmpty() ? request.device
                           : request.port            ? QString()
                                                     : configuration.device;
    auto port = std::make_unique<TSerial>(number, QDir::currentPath(), device);
    if (port->IsOpen())
        applyStartupConfiguration(*port);
    return port;
}

void reopenIfLost(TSerial &port)
{
    port.checkLine();
    if (!port.IsOpen() && port.reopen())
        applyStartupConfiguration(port);
}
