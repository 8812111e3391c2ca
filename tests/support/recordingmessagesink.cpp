#include "support/recordingmessagesink.h"

RecordingMessageSink::RecordingMessageSink()
{
    m_previous = setMessageSink([this](MessageKind kind, const QString &text) {
        m_messages.append({kind, text});
        if (m_reaction)
            m_reaction(text);
    });
}

RecordingMessageSink::~RecordingMessageSink()
{
    setMessageSink(std::move(m_previous));
}

QStringList RecordingMessageSink::texts() const
{
    QStringList result;
    for (const auto &message : m_messages)
        result.append(message.second);
    return result;
}
