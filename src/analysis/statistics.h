#pragma once

#include "measure/replyinterpreter.h"

#include <QtGlobal>
#include <array>
#include <cstdint>

// Count, extremes, mean and standard deviation of a series of values, kept
// as the values come, in constant memory. The mean and the spread follow
// Welford's method: summing squares would lose the digits in which values
// close to a large mean differ (a resistance of 100 kohm that wanders by an
// ohm), and this does not.
class RunningStatistics
{
public:
    // A value that is not a finite number is not counted: one would make
    // every later mean and spread meaningless.
    void add(double value, qint64 timeMs);

    int64_t count() const { return m_count; }
    // Meaningful once count() > 0.
    double minimum() const { return m_minimum; }
    double maximum() const { return m_maximum; }
    double mean() const { return m_mean; }
    // The sample standard deviation (the squares divided by n − 1); 0 for
    // fewer than two values.
    double standardDeviation() const;
    // When the minimum and the maximum first came, as given to add().
    qint64 minimumTimeMs() const { return m_minimumTimeMs; }
    qint64 maximumTimeMs() const { return m_maximumTimeMs; }

private:
    int64_t m_count = 0;
    double m_mean = 0;
    double m_squaredDeviations = 0;
    double m_minimum = 0;
    double m_maximum = 0;
    qint64 m_minimumTimeMs = 0;
    qint64 m_maximumTimeMs = 0;
};

// The statistics of the five quantities, fed with the decoded readings and
// started afresh by reset().
class ReadingStatistics
{
public:
    void add(const Reading &reading, qint64 timeMs);
    void reset() { m_quantities = {}; }
    const RunningStatistics &of(Quantity quantity) const { return m_quantities[size_t(quantity)]; }

private:
    std::array<RunningStatistics, AllQuantities.size()> m_quantities{};
};
