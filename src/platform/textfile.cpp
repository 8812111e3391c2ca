#include "platform/textfile.h"

#include "platform/apperror.h"
#include "platform/regularfile.h"
#include "platform/windows1250.h"

#include <QRegularExpression>
#include <QStringDecoder>

QString decodeText(const QByteArray &bytes)
{
    if (!isUtf8(bytes))
        return fromWindows1250(bytes);
    QStringDecoder utf8(QStringDecoder::Utf8); // skips a byte-order mark
    return utf8.decode(bytes);
}

QStringList splitTextLines(const QString &text)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    if (text.isEmpty())
        return {};
    QStringList lines = text.split(lineBreak);
    if (lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QString readTextFile(const QString &name, qint64 maxBytes)
{
    const std::optional<QByteArray> bytes = readRegularFile(name, maxBytes);
    if (!bytes)
        throw AppError::cannotOpenFile(name);
    return decodeText(*bytes);
}

QStringList readTextLines(const QString &name, qint64 maxBytes)
{
    return splitTextLines(readTextFile(name, maxBytes));
}
