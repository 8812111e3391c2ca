#pragma once

#include "platform/seriallineparameters.h"

#include <termios.h>

// Translation between our line parameters and the fields of a termios record
// that carry them (speed, CSIZE, PARENB/PARODD/CMSPAR, CSTOPB). Every other
// field is left alone, so flow control and the rest stay as the port had them.
SerialLineParameters lineParametersOf(const termios &settings);

// False, with the record untouched, when a value has no termios equivalent
// (a speed outside the standard table, fewer than 5 or more than 8 data bits).
bool applyLineParameters(const SerialLineParameters &parameters, termios &settings);
