#include "xdotool.h"

#include <QProcess>
#include <QRegularExpression>

namespace XDoTool {

std::optional<QString> run(const QStringList &arguments, int timeLimitMs)
{
    QProcess process;
    process.start(QStringLiteral("xdotool"), arguments);
    if (!process.waitForFinished(timeLimitMs)) {
        process.kill();
        process.waitForFinished();
        return std::nullopt;
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return std::nullopt;
    return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
}

QString waitForWindow(const QString &titlePattern, int timeLimitMs)
{
    const std::optional<QString> found =
        run({QStringLiteral("search"), QStringLiteral("--sync"), QStringLiteral("--onlyvisible"),
             QStringLiteral("--name"), titlePattern},
            timeLimitMs);
    return found ? found->section(QLatin1Char('\n'), 0, 0) : QString();
}

bool typeInto(const QString &window, const QStringList &keys)
{
    // There is no window manager under Xvfb: focus is given directly.
    if (!run({QStringLiteral("windowfocus"), QStringLiteral("--sync"), window}))
        return false;
    QStringList arguments{QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("100")};
    arguments += keys;
    return run(arguments).has_value();
}

bool clickAt(const QString &window, int x, int y)
{
    return run({QStringLiteral("mousemove"), QStringLiteral("--sync"), QStringLiteral("--window"),
                window, QString::number(x), QString::number(y), QStringLiteral("click"),
                QStringLiteral("1"), QStringLiteral("mousemove"), QStringLiteral("0"),
                QStringLiteral("0")})
        .has_value();
}

int windowHeight(const QString &window)
{
    // "Geometry: 426x572"
    const QString geometry = run({QStringLiteral("getwindowgeometry"), window}).value_or(QString());
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("Geometry: \\d+x(\\d+)")).match(geometry);
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

} // namespace XDoTool
