#include "record/recordingreader.h"

#include "platform/regularfile.h"
#include "record/csvrows.h"

#include <QByteArrayView>
#include <QCoreApplication>
#include <QDate>
#include <QList>
#include <QTime>
#include <cmath>
#include <utility>

namespace {

// Why a row was left out. Translated only when a problem is kept, so that the
// translation in effect by then is used.
constexpr const char *WrongFieldCount = QT_TRANSLATE_NOOP("RecordingReader", "chybný počet polí");
constexpr const char *BadTime = QT_TRANSLATE_NOOP("RecordingReader", "chybný čas");
constexpr const char *UnknownQuantity = QT_TRANSLATE_NOOP("RecordingReader", "neznámá veličina");
constexpr const char *BadValue = QT_TRANSLATE_NOOP("RecordingReader", "chybná hodnota");
constexpr const char *BadUnit = QT_TRANSLATE_NOOP("RecordingReader", "chybná jednotka");
constexpr const char *BadRawBytes = QT_TRANSLATE_NOOP("RecordingReader", "chybné surové bajty");
constexpr const char *Unterminated = QT_TRANSLATE_NOOP("RecordingReader", "neukončené uvozovky");
constexpr const char *IncompleteRow = QT_TRANSLATE_NOOP("RecordingReader", "neúplný řádek");
constexpr const char *NotARecording =
    QT_TRANSLATE_NOOP("RecordingReader", "soubor není záznam ZUNOV (chybí hlavička)");

const QByteArray ByteOrderMark = QByteArrayLiteral("\xEF\xBB\xBF");

enum Column : qsizetype {
    TimeColumn,
    QuantityColumn,
    ValueColumn,
    UnitColumn,
    DisplayColumn,
    RawColumn,
    ColumnCount
};

// The program's own texts never hold a line end. A quoted field may have a
// few all the same; one that runs on further is a quote that a cut-off row
// left open, and taking the rest of the file into it would lose every row
// after it (and reading on from each following line would take quadratic
// time).
constexpr qsizetype MaxQuotedLineEnds = 8;

// yyyy-MM-ddTHH:mm:ss.zzz+hh:mm as rowTime() writes it; 'd' is a digit and
// '+' either sign.
constexpr QByteArrayView TimePattern = "dddd-dd-ddTdd:dd:dd.ddd+dd:dd";
constexpr qint64 MsPerDay = 24 * 60 * 60 * 1000;
const QDate Epoch(1970, 1, 1);

struct Record
{
    QList<QByteArray> fields; // no more than ColumnCount of them
    qsizetype fieldCount = 0;
    qsizetype end = 0;      // where the next record starts
    qsizetype lineEnds = 0; // in it, its own last one included
    bool lineEnded = false; // false: cut off by the end of the bytes
    bool unterminated = false;
};

// CR LF, LF, or a lone CR: the writer adds CR LF after a row that a crash
// cut off just after its CR. 0 when there is no line end at the place.
qsizetype lineEndLength(const QByteArray &bytes, qsizetype at)
{
    if (at >= bytes.size() || (bytes[at] != '\r' && bytes[at] != '\n'))
        return 0;
    return bytes[at] == '\r' && at + 1 < bytes.size() && bytes[at + 1] == '\n' ? 2 : 1;
}

qsizetype nextLine(const QByteArray &bytes, qsizetype from)
{
    for (qsizetype at = from; at < bytes.size(); ++at) {
        if (const qsizetype length = lineEndLength(bytes, at))
            return at + length;
    }
    return bytes.size();
}

// One CSV record. A quote that does not open a field is taken as it is, as
// spreadsheets do.
Record readRecord(const QByteArray &bytes, qsizetype from)
{
    Record record;
    QByteArray field;
    bool quoted = false;
    bool fieldStart = true;
    const auto endField = [&] {
        if (record.fields.size() < ColumnCount)
            record.fields.append(field);
        ++record.fieldCount;
        field.clear();
    };
    qsizetype at = from;
    while (at < bytes.size()) {
        const char c = bytes[at];
        const qsizetype lineEnd = lineEndLength(bytes, at);
        const bool wasFieldStart = std::exchange(fieldStart, false);
        if (quoted && c == '"' && at + 1 < bytes.size() && bytes[at + 1] == '"') {
            field += '"';
            at += 2;
        } else if (c == '"' && (quoted || wasFieldStart)) {
            quoted = !quoted;
            ++at;
        } else if (lineEnd > 0 && quoted) {
            if (++record.lineEnds > MaxQuotedLineEnds) {
                record.unterminated = true;
                return record;
            }
            field += bytes.mid(at, lineEnd);
            at += lineEnd;
        } else if (lineEnd > 0) {
            endField();
            record.end = at + lineEnd;
            ++record.lineEnds;
            record.lineEnded = true;
            return record;
        } else if (c == ',' && !quoted) {
            endField();
            fieldStart = true;
            ++at;
        } else {
            field += c;
            ++at;
        }
    }
    record.unterminated = quoted;
    endField();
    record.end = bytes.size();
    return record;
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int digits(const QByteArray &text, qsizetype from, qsizetype count)
{
    int number = 0;
    for (qsizetype at = from; at < from + count; ++at)
        number = 10 * number + (text[at] - '0');
    return number;
}

std::optional<qint64> parseTime(const QByteArray &text)
{
    if (text.size() != TimePattern.size())
        return std::nullopt;
    for (qsizetype at = 0; at < text.size(); ++at) {
        const char c = text[at];
        const char expected = TimePattern[at];
        const bool fits = expected == 'd'   ? isDigit(c)
                          : expected == '+' ? c == '+' || c == '-'
                                            : c == expected;
        if (!fits)
            return std::nullopt;
    }
    const QDate date(digits(text, 0, 4), digits(text, 5, 2), digits(text, 8, 2));
    const QTime time(digits(text, 11, 2), digits(text, 14, 2), digits(text, 17, 2),
                     digits(text, 20, 3));
    const QTime offset(digits(text, 24, 2), digits(text, 27, 2));
    if (!date.isValid() || !time.isValid() || !offset.isValid())
        return std::nullopt;
    const qint64 offsetMs = (text[23] == '-' ? -1 : 1) * offset.msecsSinceStartOfDay();
    return Epoch.daysTo(date) * MsPerDay + time.msecsSinceStartOfDay() - offsetMs;
}

std::optional<double> parseValue(const QByteArray &text)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok && std::isfinite(value) ? std::optional(value) : std::nullopt;
}

// Four decimal bytes separated by single spaces; an empty field is a row
// without them.
std::optional<Frame> parseRaw(const QByteArray &text)
{
    Frame frame{};
    if (text.isEmpty())
        return frame;
    const QList<QByteArray> bytes = text.split(' ');
    if (bytes.size() != qsizetype(frame.size()))
        return std::nullopt;
    for (size_t i = 0; i < frame.size(); ++i) {
        bool ok = false;
        const uint byte = bytes[qsizetype(i)].toUInt(&ok);
        if (!ok || byte > 255)
            return std::nullopt;
        frame[i] = uint8_t(byte);
    }
    return frame;
}

// Adds the row to the contents; the reason when it cannot be read, nullptr
// when it was read.
const char *readRow(const Record &record, RecordingContents &contents)
{
    const QList<QByteArray> &fields = record.fields;
    if (record.fieldCount != ColumnCount)
        return WrongFieldCount;
    const auto time = parseTime(fields[TimeColumn]);
    if (!time)
        return BadTime;
    const QString name = QString::fromUtf8(fields[QuantityColumn]);
    const QString unit = QString::fromUtf8(fields[UnitColumn]);
    if (name == LinkQuantityName) {
        const QByteArray &value = fields[ValueColumn];
        if (value != "0" && value != "1")
            return BadValue;
        if (!unit.isEmpty())
            return BadUnit;
        if (!fields[RawColumn].isEmpty())
            return BadRawBytes;
        contents.linkEvents.push_back({*time, value == "1"});
        return nullptr;
    }
    // A REL difference only repeats, less the reference, the measured row
    // before it: nothing to read.
    if (name.startsWith(DifferencePrefix) && quantityNamed(name.mid(DifferencePrefix.size())))
        return nullptr;
    const auto quantity = quantityNamed(name);
    if (!quantity)
        return UnknownQuantity;
    const auto value = parseValue(fields[ValueColumn]);
    if (!value)
        return BadValue;
    if (unit != unitName(*quantity))
        return BadUnit;
    const auto raw = parseRaw(fields[RawColumn]);
    if (!raw)
        return BadRawBytes;
    contents.rows.push_back(
        {*time, {*quantity, *value, QString::fromUtf8(fields[DisplayColumn])}, *raw});
    return nullptr;
}

void addProblem(RecordingContents &contents, qsizetype line, const char *reason)
{
    if (contents.problems.size() < ProblemsKept)
        contents.problems.push_back({line, QCoreApplication::translate("RecordingReader", reason)});
    ++contents.problemCount;
}

} // namespace

