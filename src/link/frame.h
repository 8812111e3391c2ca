#pragma once

#include <array>
#include <cstdint>

// Four bytes that one exchange with the instrument sends or receives: byte i
// of the reply answers byte i of the request.
using Frame = std::array<uint8_t, 4>;

namespace Command {
constexpr uint8_t Poll = 211;
constexpr uint8_t Generator = 100;
} // namespace Command

// What sets the generator to a waveform and a frequency value.
constexpr Frame generatorFrame(uint8_t waveformCode, uint8_t frequencyValue)
{
    return {Command::Generator, waveformCode, frequencyValue, 0};
}
