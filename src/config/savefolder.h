#pragma once

#include <QString>
#include <optional>

class ProfileFile;

// Where the save dialogs open (a recording, a picture, exported data): in the
// folder the user saved to last, kept in the settings file, and the first
// time in the user's documents folder, else the home folder. Never the
// working folder, which for the desktop menu's start is a hidden data folder
// that a person does not find again.
//
// The stored folder when it is still a folder; otherwise the first-time one.
QString startSaveFolder(const std::optional<QString> &stored);

// Keeps the folder for the next start: only the one key changes, and the
// file is not rewritten when it already holds that folder. A refused write
// throws AppError::unableToWrite.
void writeSaveFolder(ProfileFile &file, const QString &folder);
