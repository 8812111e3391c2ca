#pragma once

#include "platform/language.h"

#include <QProcessEnvironment>
#include <QString>

// The language to speak: that of --lang when it is one of the two; else
// English when the locale of messages is English, by the first of LC_ALL,
// LC_MESSAGES and LANG that is set and not empty, as the C library takes
// them; else Czech, also for the C and POSIX locales. A --lang the program
// does not know is a usage error, which the arguments' check reports.
QString cliLanguage(const QString &option, const QProcessEnvironment &environment);

// Puts the translation into effect for the rest of the run; the application
// object must exist. Czech needs none, so that its texts stay exactly as
// written.
void useCliLanguage(const QString &language);
