// parseInteger against the forms its header allows, written out here on
// their own, and round trips of every 32-bit value through those forms.
#include "fuzzcheck.h"
#include "platform/integertext.h"

#include <QString>
#include <charconv>
#include <cstring>
#include <limits>

namespace {

// The value of text made only of ASCII digits of the base, when it fits 64
// bits once leading zeros are dropped.
std::optional<quint64> digitsValue(QStringView text, int base)
{
    for (const QChar c : text) {
        if (c.unicode() > 0x7F)
            return std::nullopt;
    }
    QByteArray ascii = text.toLatin1();
    while (ascii.size() > 1 && ascii.front() == '0')
        ascii.remove(0, 1);
    quint64 value = 0;
    const auto [end, error] =
        std::from_chars(ascii.constData(), ascii.constData() + ascii.size(), value, base);
    if (ascii.isEmpty() || error != std::errc() || end != ascii.constData() + ascii.size())
        return std::nullopt;
    return value;
}

std::optional<qint32> hexadecimal(QStringView digits)
{
    const auto value = digitsValue(digits, 16);
    if (!value || *value > std::numeric_limits<quint32>::max())
        return std::nullopt;
    return qint32(quint32(*value));
}

// What the header promises, form by form.
std::optional<qint32> expected(QStringView text)
{
    if (text.size() > 2 && text.startsWith(u"0x", Qt::CaseInsensitive))
        return hexadecimal(text.sliced(2));
    while (text.startsWith(u' '))
        text = text.sliced(1);
    if (text.startsWith(u'$'))
        return hexadecimal(text.sliced(1));
    const bool negative = text.startsWith(u'-');
    if (negative || text.startsWith(u'+'))
        text = text.sliced(1);
    // from_chars would take a sign of its own.
    if (text.startsWith(u'-') || text.startsWith(u'+'))
        return std::nullopt;
    const auto magnitude = digitsValue(text, 10);
    const quint64 limit = negative ? quint64(1) << 31 : (quint64(1) << 31) - 1;
    if (!magnitude || *magnitude > limit)
        return std::nullopt;
    return qint32(negative ? -qint64(*magnitude) : qint64(*magnitude));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // Every byte as one character, and the same bytes as UTF-16, which brings
    // in digits of other scripts that must not count.
    const QString latin1 =
        QString::fromLatin1(reinterpret_cast<const char *>(data), qsizetype(size));
    FUZZ_CHECK(parseInteger(latin1) == expected(latin1));
    QString utf16(qsizetype(size / 2), Qt::Uninitialized);
    std::memcpy(utf16.data(), data, size_t(utf16.size()) * sizeof(QChar));
    FUZZ_CHECK(parseInteger(utf16) == expected(utf16));

    if (size >= sizeof(qint32)) {
        qint32 value = 0;
        std::memcpy(&value, data, sizeof value);
        const QString hex = QString::number(quint32(value), 16);
        FUZZ_CHECK(parseInteger(QString::number(value)) == value);
        FUZZ_CHECK(parseInteger(QStringLiteral("  ") + QString::number(value)) == value);
        FUZZ_CHECK(parseInteger(QStringLiteral("0x") + hex.toUpper()) == value);
        FUZZ_CHECK(parseInteger(QStringLiteral(" $000") + hex) == value);
    }
    return 0;
}
