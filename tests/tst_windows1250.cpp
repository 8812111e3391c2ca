#include "platform/windows1250.h"

#include <QStringDecoder>
#include <QtTest>

// The table itself, without Qt's converter: the rows of tst_profiletext and
// tst_profilefile that need Windows-1250 are skipped by a Qt built without ICU.
class tst_Windows1250 : public QObject
{
    Q_OBJECT

private slots:
    void characters_data();
    void characters();
    void missingCharacters_data();
    void missingCharacters();
    void everyByteReadsAndWritesBack();
    void sameAsQtsConverter();
};

void tst_Windows1250::characters_data()
{
    QTest::addColumn<QByteArray>("byte");
    QTest::addColumn<QString>("character");
    QTest::newRow("0x41 A") << QByteArray("\x41") << QStringLiteral("A");
    QTest::newRow("0x1A Ctrl-Z") << QByteArray("\x1A") << QStringLiteral("\u001A");
    QTest::newRow("0x80 euro") << QByteArray("\x80") << QStringLiteral("€");
    QTest::newRow("0x81 undefined") << QByteArray("\x81") << QStringLiteral("\u0081");
    QTest::newRow("0x98 undefined") << QByteArray("\x98") << QStringLiteral("\u0098");
    QTest::newRow("0x8A Š") << QByteArray("\x8A") << QStringLiteral("Š");
    QTest::newRow("0x8D Ť") << QByteArray("\x8D") << QStringLiteral("Ť");
    QTest::newRow("0x9A š") << QByteArray("\x9A") << QStringLiteral("š");
    QTest::newRow("0x9E ž") << QByteArray("\x9E") << QStringLiteral("ž");
    QTest::newRow("0xA0 no-break space") << QByteArray("\xA0") << QStringLiteral("\u00A0");
    QTest::newRow("0xC8 Č") << QByteArray("\xC8") << QStringLiteral("Č");
    QTest::newRow("0xD9 Ů") << QByteArray("\xD9") << QStringLiteral("Ů");
    QTest::newRow("0xEC ě") << QByteArray("\xEC") << QStringLiteral("ě");
    QTest::newRow("0xF8 ř") << QByteArray("\xF8") << QStringLiteral("ř");
    QTest::newRow("0xFF dot above") << QByteArray("\xFF") << QStringLiteral("˙");
}

void tst_Windows1250::characters()
{
    QFETCH(QByteArray, byte);
    QFETCH(QString, character);
    QCOMPARE(fromWindows1250(byte), character);
    QCOMPARE(toWindows1250(character), byte);
}

void tst_Windows1250::missingCharacters_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("à") << QStringLiteral("à") << QByteArray("?");
    QTest::newRow("中 between letters") << QStringLiteral("Plzeň 中") << QByteArray("Plze\xF2 ?");
    QTest::newRow("beyond U+FFFF, one for each half")
        << QStringLiteral("a😀b") << QByteArray("a??b");
    QTest::newRow("lone surrogate") << QString(QChar(0xD800)) << QByteArray("?");
    QTest::newRow("byte-order mark") << QStringLiteral("\uFEFF") << QByteArray("?");
    QTest::newRow("replacement character") << QStringLiteral("\uFFFD") << QByteArray("?");
}

void tst_Windows1250::missingCharacters()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(toWindows1250(text), bytes);
}

void tst_Windows1250::everyByteReadsAndWritesBack()
{
    QByteArray bytes;
    for (int b = 0; b < 256; ++b)
        bytes += char(b);
    const QString text = fromWindows1250(bytes);
    QCOMPARE(text.size(), 256);
    QCOMPARE(toWindows1250(text), bytes);
}

void tst_Windows1250::sameAsQtsConverter()
{
    QStringDecoder icu("windows-1250");
    if (!icu.isValid())
        QSKIP("no Windows-1250 converter in this Qt");
    for (int b = 0x80; b < 0x100; ++b) {
        const QByteArray byte(1, char(b));
        QCOMPARE(fromWindows1250(byte), icu(byte));
    }
}

QTEST_GUILESS_MAIN(tst_Windows1250)
#include "tst_windows1250.moc"
