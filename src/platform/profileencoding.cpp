#include "platform/profileencoding.h"

#include "platform/windows1250.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {

constexpr QByteArrayView Utf8Mark("\xEF\xBB\xBF");
constexpr QByteArrayView Utf16LEMark("\xFF\xFE");
constexpr QByteArrayView Utf16BEMark("\xFE\xFF");

// Stateless, so that each line is decoded on its own; the mark is converted
// rather than skipped, because the caller has already taken it off and any
// later U+FEFF is text.
constexpr QStringConverter::Flags Decoding =
    QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom;

// Qt's own converters for the Unicode encodings; Windows-1250 is windows1250.h.
QStringConverter::Encoding unicodeEncoding(ProfileEncoding encoding)
{
    if (encoding == ProfileEncoding::Utf16LE)
        return QStringConverter::Utf16LE;
    if (encoding == ProfileEncoding::Utf16BE)
        return QStringConverter::Utf16BE;
    return QStringConverter::Utf8;
}

} // namespace

DetectedEncoding detectProfileEncoding(QByteArrayView bytes)
{
    if (bytes.startsWith(Utf16LEMark))
        return {ProfileEncoding::Utf16LE, Utf16LEMark.size()};
    if (bytes.startsWith(Utf16BEMark))
        return {ProfileEncoding::Utf16BE, Utf16BEMark.size()};
    return {isUtf8(bytes) ? ProfileEncoding::Utf8 : ProfileEncoding::Windows1250,
            bytes.startsWith(Utf8Mark) ? Utf8Mark.size() : 0};
}

qsizetype codeUnitSize(ProfileEncoding encoding)
{
    const bool utf16 = encoding == ProfileEncoding::Utf16LE || encoding == ProfileEncoding::Utf16BE;
    return utf16 ? 2 : 1;
}

char16_t codeUnitAt(QByteArrayView bytes, qsizetype index, ProfileEncoding encoding)
{
    const auto byte = [bytes](qsizetype i) { return char16_t(uchar(bytes[i])); };
    switch (encoding) {
    case ProfileEncoding::Utf16LE:
        return char16_t(byte(index) | byte(index + 1) << 8);
    case ProfileEncoding::Utf16BE:
        return char16_t(byte(index) << 8 | byte(index + 1));
    case ProfileEncoding::Utf8:
    case ProfileEncoding::Windows1250:
        break;
    }
    return byte(index);
}

QString decodeProfileText(QByteArrayView bytes, ProfileEncoding encoding)
{
    if (encoding == ProfileEncoding::Windows1250)
        return fromWindows1250(bytes);
    QStringDecoder decoder(unicodeEncoding(encoding), Decoding);
    return decoder(bytes);
}

QByteArray encodeProfileText(const QString &text, ProfileEncoding encoding)
{
    if (encoding == ProfileEncoding::Windows1250)
        return toWindows1250(text);
    QStringEncoder encoder(unicodeEncoding(encoding), QStringConverter::Flag::Stateless);
    return encoder(text);
}
