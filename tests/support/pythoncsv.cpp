#include "support/pythoncsv.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>

QList<QStringList> readWithPythonCsv(const QString &path)
{
    QProcess python;
    python.start(QStringLiteral("python3"),
                 {QStringLiteral("-c"),
                  QStringLiteral("import csv, json, sys\n"
                                 "with open(sys.argv[1], newline='', encoding='utf-8') as f:\n"
                                 "    print(json.dumps(list(csv.reader(f))))"),
                  path});
    if (!python.waitForFinished() || python.exitCode() != 0)
        qFatal("python3 cannot read %s", qPrintable(path));
    QList<QStringList> rows;
    for (const QJsonValue &row : QJsonDocument::fromJson(python.readAllStandardOutput()).array())
        rows << row.toVariant().toStringList();
    return rows;
}
