#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

// The translations kept in i18n/ against the sources as they are now: lupdate
// run afresh on a copy must find nothing new to translate (a text added or
// changed in the code) and nothing that has gone (a text the code no longer
// has), and every entry must be finished.
class tst_Translations : public QObject
{
    Q_OBJECT

private slots:
    void matchTheSources_data();
    void matchTheSources();
};

void tst_Translations::matchTheSources_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("sources");
    QTest::addColumn<QStringList>("options");
    const QStringList programSources{QStringLiteral(ZUNOV_SOURCE_DIR)};
    QTest::newRow("English") << "zunov_en.ts" << programSources << QStringList();
    // Czech only for the word forms that follow a count.
    QTest::newRow("Czech plurals")
        << "zunov_cs.ts" << programSources << QStringList{QStringLiteral("-pluralonly")};
    // The command-line client's own, which holds the core texts it shows too.
    QTest::newRow("English of zunov-cli")
        << "zunov-cli_en.ts" << QStringLiteral(ZUNOV_CLI_SOURCES).split(QLatin1Char(','))
        << QStringList();
}

void tst_Translations::matchTheSources()
{
    QFETCH(QString, file);
    QFETCH(QStringList, sources);
    QFETCH(QStringList, options);
    QTemporaryDir folder;
    const QString copy = folder.filePath(file);
    QVERIFY(QFile::copy(QStringLiteral(ZUNOV_I18N_DIR "/") + file, copy));
    QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);

    QProcess lupdate;
    lupdate.start(QStringLiteral(LUPDATE),
                  QStringList{QStringLiteral("-silent"), QStringLiteral("-source-language"),
                              QStringLiteral("cs_CZ"), QStringLiteral("-locations"),
                              QStringLiteral("none")}
                      + options + sources + QStringList{QStringLiteral("-ts"), copy});
    QVERIFY(lupdate.waitForFinished(60000));
    QVERIFY2(lupdate.exitCode() == 0, lupdate.readAllStandardError().constData());

    QFile updated(copy);
    QVERIFY(updated.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(updated.readAll());
    // An entry lupdate added or kept without a translation, and one whose
    // text the sources no longer hold.
    const QRegularExpression open(QStringLiteral(
        "<source>([^<]*)</source>\\s*<translation type=\"(unfinished|vanished|obsolete)\""));
    QStringList problems;
    for (const QRegularExpressionMatch &match : open.globalMatch(text))
        problems << match.captured(2) + QStringLiteral(": ") + match.captured(1);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
}

QTEST_GUILESS_MAIN(tst_Translations)
#include "tst_translations.moc"