RecordingContents readRecording(const QByteArray &bytes)
{
    RecordingContents contents;
    const Record header =
        readRecord(bytes, bytes.startsWith(ByteOrderMark) ? ByteOrderMark.size() : 0);
    if (header.unterminated || header.fieldCount != ColumnCount
        || header.fields != csvHeader().trimmed().split(',')) {
        addProblem(contents, 1, NotARecording);
        return contents;
    }

    // A bad row is skipped by its first line only: if a quote it left open
    // took in the following lines, they are rows of their own.
    qsizetype position = header.end;
    qsizetype line = 1 + header.lineEnds;
    while (position < bytes.size()) {
        const Record record = readRecord(bytes, position);
        // The writer ends every row it writes, so a row without its line end
        // was cut off, even if what is left looks whole: its last number may
        // have lost digits.
        const bool blank = record.lineEnded && record.fieldCount == 1 && record.fields[0].isEmpty();
        const char *const problem = blank                 ? nullptr
                                    : record.unterminated ? Unterminated
                                    : !record.lineEnded   ? IncompleteRow
                                                          : readRow(record, contents);
        if (!problem) {
            position = record.end;
            line += record.lineEnds;
        } else {
            addProblem(contents, line, problem);
            position = nextLine(bytes, position);
            ++line;
        }
    }
    return contents;
}

std::optional<RecordingContents> readRecordingFile(const QString &path)
{
    const std::optional<QByteArray> bytes = readRegularFile(path, RecordingFileLimit);
    if (!bytes)
        return std::nullopt;
    return readRecording(*bytes);
}
