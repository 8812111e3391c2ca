#pragma once

#include <cstdint>

class Output;
class InstrumentSession;

// Sends the generator frame as the program's send button does (100, the
// waveform code, the frequency value, 0) and prints both frames. Returns the
// exit status: 1 when the reply did not come whole.
int runGenerator(InstrumentSession &session, uint8_t waveformCode, uint8_t frequencyValue,
                 Output &out, Output &err);
