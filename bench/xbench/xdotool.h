#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// Drives the program's windows the way a person would, through xdotool on
// the X display the benchmark runs on: no hook in the program is needed.
// Each call gives up after a time limit and says so.
namespace XDoTool {

// Runs xdotool with these arguments; its output, or nothing on failure.
std::optional<QString> run(const QStringList &arguments, int timeLimitMs = 20000);

// The id of the first visible window whose title matches the pattern
// (a regular expression), waiting for it to appear; empty after the limit.
QString waitForWindow(const QString &titlePattern, int timeLimitMs = 20000);

// Gives the window the keyboard focus and types these keys into it
// (xdotool key names: "alt+m", "Return").
bool typeInto(const QString &window, const QStringList &keys);

// Clicks the left button at (x, y) inside the window, then moves the pointer
// off every window so that no hover effect is left behind.
bool clickAt(const QString &window, int x, int y);

// Height of the window's client area in pixels, 0 when it cannot be told.
int windowHeight(const QString &window);

} // namespace XDoTool
