#pragma once

#include <QString>
#include <QStringList>

// The languages the programs speak: Czech, in which their texts are
// written, and English. The names serve the command-line client too, which
// installs translations of its own.
namespace Language {
inline const QString Czech = QStringLiteral("cs");
inline const QString English = QStringLiteral("en");
inline const QStringList All{Czech, English};
} // namespace Language

// Puts the program's own translation and the toolkit's into effect for the
// rest of the run. Czech changes only the word forms that follow a count,
// so that every other text stays exactly as written; false for a language
// the program does not know, or whose translation could not be loaded.
bool useLanguage(const QString &language);
