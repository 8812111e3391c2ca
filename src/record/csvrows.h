#pragma once

#include "link/frame.h"
#include "measure/replyinterpreter.h"

#include <QByteArray>
#include <QDateTime>
#include <vector>

// The rows a recording keeps: CSV as RFC 4180 has it (a field is quoted when
// it holds a comma, a quote or a line end; every row ends with CR LF), in
// UTF-8. One row per reading of a whole reply, with the columns
//   time      ISO 8601 local time with milliseconds and offset
//   quantity  U1, U2, R, f or I
//   value     a plain number with a decimal point, in the base unit
//   unit      V, Ohm, Hz or A
//   display   the text as the label shows it (with the locale's separator)
//   raw       the four reply bytes in decimal, separated by spaces
QByteArray csvHeader();
QByteArray csvRows(const std::vector<Reading> &readings, const Frame &reply, const QDateTime &time);
// The REL differences of a reply, in rows of the same columns whose quantity
// is the name with a "d" before it (dU1, dU2, dR, df, dI), so that the
// measured values stay in their own rows.
QByteArray csvDifferenceRows(const std::vector<Reading> &differences, const Frame &reply,
                             const QDateTime &time);
inline constexpr QStringView DifferencePrefix = u"d";
// A gap mark: the instrument went away (value 0, display OFFLINE) or came
// back (1, ONLINE), with an empty unit and raw bytes, in the same columns so
// that a reader that knows nothing of it still reads the file.
QByteArray csvLinkRow(bool online, const QDateTime &time);
inline constexpr QStringView LinkQuantityName = u"link";
QString linkDisplay(bool online);
// A row that stands for many readings (a second's mean): the value alone,
// with an empty display and empty raw bytes.
QByteArray csvSummaryRow(Quantity quantity, double value, const QDateTime &time);
