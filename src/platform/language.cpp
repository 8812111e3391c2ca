#include "platform/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

// Built into the program from i18n/ by the build.
const QString OwnTranslations = QStringLiteral(":/i18n");

bool install(const QString &name, const QString &folder)
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(name, folder) && QCoreApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}

} // namespace

bool useLanguage(const QString &language)
{
    if (!Language::All.contains(language))
        return false;
    // The toolkit's own texts (file dialogs, standard buttons, text field
    // menus) where Debian has them, Czech too: none of the program's texts
    // comes from there, and an English "Look in" inside a Czech program is
    // out of place.
    install(QStringLiteral("qtbase_") + language,
            QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    // The program's texts are written in Czech; its Czech translation holds
    // only the word forms that follow a count.
    return install(QStringLiteral("zunov_") + language, OwnTranslations);
}
