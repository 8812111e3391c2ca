#pragma once

#include <QString>
#include <QStringList>

// Text files that the program reads from its working directory (the resistor
// series, the help text). They are decoded as UTF-8 when they are valid
// UTF-8, otherwise as Windows-1250, so files made on older Czech systems keep
// their diacritics. A file that cannot be opened raises
// AppError::cannotOpenFile with the name exactly as it was passed.

QString decodeText(const QByteArray &bytes);

QString readTextFile(const QString &name);

// The file's lines; CR LF, CR and LF each end a line, and a line break at
// the very end does not add an empty line.
QStringList readTextLines(const QString &name);
