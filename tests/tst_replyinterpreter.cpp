#include "measure/replyinterpreter.h"

#include <QLocale>
#include <QtTest>

using OptionalText = std::optional<QString>;
using OptionalPoint = std::optional<int>;
Q_DECLARE_METATYPE(OptionalText)
Q_DECLARE_METATYPE(OptionalPoint)

class tst_ReplyInterpreter : public QObject
{
    Q_OBJECT

private slots:
    void replies_data();
    void replies();
    void czechLocaleWritesComma();
};

namespace {

Frame frame(int b0, int b1, int b2, int b3)
{
    return {uint8_t(b0), uint8_t(b1), uint8_t(b2), uint8_t(b3)};
}

// Expected texts are written with a point; the program writes the system's
// decimal separator, a comma under a Czech locale.
OptionalText localised(const OptionalText &text)
{
    if (!text)
        return text;
    return QString(*text).replace(QLatin1Char('.'), QLocale::system().decimalPoint());
}

// Unset fields compare as a marker, so that a failure names both sides.
QString shown(const OptionalText &text)
{
    return text.value_or(QStringLiteral("<unset>"));
}

QString shown(const OptionalPoint &point)
{
    return point ? QString::number(*point) : QStringLiteral("<unset>");
}

const OptionalText none;
const OptionalPoint noPoint;

} // namespace

void tst_ReplyInterpreter::replies_data()
{
    QTest::addColumn<Frame>("reply");
    QTest::addColumn<OptionalText>("u1Text");
    QTest::addColumn<OptionalPoint>("u1Point");
    QTest::addColumn<OptionalText>("u2Text");
    QTest::addColumn<OptionalPoint>("u2Point");
    QTest::addColumn<OptionalText>("suffix");
    QTest::addColumn<OptionalText>("digits");
    QTest::addColumn<OptionalText>("frequency");
    QTest::addColumn<OptionalText>("current");
    QTest::addColumn<OptionalPoint>("currentPoint");
    QTest::addColumn<QString>("action");

    const QString voltages = QStringLiteral("Příjem U1 a U2");
    const QString resistance = QStringLiteral("Příjem R");

    // clang-format off
    QTest::newRow("U1 and U2 in tenths") << frame('c', 'a', 123, 45)
        << OptionalText("12.3 V") << OptionalPoint(123) << OptionalText("04.5 V") << OptionalPoint(45)
        << none << none << none << none << noPoint << voltages;
    QTest::newRow("U1 in whole volts") << frame('b', 0, 7, 0)
        << OptionalText("007 V") << OptionalPoint(7) << none << noPoint
        << none << none << none << none << noPoint << voltages;
    QTest::newRow("U2 in whole volts, graph gets the raw byte") << frame(0, '`', 0, 255)
        << none << noPoint << OptionalText("255 V") << OptionalPoint(255)
        << none << none << none << none << noPoint << voltages;
    QTest::newRow("U1 tenths of zero") << frame('c', 0, 0, 0)
        << OptionalText("00.0 V") << OptionalPoint(0) << none << noPoint
        << none << none << none << none << noPoint << voltages;
    QTest::newRow("U1 tenths of 255") << frame('c', 0, 255, 0)
        << OptionalText("25.5 V") << OptionalPoint(255) << none << noPoint
        << none << none << none << none << noPoint << voltages;
    QTest::newRow("resistance range 200") << frame('f', 200, 0, 47)
        << none << noPoint << none << noPoint
        << OptionalText(" ohm") << OptionalText("047") << none << none << noPoint << resistance;
    QTest::newRow("resistance range 201") << frame('f', 201, 0, 47)
        << none << noPoint << none << noPoint
        << OptionalText("0 ohm") << OptionalText("047") << none << none << noPoint << resistance;
    QTest::newRow("resistance range 202") << frame('f', 202, 0, 47)
        << none << noPoint << none << noPoint
        << OptionalText("00 ohm") << OptionalText("047") << none << none << noPoint << resistance;
    QTest::newRow("resistance range 203") << frame('f', 203, 0, 47)
        << none << noPoint << none << noPoint
        << OptionalText(" kohm") << OptionalText("047") << none << none << noPoint << resistance;
    QTest::newRow("resistance range 204") << frame('f', 204, 0, 47)
        << none << noPoint << none << noPoint
        << OptionalText("0 kohm") << OptionalText("047") << none << none << noPoint << resistance;
    QTest::newRow("resistance range 205") << frame('f', 205, 0, 250)
        << none << noPoint << none << noPoint
        << OptionalText(" Mohm") << OptionalText("250") << none << none << noPoint << resistance;
    QTest::newRow("resistance, range code below the table keeps the suffix") << frame('f', 199, 0, 47)
        << none << noPoint << none << noPoint
        << none << OptionalText("047") << none << none << noPoint << resistance;
    QTest::newRow("resistance, range code above the table keeps the suffix") << frame('f', 206, 0, 47)
        << none << noPoint << none << noPoint
        << none << OptionalText("047") << none << none << noPoint << resistance;
    QTest::newRow("resistance tagged as U2 too, R named last") << frame('f', 'a', 0, 47)
        << none << noPoint << OptionalText("04.7 V") << OptionalPoint(47)
        << none << OptionalText("047") << none << none << noPoint << resistance;
    QTest::newRow("current") << frame('g', 0, 0, 150)
        << none << noPoint << none << noPoint
        << none << none << none << OptionalText("1.50A") << OptionalPoint(150) << QStringLiteral("Příjem proudu");
    QTest::newRow("frequency from its lowest byte") << frame('e', 0, 0, 200)
        << none << noPoint << none << noPoint
        << none << none << OptionalText("200.000000Hz") << none << noPoint << QStringLiteral("Příjem frekvence");
    QTest::newRow("frequency from all three bytes of the reply") << frame('e', 1, 2, 3)
        << none << noPoint << none << noPoint
        << none << none << OptionalText("66051.000000Hz") << none << noPoint << QStringLiteral("Příjem frekvence");
    QTest::newRow("frequency at its largest") << frame('e', 255, 255, 255)
        << none << noPoint << none << noPoint
        << none << none << OptionalText("16777215.000000Hz") << none << noPoint << QStringLiteral("Příjem frekvence");
    QTest::newRow("unknown tags") << frame('x', 'y', 1, 2)
        << none << noPoint << none << noPoint
        << none << none << none << none << noPoint << QStringLiteral("Příjem");
    QTest::newRow("all zero") << frame(0, 0, 0, 0)
        << none << noPoint << none << noPoint
        << none << none << none << none << noPoint << QStringLiteral("Příjem");
    QTest::newRow("all 255") << frame(255, 255, 255, 255)
        << none << noPoint << none << noPoint
        << none << none << none << none << noPoint << QStringLiteral("Příjem");
    // clang-format on
}

