#include "platform/profiletext.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <QtTest>

namespace {

const QString kSection = QStringLiteral("NASTAVENI");
// A key no row writes: its value must read the same before and after the save.
const QString kNote = QStringLiteral("Pozn");
const QString kAbsent = QStringLiteral("<absent>");

QByteArray windows1250(const char *text)
{
    QStringEncoder encoder("windows-1250");
    return encoder(QString::fromUtf8(text));
}

QString readAsWindows1250(const char *bytes)
{
    QStringDecoder decoder("windows-1250");
    return decoder(QByteArray(bytes));
}

QByteArray utf16(QStringConverter::Encoding byteOrder, const char *text)
{
    QStringEncoder encoder(byteOrder, QStringConverter::Flag::WriteBom);
    return encoder(QString::fromUtf8(text));
}

void addRow(const char *name, const QByteArray &before, const QString &key, const QString &read,
            const QString &written, const QByteArray &after, const QString &note = kAbsent)
{
    QTest::newRow(name) << before << key << read << written << after << note;
}

} // namespace

class tst_ProfileText : public QObject
{
    Q_OBJECT

private slots:
    void handEditedFiles_data();
    void handEditedFiles();
};

// Files as people leave them after editing by hand: the value of one key as
// read, the bytes after writing that key once, and a note that no save may
// change.
void tst_ProfileText::handEditedFiles_data()
{
    if (!QStringEncoder("windows-1250").isValid())
        QSKIP("no Windows-1250 converter in this Qt");
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("read");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<QString>("note");

    addRow("note opening a bracket it never closes",
           "[NASTAVENI]\r\n[pozor: COM3 je USB\r\nPort=3\r\n", "Port", "3", "4",
           "[NASTAVENI]\r\n[pozor: COM3 je USB\r\nPort=4\r\n");
    addRow("header without its closing bracket is no section", "[NASTAVENI\r\nPort=3\r\n", "Port",
           kAbsent, "4", "[NASTAVENI\r\nPort=3\r\n[NASTAVENI]\r\nPort=4\r\n");
    addRow("empty brackets end the section before them", "[NASTAVENI]\r\n[]\r\nPort=3\r\n", "Port",
           kAbsent, "4", "[NASTAVENI]\r\nPort=4\r\n[]\r\nPort=3\r\n");
    addRow("name ends at the first closing bracket", "[NASTAVENI]]\r\nPort=3\r\n", "Port", "3", "4",
           "[NASTAVENI]]\r\nPort=4\r\n");
    addRow("text after the closing bracket ignored", "[NASTAVENI] ; COM3 je USB\r\nPort=3\r\n",
           "Port", "3", "4", "[NASTAVENI] ; COM3 je USB\r\nPort=4\r\n");

    addRow("Ctrl-Z after a value", "[NASTAVENI]\r\nTSER=1000\x1A", "TSER", "1000", "500",
           "[NASTAVENI]\r\nTSER=500");
    addRow("Ctrl-Z around a name", "[NASTAVENI]\r\n\x1APort\x1A= \x1A 3\r\n", "Port", "3", "4",
           "[NASTAVENI]\r\n\x1APort\x1A= \x1A 4\r\n");
    addRow("Ctrl-Z on a line of its own", "[NASTAVENI]\r\nPort=3\r\n\x1A", "TSER", kAbsent, "1000",
           "[NASTAVENI]\r\nPort=3\r\nTSER=1000\r\n\x1A");

    addRow("lone CR line end before an empty line ending in LF", "[NASTAVENI]\rPort=3\n\n[B]\n",
           "TSER", kAbsent, "1000", "[NASTAVENI]\rPort=3\nTSER=1000\r\n\n[B]\n");

    addRow("same value keeps the line as it was written", "[NASTAVENI]\r\nTSER   =   1000  \r\n",
           "TSER", "1000", "1000", "[NASTAVENI]\r\nTSER   =   1000  \r\n");
    addRow("same value keeps its quotes", "[NASTAVENI]\r\nPort=\"3\"", "Port", "3", "3",
           "[NASTAVENI]\r\nPort=\"3\"");

    const char *czech = "[NASTAVENI]\r\nPozn=Žluťoučký kůň\r\nPort=3\r\n";
    addRow("UTF-8 without a mark", czech, "Misto", kAbsent, "Plzeň",
           QByteArray(czech) + "Misto=Plzeň\r\n", "Žluťoučký kůň");
    addRow("UTF-8 cut off at the very end is Windows-1250, before and after a save",
           QByteArray(czech) + "X=\xC5", "TSER", kAbsent, "1000",
           QByteArray(czech) + "X=\xC5\r\nTSER=1000\r\n", readAsWindows1250("Žluťoučký kůň"));
    addRow("Windows-1250 ending in what could start a UTF-8 character",
           windows1250("[NASTAVENI]\r\nPort=3\r\nPozn=Tomáš"), "Port", "3", "4",
           windows1250("[NASTAVENI]\r\nPort=4\r\nPozn=Tomáš"), "Tomáš");
    addRow("UTF-8 mark followed by Windows-1250", "\xEF\xBB\xBF" + windows1250(czech), "Misto",
           kAbsent, "Plzeň", "\xEF\xBB\xBF" + windows1250(czech) + windows1250("Misto=Plzeň\r\n"),
           "Žluťoučký kůň");
    addRow("character missing in Windows-1250 written as a question mark", windows1250(czech),
           "Misto", kAbsent, "Plzeň 中", windows1250(czech) + windows1250("Misto=Plzeň ?\r\n"),
           "Žluťoučký kůň");
    addRow("UTF-16LE with CR LF", utf16(QStringConverter::Utf16LE, czech), "Port", "3", "4",
           utf16(QStringConverter::Utf16LE, "[NASTAVENI]\r\nPozn=Žluťoučký kůň\r\nPort=4\r\n"),
           "Žluťoučký kůň");
    addRow("UTF-16LE with LF", utf16(QStringConverter::Utf16LE, "[NASTAVENI]\nPort=3\n"), "Misto",
           kAbsent, "Plzeň",
           utf16(QStringConverter::Utf16LE, "[NASTAVENI]\nPort=3\nMisto=Plzeň\n"));
    addRow("UTF-16BE", utf16(QStringConverter::Utf16BE, czech), "Misto", kAbsent, "Plzeň",
           utf16(QStringConverter::Utf16BE,
                 "[NASTAVENI]\r\nPozn=Žluťoučký kůň\r\nPort=3\r\nMisto=Plzeň\r\n"),
           "Žluťoučký kůň");
    addRow("UTF-16 cut off inside a code unit",
           utf16(QStringConverter::Utf16LE, "[NASTAVENI]\r\nPort=3") + "A", "TSER", kAbsent, "1000",
           utf16(QStringConverter::Utf16LE, "[NASTAVENI]\r\nPort=3\r\nTSER=1000\r\n") + "A");
    addRow("UTF-16 mark only", "\xFF\xFE", "Port", kAbsent, "3",
           utf16(QStringConverter::Utf16LE, "[NASTAVENI]\r\nPort=3\r\n"));
}

void tst_ProfileText::handEditedFiles()
{
    QFETCH(QByteArray, before);
    QFETCH(QString, key);
    QFETCH(QString, read);
    QFETCH(QString, written);
    QFETCH(QByteArray, after);
    QFETCH(QString, note);

    ProfileText text(before);
    QCOMPARE(text.toBytes(), before);
    QCOMPARE(text.value(kSection, key).value_or(kAbsent), read);
    QCOMPARE(text.value(kSection, kNote).value_or(kAbsent), note);
    text.setValue(kSection, key, written);
    QCOMPARE(text.toBytes(), after);
    QCOMPARE(ProfileText(after).value(kSection, kNote).value_or(kAbsent), note);
}

QTEST_GUILESS_MAIN(tst_ProfileText)
#include "tst_profiletext.moc"
