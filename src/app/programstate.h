#pragma once

#include "link/frame.h"

// The values that several handlers share for the whole run. The main window
// owns the one instance; everything runs on the GUI thread, so no locking.
struct ProgramState
{
    Frame tx{};   // request of the next exchange: command, waveform, frequency, 0
    Frame rx{};   // reply of the last exchange
    Frame echo{}; // what came back during the handshake, one byte per step
    bool online = false;
    bool restartRequested = false;
    int pollPeriodMs = 0; // as configured; 0 or below means no polling
};
