#include "replygenerator.h"

#include <algorithm>

namespace zunovsim {

namespace {
constexpr uint8_t kU1Tenths = 'c';
constexpr uint8_t kU1Volts = 'b';
constexpr uint8_t kU2Tenths = 'a';
constexpr uint8_t kU2Volts = '`';
constexpr uint8_t kResistance = 'f';
constexpr uint8_t kFrequency = 'e';
constexpr uint8_t kCurrent = 'g';
constexpr int kLowestRange = 200;
constexpr int kHighestRange = 205;
// Voltages above 25.5 V no longer fit a byte in tenths; the instrument then
// switches that channel to whole volts.
constexpr int kMaxTenthsInByte = 255;
constexpr int kMaxVoltageTenths = 400;
// The generator's useful band; the reading wanders inside it.
constexpr int kMinFrequencyHz = 100;
constexpr int kMaxFrequencyHz = 20'000;

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
    m_u1Tenths = wander(m_u1Tenths, 15, 0, kMaxVoltageTenths);
    m_u2Tenths = wander(m_u2Tenths, 15, 0, kMaxVoltageTenths);
    const bool u1InTenths = m_u1Tenths <= kMaxTenthsInByte;
    const bool u2InTenths = m_u2Tenths <= kMaxTenthsInByte;
    return {u1InTenths ? kU1Tenths : kU1Volts, u2InTenths ? kU2Tenths : kU2Volts,
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
            reply = {kU1Tenths, kU2Tenths, byteOf(volts.u1Tenths), byteOf(volts.u2Tenths)};
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
            m_resistanceRange = wander(m_resistanceRange, 1, kLowestRange, kHighestRange);
        reply = {kResistance, byteOf(m_resistanceRange), 0, byteOf(m_resistance)};
        m_kind = Kind::Frequency;
        break;
    case Kind::Frequency: {
        int hz = 0;
        if (m_bench) {
            hz = m_bench->frequencyHz(generator, m_random);
        } else {
            m_frequencyHz = wander(m_frequencyHz, 50, kMinFrequencyHz, kMaxFrequencyHz);
            hz = m_frequencyHz;
        }
        reply = {kFrequency, byteOf(hz >> 16), byteOf(hz >> 8), byteOf(hz)};
        m_kind = Kind::Current;
        break;
    }
    case Kind::Current:
        m_currentHundredths = wander(m_currentHundredths, 6, 0, 255);
        reply = {kCurrent, 0, 0, byteOf(m_currentHundredths)};
        m_kind = Kind::Voltages;
        break;
    }
    return reply;
}

} // namespace zunovsim
