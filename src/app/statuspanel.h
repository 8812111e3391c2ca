#pragma once

// Indices of the main window's status bar panels that change at run time.
namespace StatusPanel {
constexpr int LinkState = 1;
constexpr int LastAction = 4;
} // namespace StatusPanel
