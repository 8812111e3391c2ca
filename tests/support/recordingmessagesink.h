#pragma once

#include "platform/messages.h"

#include <QList>
#include <QPair>
#include <QString>

// Takes the place of the modal message boxes while a test runs, so that no
// test waits for a click, and keeps every message for the test to check.
// An optional reaction runs inside the "box", while the program would wait.
// Sinks restore the one they replaced, so nest them strictly (destroy the
// newer one first).
class RecordingMessageSink
{
public:
    RecordingMessageSink();
    ~RecordingMessageSink();

    RecordingMessageSink(const RecordingMessageSink &) = delete;
    RecordingMessageSink &operator=(const RecordingMessageSink &) = delete;

    QStringList texts() const;
    QList<QPair<MessageKind, QString>> messages() const { return m_messages; }
    void clear() { m_messages.clear(); }

    void setReaction(std::function<void(const QString &)> reaction)
    {
        m_reaction = std::move(reaction);
    }

private:
    QList<QPair<MessageKind, QString>> m_messages;
    std::function<void(const QString &)> m_reaction;
    MessageSink m_previous;
};
