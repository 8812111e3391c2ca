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
// message boxes written to standard error and an end right after start-up, for
// a user with this home folder (and no XDG_DATA_HOME) in a session with this
// runtime folder (private, as a desktop session's).
QProcessEnvironment startCheckEnvironment(const QString &home, const QString &runtimeFolder);

// The shipped settings name COM1. A link to nothing of that name in the
// working folder keeps a started program off the machine's own serial ports,
// which may be a console or somebody's instrument.
bool keepOffSerialPorts(const QString &folder);

ProgramRun runProgram(const QString &program, const QStringList &arguments,
                      const QProcessEnvironment &environment,
                      const QString &workingDirectory = QString());

// Byte for byte; empty when the file cannot be read.
QByteArray fileBytes(const QString &path);
