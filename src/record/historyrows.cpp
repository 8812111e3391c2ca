#include "record/historyrows.h"

#include "record/csvrows.h"

#include <QDateTime>
#include <algorithm>

namespace {

// The text the label showed, made again from the reply it came in.
QString shownText(const HistoryPoint &point, Quantity quantity)
{
    for (const Reading &reading : interpretReply(point.raw).readings) {
        if (reading.quantity == quantity)
            return reading.text;
    }
    return {};
}

QByteArray pointRow(const HistoryPoint &point, Quantity quantity)
{
    return csvRows({Reading{quantity, point.value, shownText(point, quantity)}}, point.raw,
                   QDateTime::fromMSecsSinceEpoch(point.timeMs));
}

} // namespace

QByteArray exportRows(const QuantityHistory &history, Quantity quantity, qint64 fromMs, qint64 toMs)
{
    QByteArray rows = csvHeader();
    const IndexRange blocks = history.blocksBetween(fromMs, toMs);
    for (qsizetype index = blocks.begin; index < blocks.end; ++index) {
        const SecondBlock block = history.block(index);
        rows += csvSummaryRow(quantity, block.mean, QDateTime::fromMSecsSinceEpoch(block.startMs));
    }
    const IndexRange points = history.pointsBetween(fromMs, toMs);
    for (qsizetype index = points.begin; index < points.end; ++index)
        rows += pointRow(history.point(index), quantity);
    return rows;
}

QByteArray historyRows(const ReadingHistory &history, qint64 fromMs, qint64 toMs)
{
    struct Row
    {
        qint64 timeMs;
        Quantity quantity;
        qsizetype index;
    };
    std::vector<Row> rows;
    for (Quantity quantity : AllQuantities) {
        const QuantityHistory &of = history.of(quantity);
        const IndexRange points = of.pointsBetween(fromMs, toMs);
        for (qsizetype index = points.begin; index < points.end; ++index)
            rows.push_back({of.point(index).timeMs, quantity, index});
    }
    // A reply's readings share their time and keep the order of the
    // quantities, as the recording wrote them.
    std::stable_sort(rows.begin(), rows.end(),
                     [](const Row &a, const Row &b) { return a.timeMs < b.timeMs; });
    QByteArray bytes;
    for (const Row &row : rows)
        bytes += pointRow(history.of(row.quantity).point(row.index), row.quantity);
    return bytes;
}
