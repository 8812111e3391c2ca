#include "platform/textfile.h"

#include "platform/apperror.h"
#include "platform/regularfile.h"

#include <QRegularExpression>
#include <QStringDecoder>

QString decodeText(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    QStringDecoder windows1250("windows-1250");
    if (windows1250.isValid())
        return windows1250.decode(bytes);
    return QString::fromLatin1(bytes);
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
