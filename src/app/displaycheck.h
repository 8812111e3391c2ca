#pragma once

#include <QStringList>

// Without a display the toolkit aborts with a message about its platform
// plug-in; a plain line says more to someone who started the program over
// ssh. Both checks end the program with this status.
inline constexpr int NoDisplayStatus = 2;

// Whether anything names a display (or a platform such as offscreen).
bool hasDisplay(const QStringList &arguments);

// While it lives, a display that is named but cannot be reached (a stale
// DISPLAY, a stopped X server) ends the program with one line and
// NoDisplayStatus instead of the toolkit's abort. It guards the creation of
// the application object: the toolkit's other messages of that moment are
// held back and passed on when the guard goes.
class DisplayConnectionGuard
{
public:
    DisplayConnectionGuard();
    ~DisplayConnectionGuard();

    DisplayConnectionGuard(const DisplayConnectionGuard &) = delete;
    DisplayConnectionGuard &operator=(const DisplayConnectionGuard &) = delete;
};
