#include "app/appwindows.h"
#include "app/tt_zunov.h"
#include "dialogs/sweepwindow.h"
#include "dialogs/tnapoved.h"
#include "platform/language.h"
#include "support/programfixture.h"
#include "support/programrun.h"

#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

// The windows in the language chosen at the start. Czech is the language the
// texts are written in. A program chooses once per run; each row here starts
// without the translations of the row before.
class tst_Language : public QObject
{
    Q_OBJECT

private slots:
    void init() { qDeleteAll(qApp->findChildren<QTranslator *>()); }
    void windowsSpeakTheChosenLanguage_data();
    void windowsSpeakTheChosenLanguage();
    void menuKeepsTheChoiceForTheNextStart();
    void countsTakeTheirWordForms_data();
    void countsTakeTheirWordForms();
};

void tst_Language::windowsSpeakTheChosenLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("known");
    QTest::addColumn<QString>("analysisMenu");
    QTest::addColumn<QString>("sweepCaption");
    QTest::addColumn<QString>("sendButton");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("statusLabel");
    QTest::addColumn<QString>("help");
    QTest::addColumn<QString>("fileDialog");
    QTest::newRow("a language it does not speak stays Czech") << "de" << false << "&Analýza"
                                                              << "ZUNOV - Rozmítání"
                                                              << "Odeslat data / START"
                                                              << "ZUNOV v1 na COM1 "
                                                              << "Stav:"
                                                              << "Nápověda"
                                                              << "Look in:";
    QTest::newRow("Czech") << "cs" << true << "&Analýza"
                           << "ZUNOV - Rozmítání"
                           << "Odeslat data / START"
                           << "ZUNOV v1 na COM1 "
                           << "Stav:"
                           << "Nápověda"
                           << "Hledat v:";
    QTest::newRow("English") << "en" << true << "&Analysis"
                             << "ZUNOV - Sweep"
                             << "Send data / START"
                             << "ZUNOV v1 on COM1 "
                             << "Status:"
                             << "Help"
                             << "Look in:";
}

void tst_Language::windowsSpeakTheChosenLanguage()
{
    QFETCH(QString, language);
    QFETCH(bool, known);
    QFETCH(QString, analysisMenu);
    QFETCH(QString, sweepCaption);
    QFETCH(QString, sendButton);
    QFETCH(QString, title);
    QFETCH(QString, statusLabel);
    QFETCH(QString, help);
    QFETCH(QString, fileDialog);
    QCOMPARE(useLanguage(language), known);
    ProgramFixture program({QByteArray(), false});
    program.writeFile(QStringLiteral("HELP_en.dat"), "Help\n");
    program.start();
    QCOMPARE(program.control<QMenu>("Analyza1")->title(), analysisMenu);
    QCOMPARE(program.sweepWindow()->windowTitle(), sweepCaption);
    QCOMPARE(program.control<QPushButton>("Button2")->text(), sendButton);
    // Texts the code sets, beside those of the forms.
    QCOMPARE(program.window()->windowTitle(), title);
    QCOMPARE(program.window()->panelText(0), statusLabel);
    QCOMPARE(ProgramFixture::control<QPlainTextEdit>(program.helpWindow(), "Memo1")
                 ->toPlainText()
                 .trimmed(),
             help);
    // The toolkit's own texts, in Czech too.
    QCOMPARE(QCoreApplication::translate("QFileDialog", "Look in:"), fileDialog);
}

void tst_Language::menuKeepsTheChoiceForTheNextStart()
{
    ProgramFixture program({"[NASTAVENI]\r\nTSER=1000\r\n", false});
    program.start();
    auto *czech = program.control<QAction>("Cestina1");
    auto *english = program.control<QAction>("English1");
    QVERIFY(czech->isChecked());

    english->trigger();
    QVERIFY(english->isChecked() && !czech->isChecked());
    const QString settings = program.path() + QStringLiteral("/ZUNOV.INI");
    QCOMPARE(fileBytes(settings), QByteArray("[NASTAVENI]\r\nTSER=1000\r\nJazyk=en\r\n"));
    czech->trigger();
    QCOMPARE(fileBytes(settings), QByteArray("[NASTAVENI]\r\nTSER=1000\r\nJazyk=cs\r\n"));
    QCOMPARE(program.messages().texts(), QStringList());
}

void tst_Language::countsTakeTheirWordForms_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("text");
    QTest::newRow("cs 1") << "cs" << 1 << "… a 1 další";
    QTest::newRow("cs 4") << "cs" << 4 << "… a 4 další";
    QTest::newRow("cs 5") << "cs" << 5 << "… a dalších 5";
    QTest::newRow("cs 22") << "cs" << 22 << "… a dalších 22";
    QTest::newRow("en 1") << "en" << 1 << "… and 1 more";
}

// The unreadable rows beyond those listed when a recording is opened.
void tst_Language::countsTakeTheirWordForms()
{
    QFETCH(QString, language);
    QFETCH(int, count);
    QVERIFY(useLanguage(language));
    QTEST(QCoreApplication::translate("TrendWindow", "… a dalších %n", nullptr, count), "text");
}

QTEST_MAIN(tst_Language)
#include "tst_language.moc"
