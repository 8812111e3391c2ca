#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// Text files from older Czech systems are Windows-1250, newer ones UTF-8: the
// bytes are UTF-8 when all of them are complete, valid UTF-8 (a character cut
// off at the very end counts against them), and Windows-1250 otherwise.
bool isUtf8(QByteArrayView bytes);

// Windows-1250 by a table of our own, the same with every build of Qt (one
// without ICU has no Windows-1250), and the same as Qt's ICU converter: one
// character per byte, ASCII unchanged, the five bytes the code page leaves
// undefined (0x81, 0x83, 0x88, 0x90, 0x98) as the C1 controls of the same
// number both ways. A byte-order mark is text like any other bytes.
QString fromWindows1250(QByteArrayView bytes);
// One byte per UTF-16 code unit. A character the code page lacks is written as
// '?', as Windows writes it, one beyond U+FFFF as "??" (a '?' for each half).
QByteArray toWindows1250(QStringView text);
