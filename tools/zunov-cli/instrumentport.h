#pragma once

#include "clicommandline.h"
#include "config/configuration.h"
#include "link/instrumentsession.h"

#include <memory>

// The session a command talks to the instrument through, on the device of
// --device, the COM<N> of --port, or else the port ZUNOV.INI of the current
// folder names (Zarizeni, else Port), opened and configured as the program
// opens it; check its port's IsOpen().
std::unique_ptr<InstrumentSession> openInstrumentSession(const CliRequest &request,
                                                         const Configuration &configuration);
