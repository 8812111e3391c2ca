#include "replygenerator.h"

#include <algorithm>

namespace zunovsim {

namespace {
constexpr uint8_t U1Tenths = 'c';
constexpr uint8_t U1Volts = 'b';
constexpr uint8_t U2Tenths = 'a';
constexpr uint8_t U2Volts = '`';
constexpr uint8_t Resistance = 'f';
constexpr uint8_t Frequency = 'e';
constexpr uint8_t Current = 'g';
constexpr int LowestRange = 200;
constexpr int HighestRange = 205;
// Voltages above 25.5 V no longer fit a byte in tenths; the instrument then
// switches that channel to whole volts.
constexpr int MaxTenthsInByte = 255;
constexpr int MaxVoltageTenths = 400;
// The generator's useful band; the reading wanders inside it.
constexpr int MinFrequencyHz = 100;
constexpr int MaxFrequencyHz = 20'000;

uint8_t byteOf(int value)
{
    return static_cast<uint8_t>(value & 0xFF);
}
} // namespace

ReplyGenerator::ReplyGenerator(uint32_t seed)
    : m_random(seed)
{}

int ReplyGenerator::wander(int value, int step, int low, int high)
{
    const int span = 2 * step + 1;
    const int delta = static_cast<int>(m_random() % static_cast<uint32_t>(span)) - step;
    return std::clamp(value + delta, low, high);
}

Frame ReplyGenerator::wanderingVoltages()
{
    m_u1Tenths = wander(m_u1Tenths, 15, 0, MaxVoltageTenths);
    m_u2Tenths = wander(m_u2Tenths, 15, 0, MaxVoltageTenths);
    const bool u1InTenths = m_u1Tenths <= MaxTenthsInByte;
    const bool u2InTenths = m_u2Tenths <= MaxTenthsInByte;
    return {u1InTenths ? U1Tenths : U1Volts, u2InTenths ? U2Tenths : U2Volts,
            byteOf(u1InTenths ? m_u1Tenths : m_u1Tenths / 10),
            byteOf(u2InTenths ? m_u2Tenths : m_u2Tenths / 10)};
}

Frame ReplyGenerator::next(const std::optional<GeneratorSetting> &generator)
{
    Frame reply{};
    switch (m_kind) {
    case Kind::Voltages:
        if (m_bench) {
            const BenchVoltages volts = m_bench->voltages(generator, m_random);
            reply = {U1Tenths, U2Tenths, byteOf(volts.u1Tenths), byteOf(volts.u2Tenths)};
        } else {
            reply = wanderingVoltages();
        }
        m_kind = Kind::Resistance;
        break;
    case Kind::Resistance:
        m_resistance = wander(m_resistance, 3, 0, 255);
        // Now and then the meter changes its range, as a real one does when
        // the probe moves to another resistor.
        if (m_random() % 8 == 0)
            m_resistanceRange = wander(m_resistanceRange, 1, LowestRange, HighestRange);
        reply = {Resistance, byteOf(m_resistanceRange), 0, byteOf(m_resistance)};
        m_kind = Kind::Frequency;
        break;
    case Kind::Frequency: {
        int hz = 0;
        if (m_bench) {
            hz = m_bench->frequencyHz(generator, m_random);
        } else {
            m_frequencyHz = wander(m_frequencyHz, 50, MinFrequencyHz, MaxFrequencyHz);
            hz = m_frequencyHz;
        }
        reply = {Frequency, byteOf(hz >> 16), byteOf(hz >> 8), byteOf(hz)};
        m_kind = Kind::Current;
        break;
    }
    case Kind::Current:
        m_currentHundredths = wander(m_currentHundredths, 6, 0, 255);
        reply = {Current, 0, 0, byteOf(m_currentHundredths)};
        m_kind = Kind::Voltages;
        break;
    }
    return reply;
}

} // namespace zunovsim
