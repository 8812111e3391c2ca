#pragma once

#include <QString>

enum class PortState { Open, Lost, NotOpen };

// Where the port leads and how it stands, as the main window's device panel
// shows it.
struct DeviceStatus
{
    QString path;         // as opened: COM1 in the working folder, /dev/ttyUSB0…
    QString resolvedPath; // the device it led to at the last open; empty when nowhere
    PortState state = PortState::NotOpen;
    int openError = 0; // errno of the last failed open
    bool emulator = false;

    bool operator==(const DeviceStatus &) const = default;
};

struct DeviceView
{
    QString text;    // short: the port's name, and that it is the emulator
    QString toolTip; // the full path, where it leads, and the state
};

DeviceView deviceView(const DeviceStatus &status);

// The first line of the tool tip: the path opened and, where it led elsewhere
// (a COM<N> link, a stable name under /dev/serial), the device behind it.
QString deviceLine(const DeviceStatus &status);
