#pragma once

#include <cstdint>
#include <optional>
#include <random>

namespace zunovsim {

// The generator's setting, as the last complete generator frame gave it.
struct GeneratorSetting
{
    uint8_t waveform = 0;
    uint8_t frequency = 0;

    bool operator==(const GeneratorSetting &) const = default;
};

// The name of a waveform the generator knows, or nullptr for any other code.
const char *waveformName(uint8_t code);

// The meter's voltage readings, in tenths of a volt as the reply byte holds them.
struct BenchVoltages
{
    int u1Tenths = 0;
    int u2Tenths = 0;

    bool operator==(const BenchVoltages &) const = default;
};

// The emulator's own bench, not the instrument's calibration: the generator
// feeds input U1 directly and input U2 through a first-order low-pass, and the
// frequency meter counts the generator. A frequency sweep run by the program
// then draws a curve a person recognises.
//
// - The frequency value v (0..255) gives f = 5 + 45 v / 255 Hz, the 5-50 Hz
//   the program's panel is labelled with.
// - U1 is the generator's amplitude, 10.0 V for every waveform.
// - U2 = U1 / sqrt(1 + (f / fc)^2), fc being the corner frequency.
// - Each reading carries Gaussian noise (0.05 V on the voltages, 0.3 Hz on the
//   frequency), so the display moves a little as on a real bench. The noise
//   comes from the caller's seeded source, so a seed always gives the same
//   readings.
//
// Before any generator frame, and with waveform 0 or a code the generator
// does not know, the generator is off and every input reads a clean 0.
class BenchModel
{
public:
    static constexpr double DefaultCornerHz = 20.0;

    explicit BenchModel(double cornerHz = DefaultCornerHz)
        : m_cornerHz(cornerHz)
    {}

    double cornerHz() const { return m_cornerHz; }

    BenchVoltages voltages(const std::optional<GeneratorSetting> &generator,
                           std::mt19937 &random) const;
    // In whole hertz, never below 0.
    int frequencyHz(const std::optional<GeneratorSetting> &generator, std::mt19937 &random) const;

private:
    static bool generatorOn(const std::optional<GeneratorSetting> &generator);
    // The generator's frequency for the value v, without noise.
    static double generatorHz(uint8_t value);

    double m_cornerHz;
};

} // namespace zunovsim
