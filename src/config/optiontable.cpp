#include "config/optiontable.h"

#include <QCoreApplication>

namespace {

constexpr int HelpNamesWidth = 24;

QString dashed(const QString &name)
{
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

// The parser's remaining complaints are about a value: one given to a switch
// (--help=x), or none given to the last option of the line.
QString valueErrorText(const QList<OptionText> &options, const QStringList &arguments)
{
    for (const OptionText &option : options) {
        for (const QString &name : option.names) {
            const QString typed = dashed(name);
            const bool takesValue = !option.valueName.isEmpty();
            if (takesValue && arguments.value(arguments.size() - 1) == typed)
                return QCoreApplication::translate("CommandLine", "Volba %1 potřebuje hodnotu.")
                    .arg(typed);
            for (const QString &argument : arguments) {
                if (!takesValue && argument.startsWith(typed + QLatin1Char('=')))
                    return QCoreApplication::translate("CommandLine", "Volba %1 nemá hodnotu.")
                        .arg(typed);
            }
        }
    }
    return QString();
}

} // namespace

void addOptions(QCommandLineParser &parser, const QList<OptionText> &options)
{
    for (const OptionText &text : options)
        parser.addOption(QCommandLineOption(text.names, text.description, text.valueName));
}

QString optionHelpLines(const QList<OptionText> &options)
{
    QString lines;
    for (const OptionText &text : options) {
        QStringList names;
        for (const QString &name : text.names)
            names << dashed(name);
        QString left = names.join(QStringLiteral(", "));
        if (!text.valueName.isEmpty())
            left += QStringLiteral(" <%1>").arg(text.valueName);
        lines += QStringLiteral("  %1  %2\n").arg(left, -HelpNamesWidth).arg(text.description);
    }
    return lines;
}

QString parserErrorText(const QCommandLineParser &parser, const QList<OptionText> &options,
                        const QStringList &arguments)
{
    const QStringList unknown = parser.unknownOptionNames();
    if (!unknown.isEmpty())
        return QCoreApplication::translate("CommandLine", "Neznámá volba: %1").arg(unknown.first());
    const QString valueError = valueErrorText(options, arguments);
    if (!valueError.isEmpty())
        return valueError;
    return QCoreApplication::translate("CommandLine", "Chybné argumenty: %1")
        .arg(parser.errorText());
}
