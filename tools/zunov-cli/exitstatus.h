#pragma once

// How zunov-cli ends, for the scripts that call it.
namespace ExitStatus {
constexpr int Success = 0;
// The instrument did not answer as it should, or the output could not be written.
constexpr int Failed = 1;
constexpr int Usage = 2;
constexpr int CannotOpen = 3;
// measure --limit: a reading was outside its limits.
constexpr int OutsideLimits = 4;
} // namespace ExitStatus
