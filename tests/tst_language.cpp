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
    QTest::newRow("a language it does not speak stays Czech") << "de" << false << "&Analýza"
                                                              << "ZUNOV - Rozmítání"
                                                              << "Odeslat data / START";
    QTest::newRow("Czech") << "cs" << true << "&Analýza"
                           << "ZUNOV - Rozmítání"
                           << "Odeslat data / START";
    QTest::newRow("English") << "en" << true << "&Analysis"
                             << "ZUNOV - Sweep"
                             << "Send data / START";
}

void tst_Language::windowsSpeakTheChosenLanguage()
{
    QFETCH(QString, language);
    QFETCH(bool, known);
    QFETCH(QString, analysisMenu);
    QFETCH(QString, sweepCaption);
    QFETCH(QString, sendButton);
    QCOMPARE(useLanguage(language), known);
    ProgramFixture program({QByteArray(), false});
    program.start();
    QCOMPARE(program.control<QMenu>("Analyza1")->title(), analysisMenu);
    QCOMPARE(program.sweepWindow()->windowTitle(), sweepCaption);
    QCOMPARE(program.control<QPushButton>("Button2")->text(), sendButton);
}

QTEST_MAIN(tst_Language)
#include "tst_language.moc"
