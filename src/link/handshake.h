#pragma once

#include <QString>
#include <cstdint>

// The connect handshake: four steps, half a second apart, each sends the test
// byte and expects it back. Only the fourth echo decides whether the link is
// up; the earlier ones are reported and the chain goes on.
namespace Handshake {

constexpr int Steps = 4;
constexpr uint8_t TestByte = 111; // the letter "o"

// The texts in the language chosen for the run.
QString stepText(int step);       // step 1..4
QString failureMessage(int step); // step 1..4
QString onlineMessage();          // the link is up
QString retryText();              // the connect window's step line after a failure

} // namespace Handshake
