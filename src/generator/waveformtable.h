#pragma once

#include <array>
#include <cstdint>

// One period of a generator waveform, used for the preview only: the
// instrument knows its waveforms by code and never receives the table.
constexpr int WaveformSamples = 255;
using WaveformTable = std::array<uint8_t, WaveformSamples>;
