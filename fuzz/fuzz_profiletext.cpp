// ProfileText in memory, as the settings file uses it: read a file, write one
// key, read again. The value reads back as written; every line the write did
// not touch keeps its bytes and its place; a file read and written without a
// change comes out byte for byte as it went in.
#include "fuzzcheck.h"
#include "platform/profiletext.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <fuzzer/FuzzedDataProvider.h>

namespace {

// Names the program could use: letters (Czech ones too), digits, inner
// blanks. Characters that make a line something else ("=", "[", "]", ";")
// are no part of a name.
const QString kNameCharacters = QString::fromUtf8("ABCPTSERanpt019 _.-čŘžá");
// Values as a user can type them; "\r" and "\n" are written as spaces.
const QString kValueCharacters = QString::fromUtf8("0123456789$xXaB -+=;[]\"' \t\r\nčŽýÚ€");

QString pick(FuzzedDataProvider &input, const QString &characters, size_t maxLength)
{
    QString text;
    const size_t length = input.ConsumeIntegralInRange<size_t>(0, maxLength);
    for (size_t i = 0; i < length; ++i)
        text += characters[input.ConsumeIntegralInRange<qsizetype>(0, characters.size() - 1)];
    return text;
}

// What reading gives back for a value that was written: line breaks as
// blanks, blanks trimmed, one pair of enclosing quotes removed.
QString readBack(QString value)
{
    value.replace(u'\r', u' ').replace(u'\n', u' ');
    value = value.trimmed();
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'')
        && value.back() == value.front())
        value = value.mid(1, value.size() - 2);
    return value;
}

struct Line
{
    QByteArray bytes;
    QByteArray ending;

    bool operator==(const Line &) const = default;
};

// A file with a UTF-16 mark is read in two-byte code units, any other byte by
// byte; in both a line ends with CR, LF or CR LF. A byte-order mark, and an
// odd byte at the end of a UTF-16 file, belong to no line.
QList<Line> lines(const QByteArray &bytes)
{
    const bool littleEndian = bytes.startsWith("\xFF\xFE");
    const bool bigEndian = bytes.startsWith("\xFE\xFF");
    const qsizetype unit = littleEndian || bigEndian ? 2 : 1;
    const qsizetype first = unit == 2 ? 2 : bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    const qsizetype end = bytes.size() - (bytes.size() - first) % unit;
    const auto codeUnit = [&](qsizetype i) -> char16_t {
        if (unit == 1)
            return uint8_t(bytes[i]);
        const auto low = uint8_t(bytes[littleEndian ? i : i + 1]);
        const auto high = uint8_t(bytes[littleEndian ? i + 1 : i]);
        return char16_t(high << 8 | low);
    };
    QList<Line> result;
    qsizetype start = first;
    while (start < end) {
        qsizetype stop = start;
        while (stop < end && codeUnit(stop) != u'\r' && codeUnit(stop) != u'\n')
            stop += unit;
        qsizetype next = stop;
        if (stop < end) {
            next += unit;
            if (next < end && codeUnit(stop) == u'\r' && codeUnit(next) == u'\n')
                next += unit;
        }
        result.append({bytes.mid(start, stop - start), bytes.mid(stop, next - stop)});
        start = next;
    }
    return result;
}

// The write changed one line in place (keeping its line end), or inserted one
// or two lines at one place; a last line without a line end may have got one
// when lines were added after it. Nothing else moved or changed.
bool onlyTheWrittenLinesChanged(const QList<Line> &before, const QList<Line> &after)
{
    const qsizetype added = after.size() - before.size();
    if (added < 0 || added > 2)
        return false;
    qsizetype same = 0;
    while (same < before.size() && before[same] == after[same])
        ++same;
    if (same == before.size())
        return true;
    if (added == 0)
        return before[same].ending == after[same].ending
               && before.sliced(same + 1) == after.sliced(same + 1);
    if (same == before.size() - 1 && before[same].ending.isEmpty()
        && before[same].bytes == after[same].bytes)
        return true;
    return before.sliced(same) == after.sliced(same + added);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const QString section = pick(input, kNameCharacters, 8);
    const QString key = pick(input, kNameCharacters, 8);
    const QString value = pick(input, kValueCharacters, 12);
    const std::string rest = input.ConsumeRemainingBytesAsString();
    const QByteArray before(rest.data(), qsizetype(rest.size()));

    ProfileText text(before);
    FUZZ_CHECK(text.toBytes() == before);

    text.setValue(section, key, value);
    const QByteArray after = text.toBytes();
    FUZZ_CHECK(onlyTheWrittenLinesChanged(lines(before), lines(after)));
    if (key.trimmed().isEmpty())
        FUZZ_CHECK(after == before);
    else
        FUZZ_CHECK(ProfileText(after).value(section, key) == readBack(value));
    return 0;
}
