#pragma once

#include "faults.h"
#include "replygenerator.h"

#include <chrono>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace zunovsim {

// What the instrument sends back for one received byte: the byte, and how
// long after the received byte it is sent (the byte delay, plus the late-byte
// fault's delay for that one byte).
struct Answer
{
    uint8_t byte = 0;
    std::chrono::milliseconds delay{0};

    bool operator==(const Answer &) const = default;
};

// The instrument as a pure byte machine, with no clock and no device, so its
// whole behaviour can be checked byte by byte.
//
// Framing: the instrument has no markers to go by, so outside a frame it looks
// at each byte alone. 211 (poll) and 100 (generator) start a frame of exactly
// four bytes; 111 is a handshake byte and is echoed; any other byte is stray
// and gets no answer. A frame ends after its fourth byte, or when the
// emulator calls abandonFrame() after a long silence, so a partial frame
// never swallows the next one for long.
//
// A poll is answered with a four-byte reply frame, one byte per received byte:
// the next scripted reply if any are queued, otherwise a generated one. A
// generator frame is answered by echoing each byte. With the bench model on,
// the generated voltages and frequency follow the last generator frame.
class Instrument
{
public:
    static constexpr uint8_t Poll = 211;
    static constexpr uint8_t Generator = 100;
    static constexpr uint8_t Handshake = 111;
    // Sent instead of the echo at the handshake step chosen by the wrong-echo fault.
    static constexpr uint8_t WrongEcho = 110;

    explicit Instrument(uint32_t seed = 1);

    std::optional<Answer> onByte(uint8_t received);
    void abandonFrame();
    bool insideFrame() const { return m_position > 0; }

    void setFaults(const Faults &faults);
    const Faults &faults() const { return m_faults; }

    // A corner frequency in Hz switches the bench model on; nullopt, off.
    void setBench(std::optional<double> cornerHz);

    void queueReplies(const std::vector<Frame> &replies);
    void clearScript() { m_script.clear(); }
    std::size_t scriptedLeft() const { return m_script.size(); }

    // Observers.
    const std::vector<Frame> &framesReceived() const { return m_frames; }
    std::optional<GeneratorSetting> lastGenerator() const { return m_lastGenerator; }
    int handshakeCount() const { return m_handshakes; }
    int exchangeCount() const { return static_cast<int>(m_frames.size()); }
    int strayCount() const { return m_strays; }
    bool hangUpDue() const;

    // For the flood fault: bytes nobody asked for, from the same seeded source.
    uint8_t unsolicitedByte() { return m_generator.randomByte(); }

    static std::string describe(const GeneratorSetting &setting);

private:
    std::optional<Answer> handshake();
    std::optional<Answer> frameByte(uint8_t received);
    std::optional<Answer> deliver(uint8_t byte);
    void finishFrame();

    ReplyGenerator m_generator;
    Faults m_faults;
    std::deque<Frame> m_script;
    Frame m_incoming{};
    Frame m_reply{};
    int m_position = 0;
    int m_handshakeStep = 0;
    int m_replyBytes = 0;
    int m_handshakes = 0;
    int m_strays = 0;
    std::vector<Frame> m_frames;
    std::optional<GeneratorSetting> m_lastGenerator;
};

} // namespace zunovsim
