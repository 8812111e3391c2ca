#pragma once

#include "link/frame.h"
#include "measure/replyinterpreter.h"

#include <QtGlobal>
#include <algorithm>
#include <array>
#include <deque>
#include <memory>
#include <vector>

// How much of a session is kept reading by reading, and how many seconds
// before that are kept as one block each: an hour, and three days.
inline constexpr qint64 DefaultFullResolutionMs = 3600 * 1000;
inline constexpr qsizetype DefaultSecondBlockCapacity = 3 * 24 * 3600;

// One reading as it came.
struct HistoryPoint
{
    qint64 timeMs;
    double value;
    Frame raw; // the reply the value was read from
};

// The readings of one second of the clock, once they are older than the
// full-resolution window.
struct SecondBlock
{
    qint64 startMs; // the second's first millisecond
    double minimum;
    double maximum;
    double mean;
    qint32 count;
};

// The smallest and the largest value in a stretch of time.
struct ValueRange
{
    double minimum = 0;
    double maximum = 0;
    bool empty = true; // no value fell in the stretch; then the others mean nothing
};

// Positions [begin, end) among the points or the blocks, oldest first.
struct IndexRange
{
    qsizetype begin = 0;
    qsizetype end = 0;
};

// A queue of records kept in fixed-size chunks of parallel arrays: appending
// never moves what is held, and dropping from the front frees a whole chunk
// at a time instead of one allocation per record. Each chunk has a sorted
// timeMs array, by which the records are searched.
template<class Chunk>
class ChunkQueue
{
public:
    template<class C>
    struct Slot
    {
        C &chunk;
        qsizetype place;
    };

    qsizetype size() const { return m_size; }
    Slot<const Chunk> at(qsizetype index) const
    {
        const qsizetype position = m_head + index;
        return {*m_chunks[size_t(position / Chunk::Size)], position % Chunk::Size};
    }
    Slot<Chunk> back()
    {
        const qsizetype position = m_head + m_size - 1;
        return {*m_chunks[size_t(position / Chunk::Size)], position % Chunk::Size};
    }

    Slot<Chunk> pushBack()
    {
        if (m_head + m_size == qsizetype(m_chunks.size()) * Chunk::Size)
            m_chunks.push_back(std::make_unique_for_overwrite<Chunk>());
        ++m_size;
        return back();
    }
    void popFront()
    {
        --m_size;
        if (++m_head == Chunk::Size) {
            m_chunks.pop_front();
            m_head = 0;
        }
    }
    void clear()
    {
        m_chunks.clear();
        m_head = 0;
        m_size = 0;
    }

    // The first record whose time is not before timeMs, or (inclusive) not
    // after it.
    qsizetype firstFrom(qint64 timeMs) const
    {
        return partition([timeMs](qint64 time) { return time < timeMs; });
    }
    qsizetype firstAfter(qint64 timeMs) const
    {
        return partition([timeMs](qint64 time) { return time <= timeMs; });
    }

    // Calls visit(chunk, place) for the records in range, a chunk at a time,
    // so that the loop over one chunk's arrays stays tight.
    template<class Visit>
    void visit(IndexRange range, Visit visit) const
    {
        for (qsizetype index = range.begin; index < range.end;) {
            const auto [chunk, place] = at(index);
            const qsizetype stop = std::min(Chunk::Size, place + range.end - index);
            for (qsizetype i = place; i < stop; ++i)
                visit(chunk, i);
            index += stop - place;
        }
    }

    qint64 memoryBytes() const
    {
        return qint64(m_chunks.size()) * qint64(sizeof(Chunk) + sizeof(void *));
    }

private:
    template<class Before>
    qsizetype partition(Before before) const
    {
        qsizetype low = 0;
        qsizetype high = m_size;
        while (low < high) {
            const qsizetype middle = low + (high - low) / 2;
            const auto [chunk, place] = at(middle);
            if (before(chunk.timeMs[size_t(place)]))
                low = middle + 1;
            else
                high = middle;
        }
        return low;
    }

