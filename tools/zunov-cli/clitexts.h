#pragma once

#include <QString>

// What zunov-cli says on standard error, each a whole line.
namespace CliText {

// Every line on standard error starts with the program's name.
QString line(const QString &text);

// A usage error, with the command whose help explains it.
QString usage(const QString &error, const QString &helpHint);

QString incompleteReply(int bytesReceived);
QString replyWithoutReading(const QString &rawBytes);
QString noAnswer();
QString outputFailed(int error);
// measure --log: the recording's file could not be opened, or written later.
QString recordingCannotStart(const QString &path);
QString recordingStopped(const QString &path);
// A sweep that the instrument left: gone away, or no longer answering.
QString sweepInterrupted(bool instrumentLost, int stepsDone, int stepsPlanned);

} // namespace CliText
