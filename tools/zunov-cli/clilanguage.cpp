#include "clilanguage.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QTranslator>

namespace {

// "en_GB.UTF-8" and "en@quot" speak "en".
QString languageOfLocale(const QString &locale)
{
    static const QRegularExpression rest(QStringLiteral("[_.@]"));
    return locale.left(locale.indexOf(rest));
}

} // namespace

QString cliLanguage(const QString &option, const QProcessEnvironment &environment)
{
    if (option == Language::Czech || option == Language::English)
        return option;
    for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString locale = environment.value(QLatin1String(variable));
        if (!locale.isEmpty())
            return languageOfLocale(locale) == Language::English ? Language::English
                                                                 : Language::Czech;
    }
    return Language::Czech;
}

void useCliLanguage(const QString &language)
{
    if (language == Language::Czech)
        return;
    // Built into the program from i18n/ by the build, so it cannot be missing
    // from an installed copy.
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QStringLiteral("zunov-cli_") + language, QStringLiteral(":/i18n"))
        || !QCoreApplication::installTranslator(translator))
        delete translator;
}
