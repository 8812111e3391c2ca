#pragma once

#include "platform/profileencoding.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringView>
#include <optional>

// The contents of a profile (INI) file. Looks values up by section and key and
// changes them while every line it does not change keeps its bytes, its line end
// and its place; a last line without a line end gets one when a line is added
// after it. New and changed lines are written in the file's own encoding (see
// profileencoding.h), so that the file stays readable as a whole, and a new
// line ends like the file's first line.
class ProfileText
{
public:
    explicit ProfileText(const QByteArray &bytes = {});

    // The value of the first matching key in the first matching section, with
    // blanks trimmed and one pair of enclosing quotes removed; nothing when the
    // section or the key is absent.
    std::optional<QString> value(QStringView section, QStringView key) const;

    // Changes the value of the first matching key, or adds the key after the
    // last key of its section, or adds the section at the end. A key whose
    // value already reads as the new one keeps its line. Line breaks in any of
    // the three texts are replaced by spaces: they would add lines. An empty
    // key name changes nothing.
    void setValue(const QString &section, const QString &key, const QString &value);

    QByteArray toBytes() const;

private:
    enum class Kind { Other, Section, Key };
    struct Line
    {
        QByteArray bytes;  // without its line end
        QByteArray ending; // "\r\n", "\r", "\n", or empty for a last line without one
        Kind kind = Kind::Other;
        QString name;
        QString value;
        QString keyPrefix; // the text before the value, "Port = " in "Port = 5"
    };

    static Line parseLine(const QString &text);
    qsizetype findSection(QStringView section) const;
    qsizetype sectionEnd(qsizetype header) const;
    Line makeLine(const QString &text) const;
    void insertLine(qsizetype index, const QString &text);

    ProfileEncoding m_encoding = ProfileEncoding::Utf8;
    QByteArray m_mark; // the byte-order mark, kept as it was
    QList<Line> m_lines;
    QByteArray m_tail; // half a UTF-16 code unit cut off at the very end
    QByteArray m_lineEnd;
};
