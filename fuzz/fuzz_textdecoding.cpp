// decodeText and splitTextLines: valid UTF-8 is decoded as UTF-8, anything
// else byte for byte as Windows-1250; the lines are the text between line
// breaks, CR LF counting once, with no empty line for a break at the end.
#include "fuzzcheck.h"
#include "platform/textfile.h"

#include <QByteArray>
#include <QString>

namespace {

// Well-formed UTF-8 by its definition: no overlong forms, no surrogates,
// nothing above U+10FFFF, no sequence cut off.
bool isUtf8(const QByteArray &bytes)
{
    qsizetype i = 0;
    while (i < bytes.size()) {
        const uchar lead = uchar(bytes[i]);
        int length = 1;
        uint low = 0x80; // the allowed range of the byte after the lead
        uint high = 0xBF;
        if (lead < 0x80) {
            ++i;
            continue;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            low = lead == 0xE0 ? 0xA0 : 0x80;
            high = lead == 0xED ? 0x9F : 0xBF;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            low = lead == 0xF0 ? 0x90 : 0x80;
            high = lead == 0xF4 ? 0x8F : 0xBF;
        } else {
            return false;
        }
        if (i + length > bytes.size())
            return false;
        for (int k = 1; k < length; ++k) {
            const uchar next = uchar(bytes[i + k]);
            if (next < (k == 1 ? low : 0x80) || next > (k == 1 ? high : 0xBF))
                return false;
        }
        i += length;
    }
    return true;
}

qsizetype lineBreaks(const QString &text)
{
    return text.count(u'\n') + text.count(u'\r') - text.count(u"\r\n");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString text = decodeText(bytes);

    if (isUtf8(bytes)) {
        // A byte order mark is no part of the text.
        const QByteArray bom = "\xEF\xBB\xBF";
        FUZZ_CHECK(text.toUtf8() == (bytes.startsWith(bom) ? bytes.sliced(bom.size()) : bytes));
    } else {
        // A single-byte code page: one character per byte, ASCII unchanged.
        FUZZ_CHECK(text.size() == bytes.size());
        for (qsizetype i = 0; i < bytes.size(); ++i) {
            if (uchar(bytes[i]) < 0x80)
                FUZZ_CHECK(text[i] == QLatin1Char(bytes[i]));
        }
    }

    const QStringList lines = splitTextLines(text);
    const bool endsWithBreak = text.endsWith(u'\n') || text.endsWith(u'\r');
    FUZZ_CHECK(lines.size() == lineBreaks(text) + (text.isEmpty() || endsWithBreak ? 0 : 1));
    for (const QString &line : lines)
        FUZZ_CHECK(!line.contains(u'\r') && !line.contains(u'\n'));
    QString joined = text;
    joined.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    if (joined.endsWith(u'\n'))
        joined.chop(1);
    FUZZ_CHECK(lines.join(u'\n') == joined);
    return 0;
}
