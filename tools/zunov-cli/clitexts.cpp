#include "clitexts.h"

#include <cstring>

namespace CliText {

QString line(const QString &text)
{
    return QStringLiteral("zunov-cli: %1\n").arg(text);
}

QString usage(const QString &error, const QString &helpHint)
{
    return line(QStringLiteral("%1 (nápověda: %2)").arg(error, helpHint));
}

QString incompleteReply(int bytesReceived)
{
    return line(QStringLiteral("Neúplná odpověď přístroje: %1 ze 4 bajtů.").arg(bytesReceived));
}

QString replyWithoutReading(const QString &rawBytes)
{
    return line(QStringLiteral("Odpověď přístroje bez měřené hodnoty: %1").arg(rawBytes));
}

QString noAnswer()
{
    return line(QStringLiteral("Přístroj neodpověděl."));
}

QString outputFailed(int error)
{
    return line(QStringLiteral("Výstup nelze zapsat: %1.")
                    .arg(QString::fromLocal8Bit(std::strerror(error))));
}

QString sweepInterrupted(bool instrumentLost, int stepsDone, int stepsPlanned)
{
    const QString cause = instrumentLost ? QStringLiteral("Přístroj se odpojil")
                                         : QStringLiteral("Přístroj přestal odpovídat");
    return line(QStringLiteral("%1; rozmítání skončilo po %2 krocích z %3.")
                    .arg(cause)
                    .arg(stepsDone)
                    .arg(stepsPlanned));
}

} // namespace CliText
