#include "app/tt_zunov.h"
#include "dialogs/tfrmoprogramu.h"
#include "dialogs/tnapoved.h"
#include "dialogs/tnast.h"
#include "dialogs/tpripoj.h"
#include "support/programfixture.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalSpy>
#include <QtTest>

// The program without a mouse: the menus through their mnemonics and
// shortcuts, Esc in the secondary windows, and the series list.
class tst_Keyboard : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void menuKeys_data();
    void menuKeys();
    void escapeClosesSecondaryWindows_data();
    void escapeClosesSecondaryWindows();
    void seriesList_data();
    void seriesList();

private:
    static void activate(QWidget *window);

    std::unique_ptr<ProgramFixture> m_program;
};

namespace {

const QByteArray Settings = "[NASTAVENI]\r\nPort=1\r\nTSER=1000\r\n";

} // namespace

void tst_Keyboard::init()
{
    m_program = std::make_unique<ProgramFixture>(ProgramFixture::Options{Settings, false});
    m_program->start();
    activate(m_program->window());
}

void tst_Keyboard::cleanup()
{
    m_program.reset();
}

void tst_Keyboard::activate(QWidget *window)
{
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
}

void tst_Keyboard::menuKeys_data()
{
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<QString>("action");
    QTest::newRow("Alt+M, P connects")
        << QKeySequence(Qt::ALT | Qt::Key_M, QKeyCombination(Qt::Key_P)) << "Pripojit1";
    QTest::newRow("Alt+M, K ends")
        << QKeySequence(Qt::ALT | Qt::Key_M, QKeyCombination(Qt::Key_K)) << "Konec1";
    QTest::newRow("Alt+N opens the settings") << QKeySequence(Qt::ALT | Qt::Key_N) << "Nastaven1";
    QTest::newRow("Alt+I, N shows the help")
        << QKeySequence(Qt::ALT | Qt::Key_I, QKeyCombination(Qt::Key_N)) << "N1";
    QTest::newRow("Alt+I, O shows About")
        << QKeySequence(Qt::ALT | Qt::Key_I, QKeyCombination(Qt::Key_O)) << "Info1";
    QTest::newRow("F1 shows the help") << QKeySequence(Qt::Key_F1) << "N1";
    QTest::newRow("Ctrl+Q ends") << QKeySequence(Qt::CTRL | Qt::Key_Q) << "Konec1";
}

void tst_Keyboard::menuKeys()
{
    QFETCH(QKeySequence, keys);
    QFETCH(QString, action);
    QSignalSpy triggered(m_program->control<QAction>(qPrintable(action)), &QAction::triggered);
    // The help and About windows are modal; close whichever opens.
    QTimer closer;
    connect(&closer, &QTimer::timeout, [] {
        if (QWidget *modal = QApplication::activeModalWidget())
            modal->close();
    });
    closer.start(20);

    for (int i = 0; i < keys.count(); ++i) {
        // A letter after the first key goes to the menu that key opened.
        QWidget *target = i == 0 ? m_program->window() : QApplication::activePopupWidget();
        QVERIFY(target);
        QTest::keyClick(target, keys[i].key(), keys[i].keyboardModifiers());
    }
    QTRY_COMPARE(triggered.count(), 1);
}

void tst_Keyboard::escapeClosesSecondaryWindows_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("connect") << "TPripoj";
    QTest::newRow("settings") << "TNast";
    QTest::newRow("help") << "Tnapoved";
    QTest::newRow("about") << "TfrmOProgramu";
}

void tst_Keyboard::escapeClosesSecondaryWindows()
{
    QFETCH(QString, name);
    // The windows are made afresh for every row; look this one up by name.
    QWidget *window = nullptr;
    for (QWidget *each : {static_cast<QWidget *>(m_program->connectWindow()),
                          static_cast<QWidget *>(m_program->settingsWindow()),
                          static_cast<QWidget *>(m_program->helpWindow()),
                          static_cast<QWidget *>(m_program->aboutWindow())}) {
        if (each->objectName() == name)
            window = each;
    }
    QVERIFY(window);
    activate(window);
    // In the settings window, Esc comes while the user is typing.
    if (auto *port = window->findChild<QLineEdit *>(QStringLiteral("Port"))) {
        port->setFocus();
        port->selectAll();
        QTest::keyClicks(port, "7");
    }
    QWidget *focus = QApplication::focusWidget();
    QTest::keyClick(focus ? focus : window, Qt::Key_Escape);
    QVERIFY(!window->isVisible());
    // As the close box: nothing is written, nothing is said, nothing ends.
    QFile ini(m_program->path() + QStringLiteral("/ZUNOV.INI"));
    QVERIFY(ini.open(QIODevice::ReadOnly));
    QCOMPARE(ini.readAll(), Settings);
    QVERIFY(m_program->messages().texts().isEmpty());
    QVERIFY(!m_program->window()->state.restartRequested);
    QVERIFY(m_program->window()->isVisible());
}

void tst_Keyboard::seriesList_data()
{
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("focus alone selects nothing") << QList<int>{} << QStringList{};
    QTest::newRow("up at the top selects nothing") << QList<int>{Qt::Key_Up} << QStringList{};
    QTest::newRow("space selects E12") << QList<int>{Qt::Key_Space} << QStringList{"1.0"};
    QTest::newRow("down selects E24") << QList<int>{Qt::Key_Down} << QStringList{"2.4"};
    QTest::newRow("down twice selects E48")
        << QList<int>{Qt::Key_Down, Qt::Key_Down} << QStringList{"4.8"};
}

// Tabbing into the list makes its first row current without selecting it;
// only a selection loads a series.
void tst_Keyboard::seriesList()
{
    QFETCH(QList<int>, keys);
    QFETCH(QStringList, shown);
    m_program->writeFile(QStringLiteral("E12.dat"), "1.0\r\n");
    m_program->writeFile(QStringLiteral("E24.dat"), "2.4\r\n");
    m_program->writeFile(QStringLiteral("E48.dat"), "4.8\r\n");
    auto *series = m_program->control<QListWidget>("ListBox1");
    auto *values = m_program->control<QListWidget>("ListBox2");

    series->setFocus(Qt::TabFocusReason);
    QCOMPARE(QApplication::focusWidget(), series);
    for (int key : keys)
        QTest::keyClick(series, Qt::Key(key));
    QStringList texts;
    for (int i = 0; i < values->count(); ++i)
        texts << values->item(i)->text();
    QCOMPARE(texts, shown);
    QVERIFY(m_program->messages().texts().isEmpty());
}

QTEST_MAIN(tst_Keyboard)
#include "tst_keyboard.moc"
