#include "platform/apperror.h"
#include "platform/application.h"
#include "platform/messages.h"
#include "support/recordingmessagesink.h"

#include <QtTest>

class tst_Messages : public QObject
{
    Q_OBJECT

private slots:
    void sinkReceivesMessagesAndErrors();
    void sinkIsRestored();
    void reportedErrors_data();
    void reportedErrors();
    void noErrorNoMessage();
    void errorInAnEventHandlerIsReported();
};

namespace {

// Fails halfway through its first event, as a handler whose file is missing.
class FailingOnce : public QObject
{
public:
    QStringList steps;

protected:
    bool event(QEvent *event) override
    {
        if (event->type() != QEvent::User)
            return QObject::event(event);
        steps << QStringLiteral("begun");
        if (steps.size() == 1)
            throw std::runtime_error("boom");
        steps << QStringLiteral("finished");
        return true;
    }
};

} // namespace

void tst_Messages::sinkReceivesMessagesAndErrors()
{
    RecordingMessageSink sink;
    showMessage(QStringLiteral("ZUNOV je ONLINE"));
    showError(QStringLiteral("Cannot open file E12.dat."));
    QCOMPARE(sink.messages().size(), 2);
    QCOMPARE(sink.messages().at(0).first, MessageKind::Information);
    QCOMPARE(sink.messages().at(0).second, QStringLiteral("ZUNOV je ONLINE"));
    QCOMPARE(sink.messages().at(1).first, MessageKind::Error);
}

void tst_Messages::sinkIsRestored()
{
    RecordingMessageSink outer;
    {
        RecordingMessageSink inner;
        showMessage(QStringLiteral("inner"));
        QCOMPARE(inner.texts(), QStringList{QStringLiteral("inner")});
    }
    showMessage(QStringLiteral("outer"));
    QCOMPARE(outer.texts(), QStringList{QStringLiteral("outer")});
}

void tst_Messages::reportedErrors_data()
{
    QTest::addColumn<QString>("thrown");
    QTest::addColumn<QString>("shown");
    QTest::newRow("cannot open") << "cannot-open"
                                 << "Cannot open file HELP.dat.";
    QTest::newRow("unable to write") << "unable-to-write"
                                     << "Unable to write to /x/ZUNOV.INI.";
    QTest::newRow("standard exception") << "std"
                                        << "boom.";
}

void tst_Messages::reportedErrors()
{
    QFETCH(QString, thrown);
    QFETCH(QString, shown);
    RecordingMessageSink sink;
    const bool ok = reportingErrors([&] {
        if (thrown == QLatin1String("cannot-open"))
            throw AppError::cannotOpenFile(QStringLiteral("HELP.dat"));
        if (thrown == QLatin1String("unable-to-write"))
            throw AppError::unableToWrite(QStringLiteral("/x/ZUNOV.INI"));
        throw std::runtime_error("boom");
    });
    QVERIFY(!ok);
    QCOMPARE(sink.messages().size(), 1);
    QCOMPARE(sink.messages().at(0).first, MessageKind::Error);
    QCOMPARE(sink.messages().at(0).second, shown);
}

void tst_Messages::noErrorNoMessage()
{
    RecordingMessageSink sink;
    QVERIFY(reportingErrors([] {}));
    QVERIFY(sink.messages().isEmpty());
}

// An error that escapes an event handler is shown; the rest of that handler
// is skipped and the program goes on with the next event.
void tst_Messages::errorInAnEventHandlerIsReported()
{
    RecordingMessageSink sink;
    FailingOnce handler;
    QCoreApplication::postEvent(&handler, new QEvent(QEvent::User));
    QCoreApplication::postEvent(&handler, new QEvent(QEvent::User));
    QCoreApplication::sendPostedEvents(&handler);
    QCOMPARE(handler.steps, (QStringList{"begun", "begun", "finished"}));
    QCOMPARE(sink.messages().size(), 1);
    QCOMPARE(sink.messages().at(0).first, MessageKind::Error);
    QCOMPARE(sink.messages().at(0).second, QStringLiteral("boom."));
}

// The program's own application object, which catches what handlers throw.
int main(int argc, char *argv[])
{
    Application app(argc, argv);
    tst_Messages test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_messages.moc"
