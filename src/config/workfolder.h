#pragma once

#include <QString>
#include <QStringList>

// The working folder holds the settings file and the data files the program
// reads. A start may ask for a folder of its own (the user's folder or any
// other); that folder is then made ready from the installed data files.

// $XDG_DATA_HOME/zunov, or ~/.local/share/zunov when XDG_DATA_HOME is unset
// or relative (the XDG rule: a relative value is ignored).
QString userWorkFolder(const QString &xdgDataHome, const QString &home);

// The installed data files, found from the program's own folder, so that an
// installation works under any prefix and a build tree works as it is.
QString installedDataFolder(const QString &programFolder);

struct WorkFolderReport
{
    bool usable = false;          // the folder exists (now) and is a folder
    bool dataFolderFound = false; // the installed data files were there to copy
    QStringList failed;           // files missing in the folder that could not be copied
};

// Creates the folder when it is missing and copies into it every file of the
// data folder that it does not hold yet. A file already there, whatever it
// holds, is never replaced: the user's settings live in it. A copy is written
// under a temporary name and renamed, so no half-copied file ever stays.
WorkFolderReport prepareWorkFolder(const QString &folder, const QString &dataFolder);
