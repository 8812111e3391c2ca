#pragma once

#include "platform/messages.h"

#include <memory>

// A start-up check for tests and packaging, kept out of the user's way in an
// environment variable: with ZUNOV_START_CHECK=1 every message box goes to
// standard error instead of waiting for a click, and the program ends as soon
// as its windows are up, with status 1 if an error box was shown. A package
// test runs the installed program this way (with -platform offscreen) to see
// that it starts cleanly.
class StartCheck
{
public:
    // Nothing when the environment does not ask for the check.
    static std::unique_ptr<StartCheck> fromEnvironment();

    StartCheck();
    ~StartCheck();

    StartCheck(const StartCheck &) = delete;
    StartCheck &operator=(const StartCheck &) = delete;

    // Lets the shown windows settle, then says how the start went.
    int finish() const;

private:
    MessageSink m_previous;
    int m_errors = 0;
};
