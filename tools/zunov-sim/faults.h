#pragma once

#include <chrono>

namespace zunovsim {

// Ways the emulated instrument can misbehave on purpose. They can all be set
// together; a value of 0 switches a numbered fault off.
//
// Counting rules, so that a test can aim at one byte:
// - reply bytes are numbered from 1, counting every byte the instrument would
//   send (handshake echoes, poll replies, generator answers) since the faults
//   were last set; the late and dropped byte each hit one byte only;
// - handshake steps count the 111 bytes received in a row outside a frame,
//   starting again at 1 after any other byte and after every fourth step, so
//   each new handshake starts at step 1;
// - exchanges are complete four-byte frames (poll or generator).
//
// The byte delay is not an instrument's fault but a USB adapter's latency
// timer, which passes received bytes on only every few milliseconds; it holds
// back every reply byte, the late one included, which waits lateDelay more.
struct Faults
{
    bool silence = false;  // answer nothing at all
    int wrongEchoStep = 0; // 1..4: that handshake step is answered with a wrong byte
    int lateByte = 0;      // this reply byte is sent after lateDelay
    std::chrono::milliseconds lateDelay{1500};
    int dropByte = 0;       // this reply byte is never sent
    bool garbage = false;   // frames are answered with random bytes
    int hangUpAfter = 0;    // close the line after this many exchanges
    int floodPerSecond = 0; // unsolicited bytes per second
    // Every reply byte is sent this long after the byte it answers.
    std::chrono::milliseconds byteDelay{0};

    bool operator==(const Faults &) const = default;
};

} // namespace zunovsim
