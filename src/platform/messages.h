#pragma once

#include <QString>
#include <functional>

// Every message box of the program goes through here. The default sink shows a
// modal box captioned with the application title and waits for OK; tests put a
// recording sink in its place so that nothing ever waits for a click.
enum class MessageKind { Information, Warning, Error };

using MessageSink = std::function<void(MessageKind, const QString &)>;

void showMessage(const QString &text);
void showWarning(const QString &text);
void showError(const QString &text);

// Installs a sink and returns the one it replaces; an empty sink restores the
// modal boxes.
MessageSink setMessageSink(MessageSink sink);

// The application's default error report: runs the action and, if it throws,
// shows the error's text with a full stop appended. The rest of the action is
// skipped and the program goes on. Returns false when an error was reported.
bool reportingErrors(const std::function<void()> &action);
