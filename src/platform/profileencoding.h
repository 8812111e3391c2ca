#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// How the bytes of a profile (INI) file are text. A file that starts with a
// UTF-16 byte-order mark (old Notepad's "Unicode") is UTF-16 in that byte
// order. Any other file is UTF-8 or Windows-1250 as isUtf8 (windows1250.h)
// decides; a UTF-8 mark is skipped whichever of the two the rest turns out to
// be.
//
// The whole file decides, so that a save cannot change how the lines it leaves
// alone are read: it adds whole lines in the same encoding, each after a line
// end, which neither completes a broken sequence nor breaks a valid one. Only
// replacing a value that held the last bytes that are not UTF-8 can turn a
// Windows-1250 file into one that reads as UTF-8; nothing in the bytes could
// then tell it from a file written in UTF-8.
enum class ProfileEncoding { Utf8, Windows1250, Utf16LE, Utf16BE };

struct DetectedEncoding
{
    ProfileEncoding encoding = ProfileEncoding::Utf8;
    qsizetype markSize = 0; // the byte-order mark the file starts with
};

DetectedEncoding detectProfileEncoding(QByteArrayView bytes);

// Two bytes for UTF-16, one otherwise. In every encoding a line ends with the
// code units CR and LF.
qsizetype codeUnitSize(ProfileEncoding encoding);
char16_t codeUnitAt(QByteArrayView bytes, qsizetype index, ProfileEncoding encoding);

QString decodeProfileText(QByteArrayView bytes, ProfileEncoding encoding);
// A character that Windows-1250 lacks is written as '?' (see windows1250.h).
QByteArray encodeProfileText(const QString &text, ProfileEncoding encoding);
