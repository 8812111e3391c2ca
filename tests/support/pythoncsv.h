#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// A CSV file as Python's csv module reads it, standing in for every program
// such a file is opened in; the test ends when python3 cannot read it.
QList<QStringList> readWithPythonCsv(const QString &path);
