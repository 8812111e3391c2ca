#pragma once

#include <QString>
#include <QStringList>

// Text files that the program reads from its working directory (the resistor
// series, the help text). They are decoded as UTF-8 when they are valid
// UTF-8, less a leading byte-order mark, otherwise as Windows-1250 (see
// windows1250.h), so files made on older Czech systems keep their diacritics.
// A file that cannot be opened, is no regular file or is larger than maxBytes
// raises AppError::cannotOpenFile with the name exactly as it was passed.

// Far more than any real help text or series list, and small enough that a
// wrong file cannot exhaust the memory.
inline constexpr qint64 HelpFileLimit = 4 << 20;
inline constexpr qint64 SeriesFileLimit = 16 << 20;

QString decodeText(const QByteArray &bytes);

// CR LF, CR and LF each end a line, and a line break at the very end does
// not add an empty line.
QStringList splitTextLines(const QString &text);

QString readTextFile(const QString &name, qint64 maxBytes);

// The file's lines, split as splitTextLines does.
QStringList readTextLines(const QString &name, qint64 maxBytes);
