#include "platform/apperror.h"
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
};

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
    bool restRan = false;
    const bool ok = reportingErrors([&] {
        if (thrown == QLatin1String("cannot-open"))
            throw AppError::cannotOpenFile(QStringLiteral("HELP.dat"));
        if (thrown == QLatin1String("unable-to-write"))
            throw AppError::unableToWrite(QStringLiteral("/x/ZUNOV.INI"));
        throw std::runtime_error("boom");
        restRan = true;
    });
    QVERIFY(!ok);
    QVERIFY(!restRan);
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

QTEST_MAIN(tst_Messages)
#include "tst_messages.moc"
