// The main window's "Jazyk / Language" menu: the language of the windows at
// the next start, kept in the settings file. The menu names itself and its
// languages in both languages, so that whoever reads only one finds it.
#include "app/tt_zunov.h"
#include "config/configuration.h"
#include "platform/language.h"
#include "platform/messages.h"
#include "platform/profilefile.h"
#include "ui_tt_zunov.h"

#include <QActionGroup>

void TT_ZUNOV::setUpLanguageMenu(const std::optional<QString> &storedLanguage)
{
    auto *choice = new QActionGroup(this);
    choice->addAction(ui->Cestina1);
    choice->addAction(ui->English1);
    showStoredLanguage(storedLanguage.value_or(Language::Czech));
    connect(ui->Cestina1, &QAction::triggered, this, [this] { chooseLanguage(Language::Czech); });
    connect(ui->English1, &QAction::triggered, this, [this] { chooseLanguage(Language::English); });
}

void TT_ZUNOV::showStoredLanguage(const QString &language)
{
    // A language the program does not speak starts it in Czech.
    ui->English1->setChecked(language == Language::English);
    ui->Cestina1->setChecked(language != Language::English);
}

void TT_ZUNOV::chooseLanguage(const QString &language)
{
    ProfileFile file(configurationFilePath());
    const QString before = readConfiguration(file.path()).language.value_or(Language::Czech);
    if (!reportingErrors([&file, &language] { writeLanguage(file, language); }))
        showStoredLanguage(before);
}
