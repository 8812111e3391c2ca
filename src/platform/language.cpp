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
    if (language == Language::Czech)
        return true;
    if (!Language::All.contains(language))
        return false;
    // The toolkit's texts (standard buttons, file dialogs) where Debian has
    // them; the program's own texts are what matters.
    install(QStringLiteral("qtbase_") + language,
            QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return install(QStringLiteral("zunov_") + language, OwnTranslations);
}