void tst_ReplyInterpreter::replies()
{
    QFETCH(Frame, reply);
    QFETCH(OptionalText, u1Text);
    QFETCH(OptionalPoint, u1Point);
    QFETCH(OptionalText, u2Text);
    QFETCH(OptionalPoint, u2Point);
    QFETCH(OptionalText, suffix);
    QFETCH(OptionalText, digits);
    QFETCH(OptionalText, frequency);
    QFETCH(OptionalText, current);
    QFETCH(OptionalPoint, currentPoint);
    QFETCH(QString, action);

    const ReplyDisplay display = interpretReply(reply);
    QCOMPARE(shown(display.u1Text), shown(localised(u1Text)));
    QCOMPARE(shown(display.u1Point), shown(u1Point));
    QCOMPARE(shown(display.u2Text), shown(localised(u2Text)));
    QCOMPARE(shown(display.u2Point), shown(u2Point));
    QCOMPARE(shown(display.resistanceSuffix), shown(suffix));
    QCOMPARE(shown(display.resistanceDigits), shown(digits));
    QCOMPARE(shown(display.frequencyText), shown(localised(frequency)));
    QCOMPARE(shown(display.currentText), shown(localised(current)));
    QCOMPARE(shown(display.currentPoint), shown(currentPoint));
    QCOMPARE(display.actionText, action);
    QCOMPARE(display.recognised, action != QStringLiteral("Příjem"));
}

// Registered twice in CMake, under the C locale and under a Czech one; make
// sure the second run really is Czech.
void tst_ReplyInterpreter::czechLocaleWritesComma()
{
    if (!qEnvironmentVariable("LC_ALL").startsWith(QLatin1String("cs")))
        QSKIP("not running under a Czech locale");
    QCOMPARE(*interpretReply(frame('c', 0, 123, 0)).u1Text, QStringLiteral("12,3 V"));
}

QTEST_APPLESS_MAIN(tst_ReplyInterpreter)
#include "tst_replyinterpreter.moc"
