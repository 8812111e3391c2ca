#include "record/recordingrotation.h"

#include <QRegularExpression>

namespace {

const QString Daily = QStringLiteral("daily");
const QString NoRotation = QStringLiteral("none");
// Beyond this a file would never be cut in practice, and the product below
// stays far from overflowing.
constexpr qint64 LargestSize = qint64(1024) * 1024 * 1024 * 1024;

struct Unit
{
    QChar suffix;
    qint64 bytes;
};
constexpr Unit Units[] = {
    {u'G', qint64(1) << 30}, {u'M', qint64(1) << 20}, {u'K', qint64(1) << 10}};

} // namespace

std::optional<RecordingRotation> parseRotation(const QString &text)
{
    if (text == Daily)
        return RecordingRotation{RotationKind::Daily, 0};
    static const QRegularExpression sizePattern(QStringLiteral("^([0-9]{1,13})([KkMmGg]?)$"));
    const QRegularExpressionMatch match = sizePattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    qint64 bytes = match.captured(1).toLongLong();
    const QString suffix = match.captured(2).toUpper();
    for (const Unit &unit : Units) {
        if (suffix == unit.suffix)
            bytes = bytes > LargestSize / unit.bytes ? LargestSize + 1 : bytes * unit.bytes;
    }
    if (bytes <= 0 || bytes > LargestSize)
        return std::nullopt;
    return RecordingRotation{RotationKind::Size, bytes};
}

QString rotationText(const RecordingRotation &rotation)
{
    switch (rotation.kind) {
    case RotationKind::None:
        return NoRotation;
    case RotationKind::Daily:
        return Daily;
    case RotationKind::Size:
        for (const Unit &unit : Units) {
            if (rotation.maxBytes % unit.bytes == 0)
                return QString::number(rotation.maxBytes / unit.bytes) + unit.suffix;
        }
        return QString::number(rotation.maxBytes);
    }
    return NoRotation;
}

bool rotationDue(const RecordingRotation &rotation, const CurrentFile &file, qint64 rowBytes,
                 const QDate &today)
{
    switch (rotation.kind) {
    case RotationKind::None:
        return false;
    case RotationKind::Size:
        return file.hasRows && file.bytes + rowBytes > rotation.maxBytes;
    case RotationKind::Daily:
        return today > file.date;
    }
    return false;
}
