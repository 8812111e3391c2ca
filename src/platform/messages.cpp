#include "platform/messages.h"

#include "platform/apperror.h"

#include <QApplication>
#include <QMessageBox>

namespace {

MessageSink &currentSink()
{
    static MessageSink sink;
    return sink;
}

QMessageBox::Icon iconOf(MessageKind kind)
{
    switch (kind) {
    case MessageKind::Warning:
        return QMessageBox::Warning;
    case MessageKind::Error:
        return QMessageBox::Critical;
    case MessageKind::Information:
        break;
    }
    return QMessageBox::Information;
}

void showModalBox(MessageKind kind, const QString &text)
{
    QMessageBox box(iconOf(kind), QApplication::applicationName(), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

void deliver(MessageKind kind, const QString &text)
{
    if (const MessageSink &sink = currentSink())
        sink(kind, text);
    else
        showModalBox(kind, text);
}

} // namespace

void showMessage(const QString &text)
{
    deliver(MessageKind::Information, text);
}

void showWarning(const QString &text)
{
    deliver(MessageKind::Warning, text);
}

void showError(const QString &text)
{
    deliver(MessageKind::Error, text);
}

MessageSink setMessageSink(MessageSink sink)
{
    MessageSink previous = std::move(currentSink());
    currentSink() = std::move(sink);
    return previous;
}

bool reportingErrors(const std::function<void()> &action)
{
    try {
        action();
        return true;
    } catch (const AppError &error) {
        showError(error.text() + QLatin1Char('.'));
    } catch (const std::exception &error) {
        showError(QString::fromLocal8Bit(error.what()) + QLatin1Char('.'));
    }
    return false;
}