    std::deque<std::unique_ptr<Chunk>> m_chunks;
    qsizetype m_head = 0; // the first record's place in the first chunk
    qsizetype m_size = 0;
};

// The history of one quantity over a session: the recent readings as they
// came, and the older ones as one block per second.
//
// Readings leave the full-resolution part in whole seconds: every reading
// older than the second in which (last time - window) falls is folded into
// its second's block. So at least the window is always held reading by
// reading, the oldest point's second is held entirely, and the blocks are
// exactly the seconds before it, with no second split between the two.
class QuantityHistory
{
public:
    // A window below zero is taken as zero; a capacity below one as one.
    explicit QuantityHistory(qint64 fullResolutionMs = DefaultFullResolutionMs,
                             qsizetype blockCapacity = DefaultSecondBlockCapacity);

    // A value that is not a finite number is not kept. A time before the last
    // one held (the clock was set back) is taken as the last one, so that the
    // history stays in order.
    void add(double value, const Frame &raw, qint64 timeMs);
    void clear();

    bool isEmpty() const { return m_points.size() == 0; }
    // The first block's second, or the first point; the last point. 0 when
    // empty.
    qint64 firstTimeMs() const;
    qint64 lastTimeMs() const;
    qsizetype pointCount() const { return m_points.size(); }
    qsizetype blockCount() const { return m_blocks.size(); }
    qint64 memoryBytes() const;

    // What lies in [fromMs, toMs], inclusive, for export: the points, and
    // the blocks whose second starts there.
    IndexRange pointsBetween(qint64 fromMs, qint64 toMs) const;
    HistoryPoint point(qsizetype index) const;
    IndexRange blocksBetween(qint64 fromMs, qint64 toMs) const;
    SecondBlock block(qsizetype index) const;

    // The extremes in each of `columns` equal columns of [fromMs, toMs]. A
    // point at time t falls in column (t - fromMs) * columns / (toMs - fromMs
    // + 1), rounded down; a block in the column in which its second starts.
    std::vector<ValueRange> decimate(qint64 fromMs, qint64 toMs, int columns) const;
    ValueRange range(qint64 fromMs, qint64 toMs) const;

private:
    static constexpr qsizetype PointsPerChunk = 4096;
    static constexpr qsizetype BlocksPerChunk = 1024;
    struct PointChunk
    {
        static constexpr qsizetype Size = PointsPerChunk;
        std::array<qint64, Size> timeMs;
        std::array<double, Size> value;
        std::array<Frame, Size> raw;
    };
    struct BlockChunk
    {
        static constexpr qsizetype Size = BlocksPerChunk;
        std::array<qint64, Size> timeMs; // the second's first millisecond
        std::array<double, Size> minimum;
        std::array<double, Size> maximum;
        std::array<double, Size> sum;
        std::array<qint32, Size> count;
    };

    void addToBlock(qint64 timeMs, double value);

    qint64 m_fullResolutionMs;
    qsizetype m_blockCapacity;
    ChunkQueue<PointChunk> m_points;
    ChunkQueue<BlockChunk> m_blocks;
};

// The histories of the five quantities, fed with the decoded readings and
// their reply, and started afresh by clear().
class ReadingHistory
{
public:
    explicit ReadingHistory(qint64 fullResolutionMs = DefaultFullResolutionMs,
                            qsizetype blockCapacity = DefaultSecondBlockCapacity);

    void add(const Reading &reading, const Frame &reply, qint64 timeMs);
    void clear();
    const QuantityHistory &of(Quantity quantity) const { return m_quantities[size_t(quantity)]; }
    std::vector<ValueRange> decimate(Quantity quantity, qint64 fromMs, qint64 toMs,
                                     int columns) const
    {
        return of(quantity).decimate(fromMs, toMs, columns);
    }

private:
    std::array<QuantityHistory, AllQuantities.size()> m_quantities;
};
