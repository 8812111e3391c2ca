#pragma once

#include <QString>
#include <optional>

// The program's settings file, in the working directory, and the settings it
// holds.
inline constexpr char ConfigurationFileName[] = "ZUNOV.INI";
inline constexpr char ConfigurationSection[] = "NASTAVENI";
inline constexpr char PortKey[] = "Port";
inline constexpr char PollPeriodKey[] = "TSER";
// A device path opened instead of the port by number; absent or empty: by number.
inline constexpr char DeviceKey[] = "Zarizeni";
// The language of the windows, "cs" or "en"; absent: Czech.
inline constexpr char LanguageKey[] = "Jazyk";

// The folder a file was last saved to from a save dialog; absent: none yet.
inline constexpr char SaveFolderKey[] = "PosledniSlozka";

// Used when the file gives no usable port number.
inline constexpr qint32 DefaultPort = 1;
// No polling until a period has been configured.
inline constexpr qint32 DefaultPollPeriodMs = 0;

struct Configuration
{
    qint32 port = DefaultPort;
    qint32 pollPeriodMs = DefaultPollPeriodMs;
    QString device; // the device to open in this run; empty: the port by number
    // The values as stored, for the settings window to show; nothing when the
    // key is absent.
    std::optional<QString> portText;
    std::optional<QString> pollPeriodText;
    std::optional<QString> deviceText;
    std::optional<QString> language;
    std::optional<QString> saveFolder;
};

class ProfileFile;

// The working directory, not the program's folder: the settings go with the
// folder the program is started in.
QString configurationFilePath();

// Reads the file once; every window that needs a setting takes it from this
// one reading. Never fails: what is absent or not an integer takes its
// default. Values out of the usual ranges are returned as read.
Configuration readConfiguration(const QString &path);

// Keeps the language for the next start. The file is left untouched when it
// already holds that language, or holds none and Czech is chosen; otherwise
// only the one key changes. A refused write throws AppError::unableToWrite.
void writeLanguage(ProfileFile &file, const QString &language);
