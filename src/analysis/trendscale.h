#pragma once

#include "analysis/readinghistory.h"

#include <QString>
#include <optional>

// How the trend window's value axis is labelled: the values divided by
// `factor`, read as `prefix` before the unit (mV, kΩ, MHz), so that the axis
// shows a few digits at most.
struct ValueScale
{
    double factor = 1;
    QString prefix;
};
ValueScale valueScale(double largestMagnitude);

// The unit as the axis writes it: the base unit, with Ω for ohms.
QString axisUnit(Quantity quantity);

// The time axis's label format for a visible span: milliseconds for a few
// seconds, the date for more than a day.
QString timeAxisFormat(qint64 spanMs);

// The value a cursor at timeMs reads: the nearest reading held at full
// resolution, or the mean of the second there when only blocks are left.
std::optional<double> valueNear(const QuantityHistory &history, qint64 timeMs);
