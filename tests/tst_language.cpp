#include "app/appwindows.h"
#include "app/tt_zunov.h"
#include "dialogs/sweepwindow.h"
#include "platform/language.h"
#include "support/programfixture.h"

#include <QMenu>
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
    QTest::newRow("a language it does not speak stays Czech") << "de" << false << "&Analýza"
                                                              << "ZUNOV - Rozmítání"
                                                              << "Odeslat data / START"
                                                              << "ZUNOV v1 na COM1 "
                                                              << "Stav:";
    QTest::newRow("Czech") << "cs" << true << "&Analýza"
                           << "ZUNOV - Rozmítání"
                           << "Odeslat data / START"
                           << "ZUNOV v1 na COM1 "
                           << "Stav:";
    QTest::newRow("English") << "en" << true << "&Analysis"
                             << "ZUNOV - Sweep"
                             << "Send data / START"
                             << "ZUNOV v1 on COM1 "
                             << "Status:";
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
    QCOMPARE(useLanguage(language), known);
    ProgramFixture program({QByteArray(), false});
    program.start();
    QCOMPARE(program.control<QMenu>("Analyza1")->title(), analysisMenu);
    QCOMPARE(program.sweepWindow()->windowTitle(), sweepCaption);
    QCOMPARE(program.control<QPushButton>("Button2")->text(), sendButton);
    // Texts the code sets, beside those of the forms.
    QCOMPARE(program.window()->windowTitle(), title);
    QCOMPARE(program.window()->panelText(0), statusLabel);
}

QTEST_MAIN(tst_Language)
#include "tst_language.moc"
