#pragma once

#include "analysis/limitmonitor.h"
#include "analysis/readinghistory.h"
#include "analysis/relativevalues.h"
#include "analysis/statistics.h"
#include "link/frame.h"

#include <vector>

// A quantity's limits were crossed, or it came back inside.
struct QuantityLimitChange
{
    Quantity quantity;
    LimitChange change;
};

// What one reply adds beyond its readings.
struct AnalysedReply
{
    // The REL differences of the quantities that have a reference, in the
    // order of the readings.
    std::vector<Reading> differences;
    std::vector<QuantityLimitChange> limitChanges;
};

// What the program works out from the decoded readings besides showing them:
// the statistics, the REL differences, the history of the session and the
// watch on the limits. Fed once per whole reply by whoever reads the
// instrument; the analysis windows only look at it.
class MeasurementAnalysis
{
public:
    AnalysedReply add(const std::vector<Reading> &readings, const Frame &reply, qint64 timeMs);

    const ReadingStatistics &statistics() const { return m_statistics; }
    void resetStatistics() { m_statistics.reset(); }
    RelativeValues &relative() { return m_relative; }
    const RelativeValues &relative() const { return m_relative; }
    const ReadingHistory &history() const { return m_history; }
    void setLimits(Quantity quantity, const QuantityLimits &limits);
    const LimitMonitor &limitMonitor(Quantity quantity) const { return m_limits[size_t(quantity)]; }

private:
    ReadingStatistics m_statistics;
    RelativeValues m_relative;
    ReadingHistory m_history;
    std::array<LimitMonitor, AllQuantities.size()> m_limits;
};
