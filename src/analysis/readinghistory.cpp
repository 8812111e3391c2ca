#include "analysis/readinghistory.h"

#include <cmath>
#include <limits>

namespace {

// The first millisecond of the second holding timeMs, also before 1970.
qint64 secondStart(qint64 timeMs)
{
    const qint64 rest = timeMs % 1000;
    return rest < 0 ? timeMs - rest - 1000 : timeMs - rest;
}

// Sorts values that come in time order into the columns of a time range.
// The column ends are worked out once per column, so that a point costs a
// comparison rather than a division.
class ColumnFolder
{
public:
    ColumnFolder(qint64 fromMs, qint64 toMs, int columns)
        : m_fromMs(fromMs)
        , m_span(__int128(toMs) - fromMs + 1)
        , m_columns(size_t(columns))
        , m_endMs(columnStart(1))
    {}

    void add(qint64 timeMs, double minimum, double maximum)
    {
        if (timeMs >= m_endMs)
            moveTo(timeMs);
        m_minimum = std::min(m_minimum, minimum);
        m_maximum = std::max(m_maximum, maximum);
    }

    std::vector<ValueRange> take()
    {
        keepColumn();
        return std::move(m_columns);
    }

private:
    // The smallest time whose column, (t - from) * columns / span rounded
    // down, is `column`. In 128 bits: the product overflows 64 for a range
    // as long as the clock's.
    qint64 columnStart(qsizetype column) const
    {
        const auto columns = __int128(m_columns.size());
        return qint64(m_fromMs + (m_span * column + columns - 1) / columns);
    }

    // The extremes of the current column are kept apart from the column
    // list, where the compiler can hold them in registers.
    void keepColumn()
    {
        ValueRange &column = m_columns[size_t(m_column)];
        if (m_minimum <= m_maximum) {
            column.minimum = column.empty ? m_minimum : std::min(column.minimum, m_minimum);
            column.maximum = column.empty ? m_maximum : std::max(column.maximum, m_maximum);
            column.empty = false;
        }
        m_minimum = Infinity;
        m_maximum = -Infinity;
    }
    void moveTo(qint64 timeMs)
    {
        keepColumn();
        while (timeMs >= m_endMs && m_column + 1 < qsizetype(m_columns.size()))
            m_endMs = columnStart(++m_column + 1);
    }

    static constexpr double Infinity = std::numeric_limits<double>::infinity();
    qint64 m_fromMs;
    __int128 m_span;
    std::vector<ValueRange> m_columns;
    qsizetype m_column = 0;
    qint64 m_endMs;
    double m_minimum = Infinity;
    double m_maximum = -Infinity;
};

} // namespace

QuantityHistory::QuantityHistory(qint64 fullResolutionMs, qsizetype blockCapacity)
    : m_fullResolutionMs(std::max<qint64>(fullResolutionMs, 0))
    , m_blockCapacity(std::max<qsizetype>(blockCapacity, 1))
{}

void QuantityHistory::add(double value, const Frame &raw, qint64 timeMs)
{
    if (!std::isfinite(value))
        return;
    if (!isEmpty())
        timeMs = std::max(timeMs, lastTimeMs());
    const auto [chunk, place] = m_points.pushBack();
    chunk.timeMs[size_t(place)] = timeMs;
    chunk.value[size_t(place)] = value;
    chunk.raw[size_t(place)] = raw;

    const qint64 keepFromMs = secondStart(timeMs - m_fullResolutionMs);
    for (;;) {
        const auto [oldest, oldestPlace] = m_points.at(0);
        if (oldest.timeMs[size_t(oldestPlace)] >= keepFromMs)
            break;
        addToBlock(oldest.timeMs[size_t(oldestPlace)], oldest.value[size_t(oldestPlace)]);
        m_points.popFront();
    }
}

