#pragma once

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

// One run of an installed program as a separate process, the way a user or a
// launcher starts it, with what it printed and how it ended.
struct ProgramRun
{
    int exitCode = -1;
    bool crashed = false;
    QByteArray out;
    QByteArray err;
};

// The test's own environment without anything that names a display, so that
// a run sees no display unless the test gives it one.
QProcessEnvironment environmentWithoutDisplay();

// The environment of a start with no window on screen: the offscreen platform,
// message boxes written to standard error and an end right after start-up,
// in a session whose runtime folder (private, as a desktop session's) is given.
QProcessEnvironment startCheckEnvironment(const QString &runtimeFolder);

ProgramRun runProgram(const QString &program, const QStringList &arguments,
                      const QProcessEnvironment &environment,
                      const QString &workingDirectory = QString());

// Byte for byte; empty when the file cannot be read.
QByteArray fileBytes(const QString &path);
