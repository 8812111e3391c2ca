#include "record/historyrows.h"

#include "record/csvrows.h"

#include <QDateTime>
#include <algorithm>
#include <tuple>

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
        int replyInMs; // replies can come within one millisecond: the first, the second...
        Quantity quantity;
        qsizetype index;
    };
    std::vector<Row> rows;
    for (Quantity quantity : AllQuantities) {
        const QuantityHistory &of = history.of(quantity);
        const IndexRange points = of.pointsBetween(fromMs, toMs);
        for (qsizetype index = points.begin; index < points.end; ++index) {
            const qint64 timeMs = of.point(index).timeMs;
            const bool sameMs =
                !rows.empty() && rows.back().quantity == quantity && rows.back().timeMs == timeMs;
            rows.push_back({timeMs, sameMs ? rows.back().replyInMs + 1 : 0, quantity, index});
        }
    }
    // A reply's readings share their time and keep the order of the
    // quantities, as the recording wrote them; of two replies in the same
    // millisecond, each quantity's first reading belongs to the first.
    std::sort(rows.begin(), rows.end(), [](const Row &a, const Row &b) {
        return std::tie(a.timeMs, a.replyInMs, a.quantity)
               < std::tie(b.timeMs, b.replyInMs, b.quantity);
    });
    QByteArray bytes;
    for (const Row &row : rows)
        bytes += pointRow(history.of(row.quantity).point(row.index), row.quantity);
    return bytes;
}
