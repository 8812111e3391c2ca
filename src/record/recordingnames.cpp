#include "record/recordingnames.h"

namespace {

constexpr int MostNamesTried = 1'000'000;

QString sequenceText(int sequence)
{
    return QStringLiteral("%1").arg(sequence, 4, 10, QLatin1Char('0'));
}

} // namespace

QString rotatedFileName(const QString &chosen, RotationKind kind, const QDate &date, int sequence)
{
    // The extension is what follows the last dot of the file name itself; a
    // name that starts with its only dot (".csv") has none.
    const qsizetype nameStart = chosen.lastIndexOf(QLatin1Char('/')) + 1;
    const qsizetype dot = chosen.lastIndexOf(QLatin1Char('.'));
    const qsizetype extensionStart = dot > nameStart ? dot : chosen.size();
    QString ending;
    if (kind == RotationKind::Daily) {
        ending = date.toString(Qt::ISODate);
        if (sequence > 1)
            ending += QLatin1Char('-') + sequenceText(sequence);
    } else {
        ending = sequenceText(sequence);
    }
    return chosen.left(extensionStart) + QLatin1Char('-') + ending + chosen.mid(extensionStart);
}

QString sidecarPathOf(const QString &csvPath)
{
    return csvPath + QStringLiteral(".json");
}

FreeFileName freeRotatedFileName(const QString &chosen, RotationKind kind, const QDate &date,
                                 int fromSequence,
                                 const std::function<bool(const QString &)> &exists)
{
    for (int sequence = std::max(fromSequence, 1), tried = 0; tried < MostNamesTried;
         ++sequence, ++tried) {
        const QString path = rotatedFileName(chosen, kind, date, sequence);
        if (!exists(path) && !exists(sidecarPathOf(path)))
            return {path, sequence};
    }
    return {};
}
