#include "analysis/measurementanalysis.h"

AnalysedReply MeasurementAnalysis::add(const std::vector<Reading> &readings, const Frame &reply,
                                       qint64 timeMs)
{
    AnalysedReply analysed;
    for (const Reading &reading : readings) {
        m_statistics.add(reading, timeMs);
        m_history.add(reading, reply, timeMs);
        m_relative.see(reading);
        if (std::optional<Reading> difference = m_relative.relative(reading))
            analysed.differences.push_back(std::move(*difference));
        if (std::optional<LimitChange> change =
                m_limits[size_t(reading.quantity)].add(reading.value, timeMs))
            analysed.limitChanges.push_back({reading.quantity, *change});
    }
    return analysed;
}

void MeasurementAnalysis::setLimits(Quantity quantity, const QuantityLimits &limits)
{
    m_limits[size_t(quantity)].setLimits(limits);
}
