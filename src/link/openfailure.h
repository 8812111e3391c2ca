#pragma once

#include "link/devicestatus.h"
#include "platform/portholder.h"

#include <QString>
#include <optional>

// Why a serial device could not be opened, in the terms of what a user can do
// about it.
enum class OpenFailure { None, Missing, NoPermission, Busy, NotSerial, Other };

// From the errno of the failed open; 0 (it opened) gives None.
OpenFailure openFailureOf(int error);

// A few words on why, to follow "nelze otevřít: ".
QString openFailureReason(int error, const std::optional<PortHolder> &holder = std::nullopt);

// Where the user chooses another device: in the windows, the Settings
// window; in zunov-cli, which has no such window, its options.
enum class DeviceChoice { SettingsWindow, CommandLine };

// The warning shown when the device cannot be opened: which device, why, and
// what to do about it. holder: who keeps a busy port, when that is known.
QString cannotOpenMessage(const QString &device, int error,
                          const std::optional<PortHolder> &holder = std::nullopt,
                          DeviceChoice choice = DeviceChoice::SettingsWindow);

// The same warning for a port that did not open, with the holder of a busy
// port looked up.
QString cannotOpenMessage(const DeviceStatus &device,
                          DeviceChoice choice = DeviceChoice::SettingsWindow);
