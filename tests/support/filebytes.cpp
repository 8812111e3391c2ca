#include "support/filebytes.h"

#include "platform/apperror.h"

#include <QFile>
#include <QtTest>

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<cannot read>");
}

QString appErrorText(const std::function<void()> &call)
{
    try {
        call();
    } catch (const AppError &error) {
        return error.text();
    }
    return QString();
}
