#pragma once

#include <QString>
#include <cstdint>

// The generator's waveforms: the code the instrument knows each one by, and
// the file in the working directory that holds its table for the preview.
struct Waveform
{
    uint8_t code;
    const char *fileName;

    QString file() const { return QString::fromLatin1(fileName); }
};

namespace Waveforms {
constexpr Waveform Sine{30, "sinu.gen"};
constexpr Waveform HalfSine{60, "sin2.gen"};
constexpr Waveform Square{40, "obde.gen"};
constexpr Waveform Sawtooth{50, "pila.gen"};
constexpr Waveform Triangle{20, "troj.gen"};
} // namespace Waveforms
