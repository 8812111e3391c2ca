#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

// Small helpers for tests of the program's files.

// Writes the bytes as the whole file; fails the running test if it cannot.
void writeBytes(const QString &path, const QByteArray &bytes);

// The whole file, or a marker that no file content can be mistaken for.
QByteArray readBytes(const QString &path);

// The text of the AppError the call raised; empty when it raised none.
QString appErrorText(const std::function<void()> &call);
