#include "platform/profiletext.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {

constexpr char kWindows1250[] = "windows-1250";
constexpr char16_t kByteOrderMark = 0xFEFF;

bool isValidUtf8(const QByteArray &bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString ignored = decoder(bytes);
    return !decoder.hasError();
}

// Without the converter for Windows-1250 (a Qt built without ICU) Latin-1 at
// least keeps the ASCII part and every line break.
QString decode(const QByteArray &bytes, bool windows1250)
{
    if (windows1250) {
        QStringDecoder decoder(kWindows1250);
        if (decoder.isValid())
            return decoder(bytes);
        return QString::fromLatin1(bytes);
    }
    return QString::fromUtf8(bytes);
}

QByteArray encode(const QString &text, bool windows1250)
{
    if (windows1250) {
        QStringEncoder encoder(kWindows1250);
        if (encoder.isValid())
            return encoder(text);
        return text.toLatin1();
    }
    return text.toUtf8();
}

QString withoutLineBreaks(QString text)
{
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}

QString unquoted(const QString &value)
{
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'')
        && value.back() == value.front())
        return value.mid(1, value.size() - 2);
    return value;
}

bool sameName(QStringView a, QStringView b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

ProfileText::ProfileText(const QByteArray &bytes)
    : m_windows1250(!isValidUtf8(bytes))
{
    bool lineEndKnown = false;
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = start;
        while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n')
            ++end;
        Line line;
        line.bytes = bytes.sliced(start, end - start);
        qsizetype next = end;
        if (end < bytes.size()) {
            next = (bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n')
                       ? end + 2
                       : end + 1;
            line.ending = bytes.sliced(end, next - end);
            if (!lineEndKnown) {
                m_lineEnd = line.ending;
                lineEndKnown = true;
            }
        }
        QString text = decode(line.bytes, m_windows1250);
        if (m_lines.isEmpty() && text.startsWith(QChar(kByteOrderMark)))
            text.remove(0, 1);
        const Line parsed = parseLine(text);
        line.kind = parsed.kind;
        line.name = parsed.name;
        line.value = parsed.value;
        line.keyPrefix = parsed.keyPrefix;
        m_lines.append(std::move(line));
        start = next;
    }
}

ProfileText::Line ProfileText::parseLine(const QString &text)
{
    Line line;
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty() || trimmed.front() == u';')
        return line;
    if (trimmed.front() == u'[') {
        const qsizetype close = trimmed.indexOf(QLatin1Char(']'));
        line.kind = Kind::Section;
        line.name = (close < 0 ? trimmed.mid(1) : trimmed.mid(1, close - 1)).trimmed();
        return line;
    }
    const qsizetype equals = text.indexOf(QLatin1Char('='));
    if (equals < 0)
        return line;
    line.name = text.left(equals).trimmed();
    if (line.name.isEmpty())
        return line;
    qsizetype valueStart = equals + 1;
    while (valueStart < text.size() && text[valueStart].isSpace())
        ++valueStart;
    line.kind = Kind::Key;
    line.keyPrefix = text.left(valueStart);
    line.value = unquoted(text.mid(valueStart).trimmed());
    return line;
}

qsizetype ProfileText::findSection(QStringView section) const
{
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        if (m_lines[i].kind == Kind::Section && sameName(m_lines[i].name, section))
            return i;
    }
    return -1;
}

qsizetype ProfileText::sectionEnd(qsizetype header) const
{
    qsizetype i = header + 1;
    while (i < m_lines.size() && m_lines[i].kind != Kind::Section)
        ++i;
    return i;
}

std::optional<QString> ProfileText::value(QStringView section, QStringView key) const
{
    const qsizetype header = findSection(section.trimmed());
    if (header < 0)
        return std::nullopt;
    const qsizetype end = sectionEnd(header);
    for (qsizetype i = header + 1; i < end; ++i) {
        if (m_lines[i].kind == Kind::Key && sameName(m_lines[i].name, key.trimmed()))
            return m_lines[i].value;
    }
    return std::nullopt;
}

ProfileText::Line ProfileText::makeLine(const QString &text) const
{
    Line line = parseLine(text);
    line.bytes = encode(text, m_windows1250);
    line.ending = m_lineEnd;
    return line;
}

void ProfileText::insertLine(qsizetype index, const QString &text)
{
    // A last line without a line end gets one before anything follows it.
    if (index > 0 && m_lines[index - 1].ending.isEmpty())
        m_lines[index - 1].ending = m_lineEnd;
    m_lines.insert(index, makeLine(text));
}

void ProfileText::setValue(const QString &section, const QString &key, const QString &value)
{
    const QString cleanSection = withoutLineBreaks(section).trimmed();
    const QString cleanKey = withoutLineBreaks(key).trimmed();
    const QString cleanValue = withoutLineBreaks(value);
    // A line "=value" is no key to read back, so there is nothing to store.
    if (cleanKey.isEmpty())
        return;
    const QString keyLine = cleanKey + QLatin1Char('=') + cleanValue;

    const qsizetype header = findSection(cleanSection);
    if (header < 0) {
        insertLine(m_lines.size(), QLatin1Char('[') + cleanSection + QLatin1Char(']'));
        insertLine(m_lines.size(), keyLine);
        return;
    }
    const qsizetype end = sectionEnd(header);
    qsizetype afterLastKey = header + 1;
    for (qsizetype i = header + 1; i < end; ++i) {
        Line &line = m_lines[i];
        if (line.kind != Kind::Key)
            continue;
        if (sameName(line.name, cleanKey)) {
            const QByteArray ending = line.ending;
            line = makeLine(line.keyPrefix + cleanValue);
            line.ending = ending;
            return;
        }
        afterLastKey = i + 1;
    }
    // After the section's last key, so that blank lines and comments that lead
    // into the next section stay where they are.
    insertLine(afterLastKey, keyLine);
}

QByteArray ProfileText::toBytes() const
{
    QByteArray bytes;
    for (const Line &line : m_lines)
        bytes += line.bytes + line.ending;
    return bytes;
}
