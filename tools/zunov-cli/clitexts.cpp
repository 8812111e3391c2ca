#include "clitexts.h"

#include "platform/errorcause.h"

#include <QCoreApplication>

namespace CliText {

QString line(const QString &text)
{
    return QStringLiteral("zunov-cli: %1\n").arg(text);
}

QString usage(const QString &error, const QString &helpHint)
{
    return line(QCoreApplication::translate("CliText", "%1 (nápověda: %2)").arg(error, helpHint));
}

QString incompleteReply(int bytesReceived)
{
    return line(QCoreApplication::translate("CliText", "Neúplná odpověď přístroje: %1 ze 4 bajtů.")
                    .arg(bytesReceived));
}

QString replyWithoutReading(const QString &rawBytes)
{
    return line(QCoreApplication::translate("CliText", "Odpověď přístroje bez měřené hodnoty: %1")
                    .arg(rawBytes));
}

QString noAnswer()
{
    return line(QCoreApplication::translate("CliText", "Přístroj neodpověděl."));
}

QString outputFailed(int error)
{
    return line(
        QCoreApplication::translate("CliText", "Výstup nelze zapsat: %1.").arg(errorCause(error)));
}

QString recordingCannotStart(const QString &path)
{
    return line(
        QCoreApplication::translate("CliText", "Záznam nelze spustit: soubor %1 nelze otevřít.")
            .arg(path));
}

QString recordingStopped(const QString &path)
{
    return line(QCoreApplication::translate(
                    "CliText", "Záznam byl zastaven: do souboru %1 se nepodařilo zapsat.")
                    .arg(path));
}

QString sweepInterrupted(bool instrumentLost, int stepsDone, int stepsPlanned)
{
    const QString cause =
        instrumentLost ? QCoreApplication::translate("CliText", "Přístroj se odpojil")
                       : QCoreApplication::translate("CliText", "Přístroj přestal odpovídat");
    // "po 1 kroku" but "po 0 krocích", "po 2 krocích": Czech and English
    // alike tell one step from any other count, so two texts serve both.
    const QString ended =
        stepsDone == 1
            ? QCoreApplication::translate("CliText", "%1; rozmítání skončilo po %2 kroku z %3.")
            : QCoreApplication::translate("CliText", "%1; rozmítání skončilo po %2 krocích z %3.");
    return line(ended.arg(cause).arg(stepsDone).arg(stepsPlanned));
}

} // namespace CliText
