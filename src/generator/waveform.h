#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <optional>

// The generator's waveforms: the code the instrument knows each one by, the
// file in the working directory that holds its table for the preview, and
// the name the generator panel gives it, which is also how files that leave
// the program (a sweep's table) name it.
struct Waveform
{
    uint8_t code;
    const char *fileName;
    const char *panelName; // UTF-8

    QString file() const { return QString::fromLatin1(fileName); }
    QString name() const { return QString::fromUtf8(panelName); }
};

namespace Waveforms {
constexpr Waveform Sine{30, "sinu.gen", "Sinus"};
constexpr Waveform HalfSine{60, "sin2.gen", "Sinus 1/2"};
constexpr Waveform Square{40, "obde.gen", "Obdélník"};
constexpr Waveform Sawtooth{50, "pila.gen", "Pila"};
constexpr Waveform Triangle{20, "troj.gen", "Trojúhelník"};
// In the order of the panel's buttons, from the top.
constexpr std::array<Waveform, 5> All{Sine, HalfSine, Square, Sawtooth, Triangle};

// The waveform the instrument knows by this code; none for any other byte.
constexpr std::optional<Waveform> withCode(uint8_t code)
{
    for (const Waveform &waveform : All) {
        if (waveform.code == code)
            return waveform;
    }
    return std::nullopt;
}
} // namespace Waveforms
