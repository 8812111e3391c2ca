#include "app/displaycheck.h"

#include <QList>
#include <QTextStream>
#include <cstdlib>
#include <utility>

namespace {

constexpr const char *DisplayVariables[] = {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"};

struct HeldMessage
{
    QtMsgType type;
    QByteArray file;
    int line;
    QByteArray function;
    QByteArray category;
    QString text;
};

QtMessageHandler previousHandler = nullptr;

// The toolkit's log context keeps null for what it does not know.
const char *orNull(const QByteArray &text)
{
    return text.isNull() ? nullptr : text.constData();
}

QList<HeldMessage> &heldMessages()
{
    static QList<HeldMessage> messages;
    return messages;
}

// The variables that named the display that failed, e.g. "DISPLAY=:1".
QString namedDisplay()
{
    QStringList named;
    for (const char *variable : DisplayVariables) {
        if (!qEnvironmentVariableIsEmpty(variable))
            named << QStringLiteral("%1=%2").arg(QLatin1String(variable),
                                                 qEnvironmentVariable(variable));
    }
    return named.join(QLatin1Char(' '));
}

void holdingHandler(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    // The one fatal error while the application object is made is the
    // platform that could not start; the toolkit would abort now.
    if (type == QtFatalMsg) {
        QTextStream(stderr) << "zunov: grafický displej není dostupný (" << namedDisplay() << ")\n";
        std::_Exit(NoDisplayStatus);
    }
    heldMessages().append(
        {type, context.file, context.line, context.function, context.category, text});
}

} // namespace

bool hasDisplay(const QStringList &arguments)
{
    for (const char *variable : DisplayVariables) {
        if (!qEnvironmentVariableIsEmpty(variable))
            return true;
    }
    return arguments.contains(QStringLiteral("-platform"));
}

DisplayConnectionGuard::DisplayConnectionGuard()
{
    previousHandler = qInstallMessageHandler(holdingHandler);
}

DisplayConnectionGuard::~DisplayConnectionGuard()
{
    qInstallMessageHandler(previousHandler);
    for (const HeldMessage &held : std::exchange(heldMessages(), {})) {
        const QMessageLogContext context(orNull(held.file), held.line, orNull(held.function),
                                         orNull(held.category));
        previousHandler(held.type, context, held.text);
    }
}
