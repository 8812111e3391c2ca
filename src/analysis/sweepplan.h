#pragma once

#include "analysis/statistics.h"
#include "link/frame.h"

#include <array>
#include <cstdint>
#include <vector>

// What a sweep does: the generator at each frequency value in turn, and at
// each one the same wait and the same number of polls.
struct SweepSettings
{
    uint8_t waveformCode = 30;
    int from = 0; // frequency values 0..255, as the panel's slider has them
    int to = 255;
    int steps = 32;
    // Logarithmic spacing needs both ends above 0.
    bool logSpacing = false;
    int settleMs = 200; // after the generator has taken its setting
    int readings = 5;   // polls per step
    int periodMs = 100; // from the start of one poll of a step to the next

    static constexpr int HighestValue = 255;
    static constexpr int MostSteps = HighestValue + 1;

    // Whether a sweep can run with these settings.
    bool isValid() const;
    // The time one step takes by its settings alone: the settle time and a
    // period for each poll.
    int stepMs() const { return settleMs + readings * periodMs; }
};

// The frequency values of a sweep in the order they are set: `steps` values
// from `from` to `to` (either way round), evenly or logarithmically spaced,
// rounded to whole values. A value that rounding makes twice is set once,
// so a sweep over a narrow range may have fewer steps than asked for.
std::vector<uint8_t> sweepValues(const SweepSettings &settings);

// One finished step: what was set, and the statistics of each quantity's
// readings in it.
struct SweepStep
{
    int number = 0; // from 1
    uint8_t waveformCode = 0;
    uint8_t value = 0;
    Frame tx{};
    std::array<RunningStatistics, AllQuantities.size()> readings{};

    const RunningStatistics &of(Quantity quantity) const { return readings[size_t(quantity)]; }
};
