#pragma once

#include <array>
#include <charconv>
#include <string>

namespace zunovsim {

// Integers as text, the same under every locale.
inline std::string decimal(long long value)
{
    std::array<char, 24> digits{};
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), value).ptr;
    return std::string(digits.data(), end);
}

} // namespace zunovsim
