#pragma once

#include "clicommandline.h"
#include "config/configuration.h"
#include "link/tserial.h"

#include <memory>

// The port a command talks to the instrument through: the device of
// --device, the COM<N> of --port, or else the port ZUNOV.INI of the current
// folder names (Zarizeni, else Port), as the program would open it. Opened
// and configured as the program configures it; check IsOpen().
std::unique_ptr<TSerial> openInstrumentPort(const CliRequest &request,
                                            const Configuration &configuration);

// A device that went away (an adapter pulled out) is opened again as soon as
// it is back; a port that is open is left alone.
void reopenIfLost(TSerial &port);
