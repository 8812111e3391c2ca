#include "platform/profiletext.h"

namespace {

// DOS-era tools end a file with a Ctrl-Z, and Windows reads it as a blank like
// any other.
constexpr char16_t CtrlZ = 0x1A;

bool isBlank(QChar c)
{
    return c.isSpace() || c == CtrlZ;
}

QString trimmedBlanks(QStringView text)
{
    while (!text.isEmpty() && isBlank(text.front()))
        text = text.sliced(1);
    while (!text.isEmpty() && isBlank(text.back()))
        text = text.chopped(1);
    return text.toString();
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
{
    const DetectedEncoding detected = detectProfileEncoding(bytes);
    m_encoding = detected.encoding;
    m_mark = bytes.first(detected.markSize);
    const qsizetype unit = codeUnitSize(m_encoding);
    // An odd byte at the end of a UTF-16 file belongs to no line; it stays the
    // last byte, so that the lines added before it keep their alignment.
    const qsizetype end = bytes.size() - (bytes.size() - detected.markSize) % unit;
    m_tail = bytes.sliced(end);

    const auto isLineBreakAt = [&](qsizetype i) {
        const char16_t c = codeUnitAt(bytes, i, m_encoding);
        return c == u'\r' || c == u'\n';
    };
    qsizetype start = detected.markSize;
    while (start < end) {
        qsizetype stop = start;
        while (stop < end && !isLineBreakAt(stop))
            stop += unit;
        qsizetype next = stop;
        if (stop < end) {
            next += unit;
            if (next < end && codeUnitAt(bytes, stop, m_encoding) == u'\r'
                && codeUnitAt(bytes, next, m_encoding) == u'\n')
                next += unit;
        }
        const QByteArray lineBytes = bytes.sliced(start, stop - start);
        Line line = parseLine(decodeProfileText(lineBytes, m_encoding));
        line.bytes = lineBytes;
        line.ending = bytes.sliced(stop, next - stop);
        m_lines.append(std::move(line));
        start = next;
    }

    m_lineEnd = encodeProfileText(QStringLiteral("\r\n"), m_encoding);
    for (const Line &line : std::as_const(m_lines)) {
        if (!line.ending.isEmpty()) {
            m_lineEnd = line.ending;
            break;
        }
    }
}

ProfileText::Line ProfileText::parseLine(const QString &text)
{
    Line line;
    const QString trimmed = trimmedBlanks(text);
    if (trimmed.isEmpty() || trimmed.front() == u';')
        return line;
    // A header is "[" and "]" with the name between them; the name ends at the
    // first "]" and anything after it is ignored. A line that opens a bracket
    // and never closes it, such as the note "[pozor: COM3 je USB", is no
    // header: the keys after it stay in the section they are in.
    const qsizetype close = trimmed.indexOf(QLatin1Char(']'));
    if (trimmed.front() == u'[' && close > 0) {
        line.kind = Kind::Section;
        line.name = trimmedBlanks(QStringView(trimmed).sliced(1, close - 1));
        return line;
    }
    const qsizetype equals = text.indexOf(QLatin1Char('='));
    if (equals < 0)
        return line;
    line.name = trimmedBlanks(QStringView(text).first(equals));
    if (line.name.isEmpty())
        return line;
    qsizetype valueStart = equals + 1;
    while (valueStart < text.size() && isBlank(text[valueStart]))
        ++valueStart;
    line.kind = Kind::Key;
    line.keyPrefix = text.left(valueStart);
    line.value = unquoted(trimmedBlanks(QStringView(text).sliced(valueStart)));
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
    line.bytes = encodeProfileText(text, m_encoding);
    line.ending = m_lineEnd;
    return line;
}

void ProfileText::insertLine(qsizetype index, const QString &text)
{
    // A last line without a line end gets one before anything follows it.
    if (index > 0 && m_lines[index - 1].ending.isEmpty())
        m_lines[index - 1].ending = m_lineEnd;
    Line line = makeLine(text);
    // A lone CR in front of an empty line that ends in LF would read as one
    // CR LF, and the empty line would be gone at the next reading.
    const QByteArray lineFeed = encodeProfileText(QStringLiteral("\n"), m_encoding);
    if (index < m_lines.size() && m_lines[index].bytes.isEmpty()
        && m_lines[index].ending.startsWith(lineFeed)
        && line.ending == encodeProfileText(QStringLiteral("\r"), m_encoding))
        line.ending += lineFeed;
    m_lines.insert(index, std::move(line));
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
            // Saving the value that is there keeps the line as the user wrote
            // it, with its spacing, quotes and Ctrl-Z.
            if (line.value != cleanValue) {
                const QByteArray ending = line.ending;
                line = makeLine(line.keyPrefix + cleanValue);
                line.ending = ending;
            }
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
    QByteArray bytes = m_mark;
    for (const Line &line : m_lines)
        bytes += line.bytes + line.ending;
    return bytes + m_tail;
}
