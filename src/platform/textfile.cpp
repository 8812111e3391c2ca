#include "platform/textfile.h"

#include "platform/apperror.h"

#include <QFile>
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

QString readTextFile(const QString &name)
{
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly))
        throw AppError::cannotOpenFile(name);
    return decodeText(file.readAll());
}

QStringList readTextLines(const QString &name)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    const QString text = readTextFile(name);
    if (text.isEmpty())
        return {};
    QStringList lines = text.split(lineBreak);
    if (lines.last().isEmpty())
        lines.removeLast();
    return lines;
}
