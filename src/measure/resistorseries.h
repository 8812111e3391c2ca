#pragma once

#include <QString>
#include <QStringList>

// The standard resistor series offered as a look-up list: index 0, 1 and 2 of
// the series list box are E12, E24 and E48, each kept in a text file in the
// working directory, one list item per line.

// "E12.dat", "E24.dat" or "E48.dat"; an empty name for any other index.
QString seriesFileName(int index);

// The lines of the series' file, shown exactly as written. Raises
// AppError::cannotOpenFile when the file cannot be opened; an index that
// names no series gives an empty list without touching any file.
QStringList loadSeries(int index);
