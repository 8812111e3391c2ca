#pragma once

#include <cstdint>

// Parity and stop-bit choices of a serial line. The numeric values are the
// codes the port object's setters take (0 none … 4 space; 0 one, 1 one and a
// half, 2 two stop bits), so the two can be converted by a range check.
enum class SerialParity : uint8_t { None = 0, Odd = 1, Even = 2, Mark = 3, Space = 4 };
enum class SerialStopBits : uint8_t { One = 0, OneAndHalf = 1, Two = 2 };

struct SerialLineParameters
{
    uint32_t baudRate = 0; // bits per second as a plain number; 0 = a speed we do not know
    uint8_t dataBits = 8;  // 5..8
    SerialParity parity = SerialParity::None;
    SerialStopBits stopBits = SerialStopBits::One;
};
