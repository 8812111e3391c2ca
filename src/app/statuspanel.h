#pragma once

#include <QString>

// The main window's status bar panels that change at run time, and what the
// link panel says.
namespace StatusPanel {
constexpr int LinkState = 1;
constexpr int Device = 2;
constexpr int LastAction = 4;

inline const QString OnlineText = QStringLiteral("ONLINE");
inline const QString OfflineText = QStringLiteral("OFFLINE");
} // namespace StatusPanel
