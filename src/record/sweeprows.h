#pragma once

#include "analysis/sweepplan.h"

#include <QByteArray>
#include <QString>

// A sweep's table as CSV, in the recording's conventions (RFC 4180, CR LF,
// UTF-8, plain numbers with a decimal point): one row per step,
//   step      the step's number, from 1
//   waveform  the generator panel's name of the waveform
//   value     the frequency value set, 0..255
//   tx        the four bytes sent, in decimal, separated by spaces
// and for each of U1, U2, R, f and I the number of its readings in the step,
// their mean and their sample standard deviation in the base unit; a
// quantity without readings has 0 and two empty fields.
QByteArray sweepCsvHeader();
QByteArray sweepCsvRow(const SweepStep &step);

// The name of a sweep table's column of a quantity: "U1_mean".
QString sweepColumn(Quantity quantity, QStringView figure);
QString sweepWaveformName(uint8_t code);
