#include "app/appwindows.h"
#include "app/tt_zunov.h"
#include "dialogs/sweepwindow.h"
#include "dialogs/tnapoved.h"
#include "platform/language.h"
#include "support/programfixture.h"

#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

// The windows in the language chosen at the start. Czech is the language the
// texts are written in; a translation, once in effect, stays for the run, so
// the rows go from Czech to English.
class tst_Language : public QObject
{
    Q_OBJECT

private slots:
    void windowsSpeakTheChosenLanguage_data();
    void windowsSpeakTheChosenLanguage();
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
    QTest::newRow("a language it does not speak stays Czech") << "de" << false << "&Analýza"
                                                              << "ZUNOV - Rozmítání"
                                                              << "Odeslat data / START"
                                                              << "ZUNOV v1 na COM1 "
                                                              << "Stav:"
                                                              << "Nápověda";
    QTest::newRow("Czech") << "cs" << true << "&Analýza"
                           << "ZUNOV - Rozmítání"
                           << "Odeslat data / START"
                           << "ZUNOV v1 na COM1 "
                           << "Stav:"
                           << "Nápověda";
    QTest::newRow("English") << "en" << true << "&Analysis"
                             << "ZUNOV - Sweep"
                             << "Send data / START"
                             << "ZUNOV v1 on COM1 "
                             << "Status:"
                             << "Help";
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
}

QTEST_MAIN(tst_Language)
#include "tst_language.moc"
