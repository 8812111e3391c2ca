#include "analysis/trendscale.h"

#include <QDateTime>
#include <algorithm>
#include <array>
#include <cmath>

namespace {

struct Prefix
{
    double factor;
    QStringView prefix;
};
constexpr std::array<Prefix, 5> Prefixes{{
    {1e-6, u"µ"},
    {1e-3, u"m"},
    {1, u""},
    {1e3, u"k"},
    {1e6, u"M"},
}};

} // namespace

ValueScale valueScale(double largestMagnitude)
{
    if (!std::isfinite(largestMagnitude) || largestMagnitude == 0)
        return {};
    // The largest prefix that still leaves a whole number in front.
    Prefix chosen = Prefixes.front();
    for (const Prefix &prefix : Prefixes) {
        if (largestMagnitude >= prefix.factor)
            chosen = prefix;
    }
    return {chosen.factor, chosen.prefix.toString()};
}

QString axisUnit(Quantity quantity)
{
    return quantity == Quantity::Resistance ? QStringLiteral("Ω") : unitName(quantity).toString();
}

QString timeAxisFormat(qint64 spanMs)
{
    constexpr qint64 FewSeconds = 10 * 1000;
    constexpr qint64 Day = 24 * 3600 * 1000;
    if (spanMs <= FewSeconds)
        return QStringLiteral("HH:mm:ss.zzz");
    if (spanMs <= Day)
        return QStringLiteral("HH:mm:ss");
    return QStringLiteral("d.M. HH:mm");
}

std::optional<double> valueNear(const QuantityHistory &history, qint64 timeMs)
{
    if (history.isEmpty())
        return std::nullopt;
    if (history.pointCount() > 0 && timeMs >= history.point(0).timeMs) {
        // The points on either side of the time; the nearer one counts.
        const qsizetype first =
            history.pointsBetween(timeMs, std::max(timeMs, history.lastTimeMs())).begin;
        const qsizetype after = std::min(first, history.pointCount() - 1);
        const HistoryPoint a = history.point(std::max<qsizetype>(after - 1, 0));
        const HistoryPoint b = history.point(after);
        return std::abs(timeMs - a.timeMs) <= std::abs(b.timeMs - timeMs) ? a.value : b.value;
    }
    const IndexRange blocks = history.blocksBetween(timeMs - 999, timeMs);
    if (blocks.begin == blocks.end)
        return std::nullopt;
    return history.block(blocks.end - 1).mean;
}
