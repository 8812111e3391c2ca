#include "platform/profileencoding.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {

constexpr QByteArrayView kUtf8Mark("\xEF\xBB\xBF");
constexpr QByteArrayView kUtf16LEMark("\xFF\xFE");
constexpr QByteArrayView kUtf16BEMark("\xFE\xFF");
constexpr char kWindows1250[] = "windows-1250";

// Stateless, so that a character cut off at the very end is an error too; the
// mark is converted rather than skipped, because the caller has already
// taken it off and any later U+FEFF is text.
constexpr QStringConverter::Flags kDecoding =
    QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom;

const char *converterName(ProfileEncoding encoding)
{
    switch (encoding) {
    case ProfileEncoding::Utf8:
        return "UTF-8";
    case ProfileEncoding::Utf16LE:
        return "UTF-16LE";
    case ProfileEncoding::Utf16BE:
        return "UTF-16BE";
    case ProfileEncoding::Windows1250:
        break;
    }
    return kWindows1250;
}

bool isValidUtf8(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringConverter::Utf8, kDecoding);
    const QString ignored = decoder(bytes);
    return !decoder.hasError();
}

} // namespace

DetectedEncoding detectProfileEncoding(QByteArrayView bytes)
{
    if (bytes.startsWith(kUtf16LEMark))
        return {ProfileEncoding::Utf16LE, kUtf16LEMark.size()};
    if (bytes.startsWith(kUtf16BEMark))
        return {ProfileEncoding::Utf16BE, kUtf16BEMark.size()};
    return {isValidUtf8(bytes) ? ProfileEncoding::Utf8 : ProfileEncoding::Windows1250,
            bytes.startsWith(kUtf8Mark) ? kUtf8Mark.size() : 0};
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

// Without the converter for Windows-1250 (a Qt built without ICU) Latin-1 at
// least keeps the ASCII part and every line break.
QString decodeProfileText(QByteArrayView bytes, ProfileEncoding encoding)
{
    QStringDecoder decoder(converterName(encoding), kDecoding);
    if (!decoder.isValid())
        return QString::fromLatin1(bytes);
    return decoder(bytes);
}

QByteArray encodeProfileText(const QString &text, ProfileEncoding encoding)
{
    QStringEncoder encoder(converterName(encoding), QStringConverter::Flag::Stateless);
    if (!encoder.isValid())
        return text.toLatin1();
    const QByteArray bytes = encoder(text);
    if (!encoder.hasError() || encoding != ProfileEncoding::Windows1250)
        return bytes;

    // The converter writes a Ctrl-Z for a character the code page lacks, and a
    // Ctrl-Z reads back as a blank; Windows writes '?', which stays visible.
    QByteArray replaced;
    for (const QChar c : text) {
        QStringEncoder single(kWindows1250, QStringConverter::Flag::Stateless);
        const QByteArray one = single(QStringView(&c, 1));
        replaced += single.hasError() ? QByteArray("?") : one;
    }
    return replaced;
}
