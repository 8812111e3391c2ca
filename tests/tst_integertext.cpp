#include "platform/integertext.h"

#include <QtTest>

class tst_IntegerText : public QObject
{
    Q_OBJECT

private slots:
    void integers_data();
    void integers();
    void notIntegers_data();
    void notIntegers();
};

void tst_IntegerText::integers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint32>("expected");

    QTest::newRow("decimal") << "1000" << 1000;
    QTest::newRow("zero") << "0" << 0;
    QTest::newRow("leading zeros") << "007" << 7;
    QTest::newRow("plus sign") << "+12" << 12;
    QTest::newRow("minus sign") << "-12" << -12;
    QTest::newRow("leading spaces") << "   42" << 42;
    QTest::newRow("spaces before sign") << "  -42" << -42;
    QTest::newRow("largest") << "2147483647" << 2147483647;
    QTest::newRow("smallest") << "-2147483648" << qint32(-2147483647 - 1);
    QTest::newRow("hex with 0x prefix") << "0x3E8" << 1000;
    QTest::newRow("hex with 0X prefix, lower case digits") << "0X3e8" << 1000;
    QTest::newRow("hex with dollar") << "$3E8" << 1000;
    QTest::newRow("spaces before dollar") << "  $10" << 16;
    QTest::newRow("hex wraps to negative") << "$FFFFFFFF" << -1;
    QTest::newRow("hex 0x wraps to smallest") << "0x80000000" << qint32(-2147483647 - 1);
    QTest::newRow("hex leading zeros beyond eight digits") << "$000000010" << 16;
}

void tst_IntegerText::integers()
{
    QFETCH(QString, text);
    QFETCH(qint32, expected);
    const auto value = parseInteger(text);
    QVERIFY(value.has_value());
    QCOMPARE(*value, expected);
}

void tst_IntegerText::notIntegers_data()
{
    QTest::addColumn<QString>("text");

    QTest::newRow("empty") << "";
    QTest::newRow("only spaces") << "   ";
    QTest::newRow("letters") << "abc";
    QTest::newRow("trailing garbage") << "12a";
    QTest::newRow("trailing space") << "12 ";
    QTest::newRow("sign alone") << "-";
    QTest::newRow("space after sign") << "- 5";
    QTest::newRow("two signs") << "+-5";
    QTest::newRow("above the range") << "2147483648";
    QTest::newRow("below the range") << "-2147483649";
    QTest::newRow("far out of range") << "99999999999999999999999";
    QTest::newRow("decimal point") << "1.5";
    QTest::newRow("hex digits without prefix") << "3E8";
    QTest::newRow("dollar alone") << "$";
    QTest::newRow("0x alone is two characters") << "0x";
    QTest::newRow("nine significant hex digits") << "$100000000";
    QTest::newRow("0x with nine digits") << "0x123456789";
    QTest::newRow("sign before dollar") << "-$10";
    QTest::newRow("sign after dollar") << "$-10";
    QTest::newRow("space before 0x") << " 0x10";
    QTest::newRow("bad hex digit") << "$3G8";
    QTest::newRow("0x followed by dollar") << "0x$10";
    QTest::newRow("tab is not a leading space") << "\t5";
    QTest::newRow("arabic-indic digits") << QString::fromUtf8("\u0665");
}

void tst_IntegerText::notIntegers()
{
    QFETCH(QString, text);
    QCOMPARE(parseInteger(text), std::nullopt);
}

QTEST_APPLESS_MAIN(tst_IntegerText)
#include "tst_integertext.moc"
