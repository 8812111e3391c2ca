#pragma once

#include <QString>

struct CommandLine;

// Moves the program into the working folder the command line asks for
// (--workdir, --user-workdir), made ready from the installed data files. A
// start without either stays in the folder it was started in, untouched.
// Problems are told to the user; returns false when the folder cannot be used
// at all and the program must end.
bool enterStartFolder(const CommandLine &options);

// The folder the program would work in, without making or entering it: the
// one the command line asks for, else the current one.
QString startFolderPath(const CommandLine &options);
