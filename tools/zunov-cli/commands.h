#pragma once

#include "clicommandline.h"

class Output;

// Runs a checked request's command and returns the exit status. The
// commands that talk to the instrument first open its port; one that cannot
// be opened ends with 3 and the message the program's connect window gives.
int runCommand(const CliRequest &request, Output &out, Output &err);
