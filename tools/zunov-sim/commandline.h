#pragma once

#include "faults.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zunovsim {

// What the zunov-sim program was asked to do.
struct CommandLine
{
    bool help = false;
    std::string dir = ".";
    int port = 1;
    uint32_t seed = 1;
    Faults faults;
    std::optional<double> benchCornerHz; // set: the bench model is on, with this corner
    std::string error;                   // not empty: the arguments were wrong, and this says why

    static CommandLine parse(const std::vector<std::string> &arguments);
    static std::string helpText();
};

} // namespace zunovsim
