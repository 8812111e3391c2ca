#pragma once

#include "record/recordingrotation.h"

#include <QString>
#include <QStringList>

// What the program was asked to do on its command line. Every option is
// optional, and a start without any is the program as it always was.
struct CommandLine
{
    bool help = false;
    bool version = false;
    bool listPorts = false;        // print the serial ports found and end
    bool userWorkdir = false;      // work in the per-user folder
    QString workdir;               // work in this folder; empty: the current one
    QString device;                // open this device for this run; empty: as configured
    QString logFile;               // record measurements to this file from the start
    RecordingRotation logRotation; // when the recording goes on in a new file
    QString language;              // "cs" or "en" for this run; empty: as configured
    QString error;                 // not empty: the arguments were wrong, and this says why
};

// Parses the arguments after the program name. Options the toolkit takes for
// itself (-platform and the like) must be removed first.
CommandLine parseCommandLine(const QStringList &arguments);

// Only the options that need no window (help, version, the port list), the
// language they answer in and the working folder the port list looks in; the
// rest is ignored, so that this can run before the toolkit has removed its
// own options.
CommandLine parseTerminalOptions(const QStringList &arguments);

QString commandLineHelp();
QString versionText();
