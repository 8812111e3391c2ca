#include "dialogs/tfrmoprogramu.h"
#include "dialogs/tnapoved.h"
#include "support/recordingmessagesink.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

class tst_HelpWindows : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void helpText_data();
    void helpText();
    void missingHelpFileReportedAtCreation();
    void helpFileReadOnlyOnce();
    void helpBoxIsReadOnly();
    void closeButtonsHide();
    void aboutTexts();

private:
    void writeHelp(const QByteArray &bytes);
    QPlainTextEdit *memo(Tnapoved &window) { return window.findChild<QPlainTextEdit *>("Memo1"); }

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_savedDir;
};

void tst_HelpWindows::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_savedDir = QDir::currentPath();
    QDir::setCurrent(m_dir->path());
}

void tst_HelpWindows::cleanup()
{
    QDir::setCurrent(m_savedDir);
    m_dir.reset();
}

void tst_HelpWindows::writeHelp(const QByteArray &bytes)
{
    QFile file(QStringLiteral("HELP.dat"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

void tst_HelpWindows::helpText_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("empty file") << QByteArray() << QString();
    QTest::newRow("UTF-8, CR LF") << QByteArray("P\xc5\x99ipojit\r\nKonec") << "Připojit\nKonec";
    QTest::newRow("Windows-1250, CR only") << QByteArray("P\xf8ipojit\rKonec") << "Připojit\nKonec";
}

void tst_HelpWindows::helpText()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    writeHelp(bytes);
    RecordingMessageSink sink;
    Tnapoved window;
    QVERIFY(sink.texts().isEmpty());
    QCOMPARE(memo(window)->toPlainText(), text);
}

void tst_HelpWindows::missingHelpFileReportedAtCreation()
{
    RecordingMessageSink sink;
    Tnapoved window;
    QCOMPARE(sink.messages().size(), 1);
    QCOMPARE(sink.messages().at(0).first, MessageKind::Error);
    QCOMPARE(sink.messages().at(0).second, QStringLiteral("Cannot open file HELP.dat."));
    QCOMPARE(memo(window)->toPlainText(), QStringLiteral("Memo1"));
}

void tst_HelpWindows::helpFileReadOnlyOnce()
{
    writeHelp("first");
    Tnapoved window;
    writeHelp("second");
    window.show();
    window.hide();
    QCOMPARE(memo(window)->toPlainText(), QStringLiteral("first"));
}

void tst_HelpWindows::helpBoxIsReadOnly()
{
    writeHelp("text");
    Tnapoved window;
    window.show();
    QPlainTextEdit *box = memo(window);
    box->setFocus();
    QTest::keyClicks(box, "abc");
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(box->toPlainText(), QStringLiteral("text"));
    QCOMPARE(box->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    QCOMPARE(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QVERIFY(!(box->focusPolicy() & Qt::TabFocus));
}

void tst_HelpWindows::closeButtonsHide()
{
    writeHelp("text");
    Tnapoved help;
    TfrmOProgramu about;
    for (QDialog *window : {static_cast<QDialog *>(&help), static_cast<QDialog *>(&about)}) {
        window->show();
        auto *close = window->findChild<QPushButton *>("Button1");
        QCOMPARE(close->text(), QStringLiteral("Zavřít"));
        close->click();
        QVERIFY(!window->isVisible());
    }
}

void tst_HelpWindows::aboutTexts()
{
    TfrmOProgramu about;
    QCOMPARE(about.windowTitle(), QStringLiteral("O programu"));
    QCOMPARE(about.findChild<QLabel *>("Label1")->text(), QStringLiteral("ZUNOV"));
    QCOMPARE(about.findChild<QLabel *>("Label2")->text(), QStringLiteral("v1"));
    auto *mail = about.findChild<QLineEdit *>("Edit1");
    QVERIFY(mail->isReadOnly());
    QVERIFY(mail->text().contains(QLatin1Char('@')));
}

QTEST_MAIN(tst_HelpWindows)
#include "tst_helpwindows.moc"
