#pragma once

#include "benchmodel.h"

#include <array>
#include <cstdint>
#include <optional>
#include <random>

namespace zunovsim {

using Frame = std::array<uint8_t, 4>;

// Makes the replies of a healthy instrument: the four kinds of measurement in
// turn (voltages, resistance, frequency, current), each value wandering a
// little from one reply to the next, so that the displays and graphs move the
// way they do on the bench. The same seed always gives the same replies.
//
// With a bench model the voltages and the frequency follow the generator
// instead (see BenchModel); resistance and current wander as before.
class ReplyGenerator
{
public:
    enum class Kind { Voltages, Resistance, Frequency, Current };

    explicit ReplyGenerator(uint32_t seed);

    void setBench(std::optional<BenchModel> bench) { m_bench = bench; }

    // The generator's setting matters only to the bench model.
    Frame next(const std::optional<GeneratorSetting> &generator);
    uint8_t randomByte() { return static_cast<uint8_t>(m_random() & 0xFF); }

private:
    int wander(int value, int step, int low, int high);
    Frame wanderingVoltages();

    std::mt19937 m_random;
    std::optional<BenchModel> m_bench;
    Kind m_kind = Kind::Voltages;
    int m_u1Tenths = 120;  // 12.0 V
    int m_u2Tenths = 50;   // 5.0 V
    int m_resistance = 47; // the three digits shown
    int m_resistanceRange = 202;
    int m_frequencyHz = 1000;
    int m_currentHundredths = 80;
};

} // namespace zunovsim
