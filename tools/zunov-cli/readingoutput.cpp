#include "readingoutput.h"

#include "record/csvrows.h"
#include "record/rowfields.h"
#include "record/sweeprows.h"

#include <QStringList>

namespace {

const QString TextTimeFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");
constexpr int TextQuantityWidth = 2;
constexpr char16_t FirstPrintable = 0x20;

// Written by hand rather than through QJsonObject, which would sort the keys
// and write large values with an exponent.
QString jsonString(const QString &text)
{
    QString quoted = QStringLiteral("\"");
    for (const QChar c : text) {
        if (c == u'"' || c == u'\\')
            quoted += QLatin1Char('\\') + c;
        else if (c.unicode() < FirstPrintable)
            quoted += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        else
            quoted += c;
    }
    return quoted + QLatin1Char('"');
}

QString jsonBytes(const Frame &reply)
{
    QStringList bytes;
    for (uint8_t byte : reply)
        bytes << QString::number(byte);
    return QLatin1Char('[') + bytes.join(QLatin1Char(',')) + QLatin1Char(']');
}

QByteArray jsonLines(const std::vector<Reading> &readings, const Frame &reply,
                     const QDateTime &time)
{
    const QString timeField = jsonString(rowTime(time));
    const QString rawField = jsonBytes(reply);
    QString lines;
    for (const Reading &reading : readings) {
        lines +=
            QStringLiteral("{\"time\":%1,\"quantity\":%2,\"value\":%3,\"unit\":%4,"
                           "\"display\":%5,\"raw\":%6}\n")
                .arg(timeField, jsonString(quantityName(reading.quantity).toString()),
                     rowValue(reading.value), jsonString(unitName(reading.quantity).toString()),
                     jsonString(reading.text), rawField);
    }
    return lines.toUtf8();
}

QByteArray sweepJsonLine(const SweepStep &step)
{
    QStringList members{
        QStringLiteral("\"step\":%1").arg(step.number),
        QStringLiteral("\"waveform\":%1").arg(jsonString(sweepWaveformName(step.waveformCode))),
        QStringLiteral("\"value\":%1").arg(step.value),
        QStringLiteral("\"tx\":%1").arg(jsonBytes(step.tx)),
    };
    const QString null = QStringLiteral("null");
    for (Quantity quantity : AllQuantities) {
        const RunningStatistics &readings = step.of(quantity);
        const bool any = readings.count() > 0;
        members
            << QStringLiteral("\"%1\":%2").arg(sweepColumn(quantity, u"n")).arg(readings.count())
            << QStringLiteral("\"%1\":%2")
                   .arg(sweepColumn(quantity, u"mean"), any ? rowValue(readings.mean()) : null)
            << QStringLiteral("\"%1\":%2")
                   .arg(sweepColumn(quantity, u"sd"),
                        any ? rowValue(readings.standardDeviation()) : null);
    }
    return (QLatin1Char('{') + members.join(QLatin1Char(',')) + QStringLiteral("}\n")).toUtf8();
}

QByteArray textLines(const std::vector<Reading> &readings, const QDateTime &time)
{
    const QString timeText = time.toString(TextTimeFormat);
    QString lines;
    for (const Reading &reading : readings) {
        lines += QStringLiteral("%1  %2  %3\n")
                     .arg(timeText)
                     .arg(quantityName(reading.quantity), -TextQuantityWidth)
                     .arg(reading.text);
    }
    return lines.toUtf8();
}

} // namespace

QByteArray statisticsLines(const ReadingStatistics &statistics)
{
    QString lines;
    for (Quantity quantity : AllQuantities) {
        const RunningStatistics &figures = statistics.of(quantity);
        if (figures.count() == 0)
            continue;
        lines += QStringLiteral("STAT %1 n=%2 min=%3 max=%4 mean=%5 sd=%6 unit=%7\n")
                     .arg(quantityName(quantity))
                     .arg(figures.count())
                     .arg(rowValue(figures.minimum()), rowValue(figures.maximum()),
                          rowValue(figures.mean()), rowValue(figures.standardDeviation()),
                          unitName(quantity).toString());
    }
    return lines.toUtf8();
}

QByteArray statisticsJson(const ReadingStatistics &statistics)
{
    QStringList objects;
    for (Quantity quantity : AllQuantities) {
        const RunningStatistics &figures = statistics.of(quantity);
        if (figures.count() == 0)
            continue;
        objects << QStringLiteral("{\"quantity\":%1,\"n\":%2,\"min\":%3,\"max\":%4,"
                                  "\"mean\":%5,\"sd\":%6,\"unit\":%7}")
                       .arg(jsonString(quantityName(quantity).toString()))
                       .arg(figures.count())
                       .arg(rowValue(figures.minimum()), rowValue(figures.maximum()),
                            rowValue(figures.mean()), rowValue(figures.standardDeviation()),
                            jsonString(unitName(quantity).toString()));
    }
    return (QStringLiteral("{\"stats\":[") + objects.join(QLatin1Char(','))
            + QStringLiteral("]}\n"))
        .toUtf8();
}

QByteArray outputHeader(OutputFormat format)
{
    return format == OutputFormat::Csv ? csvHeader() : QByteArray();
}

QByteArray outputRows(OutputFormat format, const std::vector<Reading> &readings, const Frame &reply,
                      const QDateTime &time)
{
    switch (format) {
    case OutputFormat::Csv:
        return csvRows(readings, reply, time);
    case OutputFormat::Json:
        return jsonLines(readings, reply, time);
    case OutputFormat::Text:
        break;
    }
    return textLines(readings, time);
}

QByteArray outputLinkRow(OutputFormat format, bool online, const QDateTime &time)
{
    const QString display = linkDisplay(online);
    switch (format) {
    case OutputFormat::Csv:
        return csvLinkRow(online, time);
    case OutputFormat::Json:
        return QStringLiteral("{\"time\":%1,\"quantity\":%2,\"value\":%3,\"unit\":\"\","
                              "\"display\":%4,\"raw\":[]}\n")
            .arg(jsonString(rowTime(time)), jsonString(LinkQuantityName.toString()),
                 QString::number(online ? 1 : 0), jsonString(display))
            .toUtf8();
    case OutputFormat::Text:
        break;
    }
    return QStringLiteral("%1  %2  %3\n")
        .arg(time.toString(TextTimeFormat), LinkQuantityName.toString(), display)
        .toUtf8();
}

QByteArray sweepOutputHeader(OutputFormat format)
{
    return format == OutputFormat::Csv ? sweepCsvHeader() : QByteArray();
}

QByteArray sweepOutputRow(OutputFormat format, const SweepStep &step)
{
    return format == OutputFormat::Csv ? sweepCsvRow(step) : sweepJsonLine(step);
}
