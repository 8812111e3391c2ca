#include "benchmodel.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace zunovsim {

namespace {
struct Waveform
{
    uint8_t code;
    const char *name;
};
constexpr std::array Waveforms{
    Waveform{30, "Sinus"}, Waveform{60, "Sinus 1/2"},   Waveform{40, "Obdélník"},
    Waveform{50, "Pila"},  Waveform{20, "Trojúhelník"},
};

constexpr double LowestHz = 5.0;
constexpr double HighestHz = 50.0;
constexpr double HighestValue = 255.0;
constexpr double AmplitudeVolts = 10.0;
constexpr double VoltageNoise = 0.05;
constexpr double FrequencyNoise = 0.3;
// The reply carries tenths of a volt in one byte.
constexpr long MaxTenths = 255;

double noise(std::mt19937 &random, double deviation)
{
    return std::normal_distribution<double>(0.0, deviation)(random);
}

int tenths(double volts)
{
    return static_cast<int>(std::clamp(std::lround(volts * 10.0), 0L, MaxTenths));
}
} // namespace

const char *waveformName(uint8_t code)
{
    const auto known =
        std::find_if(Waveforms.begin(), Waveforms.end(),
                     [code](const Waveform &waveform) { return waveform.code == code; });
    return known == Waveforms.end() ? nullptr : known->name;
}

bool BenchModel::generatorOn(const std::optional<GeneratorSetting> &generator)
{
    return generator && waveformName(generator->waveform) != nullptr;
}

double BenchModel::generatorHz(uint8_t value)
{
    return LowestHz + (HighestHz - LowestHz) * value / HighestValue;
}

BenchVoltages BenchModel::voltages(const std::optional<GeneratorSetting> &generator,
                                   std::mt19937 &random) const
{
    if (!generatorOn(generator))
        return {};
    const double relative = generatorHz(generator->frequency) / m_cornerHz;
    const double u2 = AmplitudeVolts / std::sqrt(1.0 + relative * relative);
    // A braced list is evaluated in order, so U1 always takes the first draw.
    return {tenths(AmplitudeVolts + noise(random, VoltageNoise)),
            tenths(u2 + noise(random, VoltageNoise))};
}

int BenchModel::frequencyHz(const std::optional<GeneratorSetting> &generator,
                            std::mt19937 &random) const
{
    if (!generatorOn(generator))
        return 0;
    const double hz = generatorHz(generator->frequency) + noise(random, FrequencyNoise);
    return static_cast<int>(std::max(0L, std::lround(hz)));
}

} // namespace zunovsim