void QuantityHistory::addToBlock(qint64 timeMs, double value)
{
    const qint64 startMs = secondStart(timeMs);
    if (m_blocks.size() > 0) {
        const auto [chunk, place] = m_blocks.back();
        const auto i = size_t(place);
        if (chunk.timeMs[i] == startMs) {
            chunk.minimum[i] = std::min(chunk.minimum[i], value);
            chunk.maximum[i] = std::max(chunk.maximum[i], value);
            chunk.sum[i] += value;
            ++chunk.count[i];
            return;
        }
    }
    if (m_blocks.size() == m_blockCapacity)
        m_blocks.popFront();
    const auto [chunk, place] = m_blocks.pushBack();
    const auto i = size_t(place);
    chunk.timeMs[i] = startMs;
    chunk.minimum[i] = value;
    chunk.maximum[i] = value;
    chunk.sum[i] = value;
    chunk.count[i] = 1;
}

void QuantityHistory::clear()
{
    m_points.clear();
    m_blocks.clear();
}

qint64 QuantityHistory::firstTimeMs() const
{
    if (isEmpty())
        return 0;
    return m_blocks.size() > 0 ? block(0).startMs : point(0).timeMs;
}

qint64 QuantityHistory::lastTimeMs() const
{
    if (isEmpty())
        return 0;
    const auto [chunk, place] = m_points.at(m_points.size() - 1);
    return chunk.timeMs[size_t(place)];
}

qint64 QuantityHistory::memoryBytes() const
{
    return qint64(sizeof(*this)) + m_points.memoryBytes() + m_blocks.memoryBytes();
}

IndexRange QuantityHistory::pointsBetween(qint64 fromMs, qint64 toMs) const
{
    const qsizetype begin = m_points.firstFrom(fromMs);
    return {begin, std::max(begin, m_points.firstAfter(toMs))};
}

HistoryPoint QuantityHistory::point(qsizetype index) const
{
    const auto [chunk, place] = m_points.at(index);
    const auto i = size_t(place);
    return {chunk.timeMs[i], chunk.value[i], chunk.raw[i]};
}

IndexRange QuantityHistory::blocksBetween(qint64 fromMs, qint64 toMs) const
{
    const qsizetype begin = m_blocks.firstFrom(fromMs);
    return {begin, std::max(begin, m_blocks.firstAfter(toMs))};
}

SecondBlock QuantityHistory::block(qsizetype index) const
{
    const auto [chunk, place] = m_blocks.at(index);
    const auto i = size_t(place);
    return {chunk.timeMs[i], chunk.minimum[i], chunk.maximum[i],
            chunk.sum[i] / double(chunk.count[i]), chunk.count[i]};
}

std::vector<ValueRange> QuantityHistory::decimate(qint64 fromMs, qint64 toMs, int columns) const
{
    if (columns <= 0)
        return {};
    if (toMs < fromMs)
        return std::vector<ValueRange>(size_t(columns));
    // Every block is older than every point, so the folder sees the times
    // in order.
    ColumnFolder folder(fromMs, toMs, columns);
    m_blocks.visit(blocksBetween(fromMs, toMs), [&folder](const BlockChunk &chunk, qsizetype i) {
        folder.add(chunk.timeMs[size_t(i)], chunk.minimum[size_t(i)], chunk.maximum[size_t(i)]);
    });
    m_points.visit(pointsBetween(fromMs, toMs), [&folder](const PointChunk &chunk, qsizetype i) {
        folder.add(chunk.timeMs[size_t(i)], chunk.value[size_t(i)], chunk.value[size_t(i)]);
    });
    return folder.take();
}

ValueRange QuantityHistory::range(qint64 fromMs, qint64 toMs) const
{
    return decimate(fromMs, toMs, 1).front();
}

ReadingHistory::ReadingHistory(qint64 fullResolutionMs, qsizetype blockCapacity)
{
    for (QuantityHistory &history : m_quantities)
        history = QuantityHistory(fullResolutionMs, blockCapacity);
}

void ReadingHistory::add(const Reading &reading, const Frame &reply, qint64 timeMs)
{
    m_quantities[size_t(reading.quantity)].add(reading.value, reply, timeMs);
}

void ReadingHistory::clear()
{
    for (QuantityHistory &history : m_quantities)
        history.clear();
}
