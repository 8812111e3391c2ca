#pragma once

#include <QString>

// Formats a value by a digit pattern such as "000", "00.0" or "00.000.000":
// each "0" before the first "." is a digit that pads with zeros, each "0" after
// it a decimal place; further "." add nothing. The value is rounded half away
// from zero on its decimal value (so 0.05 with "0.0" gives 0.1, although the
// double below 0.05 would round down), extra integer digits are kept, and a
// value that rounds to zero has no minus sign.
QString formatNumber(const QString &pattern, double value, QChar decimalSeparator);

// The same with the system's decimal separator ("," under a Czech locale).
QString formatNumber(const QString &pattern, double value);
