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
