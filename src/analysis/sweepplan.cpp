#include "analysis/sweepplan.h"

#include "generator/waveform.h"

#include <cmath>

bool SweepSettings::isValid() const
{
    const auto inRange = [](int value) { return value >= 0 && value <= HighestValue; };
    return Waveforms::withCode(waveformCode) && inRange(from) && inRange(to) && steps >= 1
           && steps <= MostSteps && (!logSpacing || (from > 0 && to > 0)) && settleMs >= 0
           && readings >= 1 && periodMs >= 0;
}

std::vector<uint8_t> sweepValues(const SweepSettings &settings)
{
    std::vector<uint8_t> values;
    if (!settings.isValid())
        return values;
    const double first = settings.logSpacing ? std::log(double(settings.from)) : settings.from;
    const double last = settings.logSpacing ? std::log(double(settings.to)) : settings.to;
    for (int step = 0; step < settings.steps; ++step) {
        const double fraction = settings.steps > 1 ? double(step) / (settings.steps - 1) : 0.0;
        const double position = first + (last - first) * fraction;
        const auto value =
            uint8_t(std::lround(settings.logSpacing ? std::exp(position) : position));
        // Values only ever move one way, so a repeat can only be the last one.
        if (values.empty() || values.back() != value)
            values.push_back(value);
    }
    return values;
}
