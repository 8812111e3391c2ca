#pragma once

#include "analysis/statistics.h"
#include "analysis/sweepplan.h"
#include "link/frame.h"
#include "measure/replyinterpreter.h"

#include <QByteArray>
#include <QDateTime>
#include <vector>

// How zunov-cli measure writes the readings of a whole reply:
//   Csv   the rows a recording keeps, after its header row;
//   Json  one object a line with the same fields (value a number, raw an
//         array of the four bytes);
//   Text  one line a reading for people: date, time, quantity, display text.
enum class OutputFormat { Csv, Json, Text };

// What comes before the first reading: the CSV header, nothing for the others.
QByteArray outputHeader(OutputFormat format);

QByteArray outputRows(OutputFormat format, const std::vector<Reading> &readings, const Frame &reply,
                      const QDateTime &time);

// A gap mark when the instrument went away or came back: the recording's
// link row in CSV, an object with the same fields in JSON (value 0 or 1, unit
// empty, raw an empty array), and "link  OFFLINE" or "link  ONLINE" in text.
QByteArray outputLinkRow(OutputFormat format, bool online, const QDateTime &time);

// measure --stats: a line for each quantity that had readings, for standard
// error: "STAT U1 n=12 min=1.2 max=1.5 mean=1.35 sd=0.1 unit=V".
QByteArray statisticsLines(const ReadingStatistics &statistics);
// The same figures as one JSON object a line long: {"stats":[{"quantity":
// "U1","n":12,"min":1.2,...,"unit":"V"},...]}.
QByteArray statisticsJson(const ReadingStatistics &statistics);

// zunov-cli sweep: a step as the CSV row of a sweep table, or as one JSON
// object a line with the same names (tx an array of the four bytes; the
// mean and sd of a quantity without readings null).
QByteArray sweepOutputHeader(OutputFormat format);
QByteArray sweepOutputRow(OutputFormat format, const SweepStep &step);
