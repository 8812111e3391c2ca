#include "instrument.h"

#include "decimal.h"

namespace zunovsim {

namespace {
constexpr int FrameLength = 4;
constexpr int HandshakeSteps = 4;
} // namespace

Instrument::Instrument(uint32_t seed)
    : m_generator(seed)
{}

void Instrument::setFaults(const Faults &faults)
{
    m_faults = faults;
    m_replyBytes = 0;
}

void Instrument::setBench(std::optional<double> cornerHz)
{
    m_generator.setBench(cornerHz ? std::optional(BenchModel(*cornerHz)) : std::nullopt);
}

void Instrument::queueReplies(const std::vector<Frame> &replies)
{
    m_script.insert(m_script.end(), replies.begin(), replies.end());
}

bool Instrument::hangUpDue() const
{
    return m_faults.hangUpAfter > 0 && exchangeCount() >= m_faults.hangUpAfter;
}

std::optional<Answer> Instrument::onByte(uint8_t received)
{
    if (m_position > 0)
        return frameByte(received);

    if (received == Handshake)
        return handshake();

    m_handshakeStep = 0;
    if (received != Poll && received != Generator) {
        ++m_strays;
        return std::nullopt;
    }
    m_incoming = {};
    if (received == Poll) {
        if (m_script.empty()) {
            m_reply = m_generator.next(m_lastGenerator);
        } else {
            m_reply = m_script.front();
            m_script.pop_front();
        }
    }
    return frameByte(received);
}

std::optional<Answer> Instrument::handshake()
{
    ++m_handshakes;
    m_handshakeStep = m_handshakeStep % HandshakeSteps + 1;
    const bool wrong = m_handshakeStep == m_faults.wrongEchoStep;
    return deliver(wrong ? WrongEcho : Handshake);
}

std::optional<Answer> Instrument::frameByte(uint8_t received)
{
    const int index = m_position;
    m_incoming[index] = received;
    const bool poll = m_incoming[0] == Poll;
    uint8_t reply = poll ? m_reply[index] : received;
    if (m_faults.garbage)
        reply = m_generator.randomByte();

    if (++m_position == FrameLength)
        finishFrame();
    return deliver(reply);
}

void Instrument::finishFrame()
{
    m_position = 0;
    m_frames.push_back(m_incoming);
    if (m_incoming[0] == Generator)
        m_lastGenerator = GeneratorSetting{m_incoming[1], m_incoming[2]};
}

void Instrument::abandonFrame()
{
    m_position = 0;
    m_handshakeStep = 0;
}

// Applies the faults that act on single reply bytes. Every byte counts, also
// one that silence swallows, so the numbering does not depend on other faults.
std::optional<Answer> Instrument::deliver(uint8_t byte)
{
    const int number = ++m_replyBytes;
    if (m_faults.silence || number == m_faults.dropByte)
        return std::nullopt;
    Answer answer{byte, m_faults.byteDelay};
    if (number == m_faults.lateByte)
        answer.delay += m_faults.lateDelay;
    return answer;
}

std::string Instrument::describe(const GeneratorSetting &setting)
{
    std::string name = setting.waveform == 0 ? "none" : "unknown";
    if (const char *known = waveformName(setting.waveform))
        name = known;
    return "generator: waveform " + decimal(setting.waveform) + " (" + name + ") frequency "
           + decimal(setting.frequency);
}

} // namespace zunovsim
