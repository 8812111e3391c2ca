#pragma once

#include <cstdint>

// The port object's cached line settings: the fields it changes, with the
// codes its setters take (parity 0 none, 1 odd, 2 even, 3 mark, 4 space; stop
// bits 0 one, 1 one and a half, 2 two). Every other setting of the line stays
// on the device, untouched.
struct SerialLineSettings
{
    uint32_t BaudRate = 0;
    uint8_t ByteSize = 0;
    uint8_t Parity = 0;
    uint8_t StopBits = 0;
    bool fAbortOnError = false;
};

// The port object's time-outs, each in milliseconds. A read of n bytes gives
// up after ReadTotalTimeoutMultiplier × n + ReadTotalTimeoutConstant, a write
// likewise; ReadIntervalTimeout (the longest gap between two bytes) is kept
// but plays no part in single-byte reads.
struct SerialTimeouts
{
    uint32_t ReadIntervalTimeout = 0;
    uint32_t ReadTotalTimeoutMultiplier = 0;
    uint32_t ReadTotalTimeoutConstant = 0;
    uint32_t WriteTotalTimeoutMultiplier = 0;
    uint32_t WriteTotalTimeoutConstant = 0;
};
