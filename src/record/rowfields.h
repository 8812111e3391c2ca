#pragma once

#include "link/frame.h"

#include <QDateTime>
#include <QString>

// The fields of a reading that leaves the program as data (a CSV recording,
// zunov-cli's output), written the same way everywhere and under every
// locale.

// ISO 8601 local time with milliseconds and the offset, always as +hh:mm,
// also at UTC, so that every row reads the same way.
QString rowTime(const QDateTime &time);

// A plain number: a decimal point, no grouping, no exponent.
QString rowValue(double value);

// The four reply bytes in decimal, separated by spaces.
QString rowRawBytes(const Frame &reply);
