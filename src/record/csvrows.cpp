#include "record/csvrows.h"

#include "record/rowfields.h"

#include <QStringList>

namespace {

const QString Header = QStringLiteral("time,quantity,value,unit,display,raw");
const QString LineEnd = QStringLiteral("\r\n");

QString field(const QString &text)
{
    const bool needsQuotes = text.contains(QLatin1Char(',')) || text.contains(QLatin1Char('"'))
                             || text.contains(QLatin1Char('\r'))
                             || text.contains(QLatin1Char('\n'));
    if (!needsQuotes)
        return text;
    return QLatin1Char('"') + QString(text).replace(QLatin1Char('"'), QStringLiteral("\"\""))
           + QLatin1Char('"');
}

QByteArray readingRows(const std::vector<Reading> &readings, const Frame &reply,
                       const QDateTime &time, QStringView namePrefix)
{
    const QString timeField = rowTime(time);
    const QString rawField = rowRawBytes(reply);
    QString rows;
    for (const Reading &reading : readings) {
        rows += QStringList{timeField,
                            namePrefix.toString().append(quantityName(reading.quantity)),
                            rowValue(reading.value),
                            unitName(reading.quantity).toString(),
                            field(reading.text),
                            rawField}
                    .join(QLatin1Char(','))
                + LineEnd;
    }
    return rows.toUtf8();
}

} // namespace

QByteArray csvHeader()
{
    return (Header + LineEnd).toUtf8();
}

QByteArray csvRows(const std::vector<Reading> &readings, const Frame &reply, const QDateTime &time)
{
    return readingRows(readings, reply, time, {});
}

QByteArray csvDifferenceRows(const std::vector<Reading> &differences, const Frame &reply,
                             const QDateTime &time)
{
    return readingRows(differences, reply, time, DifferencePrefix);
}

QByteArray csvSummaryRow(Quantity quantity, double value, const QDateTime &time)
{
    return (QStringList{rowTime(time), quantityName(quantity).toString(), rowValue(value),
                        unitName(quantity).toString(), QString(), QString()}
                .join(QLatin1Char(','))
            + LineEnd)
        .toUtf8();
}

QString linkDisplay(bool online)
{
    // As the link panel says it, in every language.
    return online ? QStringLiteral("ONLINE") : QStringLiteral("OFFLINE");
}

QByteArray csvLinkRow(bool online, const QDateTime &time)
{
    return (QStringList{rowTime(time), LinkQuantityName.toString(), QString::number(online ? 1 : 0),
                        QString(), linkDisplay(online), QString()}
                .join(QLatin1Char(','))
            + LineEnd)
        .toUtf8();
}
