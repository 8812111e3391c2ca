#pragma once

#include <QStringView>
#include <optional>

// Reads an integer the way the configuration file has always been read:
// optional leading spaces, an optional sign and decimal digits, range-checked to
// signed 32 bits; or hexadecimal after "$" (spaces allowed before it) or "0x"/"0X"
// (at the very start, with more than the prefix), without a sign, at most 32 bits
// wide and wrapping to signed ("$FFFFFFFF" is -1). Anything else - trailing
// characters, empty text, an out-of-range number - gives no value.
std::optional<qint32> parseInteger(QStringView text);
