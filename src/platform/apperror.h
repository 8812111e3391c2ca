#pragma once

#include <QCoreApplication>
#include <QString>
#include <stdexcept>

// An error that the application reports to the user in its standard error box:
// the text, with a full stop appended, under the application title.
// The texts are the ones users of the program know ("Cannot open file %s",
// "Unable to write to %s"), so they are kept as they are.
class AppError : public std::runtime_error
{
public:
    explicit AppError(const QString &text)
        : std::runtime_error(text.toStdString())
        , m_text(text)
    {}

    QString text() const { return m_text; }

    static AppError cannotOpenFile(const QString &name)
    {
        return AppError(QStringLiteral("Cannot open file %1").arg(name));
    }
    static AppError unableToWrite(const QString &fullPath)
    {
        return AppError(QStringLiteral("Unable to write to %1").arg(fullPath));
    }
    // The file could have been written only by giving it another owner, which
    // could then lock its real owner out; the usual text says what failed and
    // the reason follows for the user.
    static AppError unableToWriteOtherOwner(const QString &fullPath)
    {
        return AppError(QCoreApplication::translate(
                            "AppError", "%1 (soubor patří jinému uživateli nebo skupině)")
                            .arg(unableToWrite(fullPath).text()));
    }

private:
    QString m_text;
};
