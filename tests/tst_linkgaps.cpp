#include "record/csvrows.h"
#include "record/linkgaps.h"
#include "record/recordingreader.h"

#include <QtTest>

namespace {

// One letter a state: W waiting, A answering, X away.
LinkState stateOf(QChar letter)
{
    switch (letter.unicode()) {
    case 'A':
        return LinkState::Answering;
    case 'X':
        return LinkState::Away;
    default:
        return LinkState::Waiting;
    }
}

} // namespace

// The gap marks of a recording from the link's states, as sequences of them.
class tst_LinkGaps : public QObject
{
    Q_OBJECT

private slots:
    void marks_data();
    void marks();
    void rowReadsBack_data();
    void rowReadsBack();
};

void tst_LinkGaps::marks_data()
{
    QTest::addColumn<QString>("states"); // the first one is the state at the start
    QTest::addColumn<QString>("marks");  // 0 for OFFLINE, 1 for ONLINE, in order

    QTest::newRow("answering all along") << "AAAA"
                                         << "";
    QTest::newRow("goes away") << "AX"
                               << "0";
    QTest::newRow("away for many polls is one mark") << "AXXXX"
                                                     << "0";
    QTest::newRow("comes back") << "AXA"
                                << "01";
    QTest::newRow("lost, opened again, answers") << "AXWA"
                                                 << "01";
    QTest::newRow("opened again and lost again") << "AXWXWA"
                                                 << "01";
    QTest::newRow("two absences") << "AXAXA"
                                  << "0101";
    QTest::newRow("first reply after the start marks nothing") << "WWA"
                                                               << "";
    QTest::newRow("waiting, then gone before any reply") << "WX"
                                                         << "0";
    QTest::newRow("started while away, comes back") << "XXA"
                                                    << "1";
    QTest::newRow("started while away, stays away") << "XWX"
                                                    << "";
}

void tst_LinkGaps::marks()
{
    QFETCH(QString, states);
    LinkGapMarks gaps(stateOf(states.front()));
    QString marks;
    for (const QChar letter : states.mid(1)) {
        if (const std::optional<bool> online = gaps.update(stateOf(letter)))
            marks += *online ? u'1' : u'0';
    }
    QTEST(marks, "marks");
}

void tst_LinkGaps::rowReadsBack_data()
{
    QTest::addColumn<bool>("online");
    QTest::addColumn<QByteArray>("fields"); // after the time
    QTest::newRow("went away") << false << QByteArray(",link,0,,OFFLINE,\r\n");
    QTest::newRow("came back") << true << QByteArray(",link,1,,ONLINE,\r\n");
}

// The row is in the columns of the others, and the program's own reader
// takes it as a link event, not as a bad row.
void tst_LinkGaps::rowReadsBack()
{
    QFETCH(bool, online);
    const QDateTime time(QDate(2026, 12, 8), QTime(14, 30, 5, 7), QTimeZone(3600));
    const QByteArray row = csvLinkRow(online, time);
    QCOMPARE(row.left(29), QByteArray("2026-12-08T14:30:05.007+01:00"));
    QTEST(row.mid(29), "fields");
    const RecordingContents contents = readRecording(csvHeader() + row);
    QCOMPARE(contents.problemCount, size_t(0));
    QCOMPARE(contents.linkEvents.size(), size_t(1));
    QCOMPARE(contents.linkEvents[0].online, online);
    QCOMPARE(contents.linkEvents[0].timeMs, time.toMSecsSinceEpoch());
}

QTEST_GUILESS_MAIN(tst_LinkGaps)
#include "tst_linkgaps.moc"
