#pragma once

#include <QString>
#include <QStringList>

// The languages the program speaks: Czech, in which its texts are written
// and which needs no translation, and English.
namespace Language {
inline const QString Czech = QStringLiteral("cs");
inline const QString English = QStringLiteral("en");
inline const QStringList All{Czech, English};
} // namespace Language

// Puts the program's own translation and the toolkit's into effect for the
// rest of the run. Czech changes nothing, so that every text stays exactly
// as written; false for a language the program does not know, or whose
// translation could not be loaded.
bool useLanguage(const QString &language);
