// What the windows paint, counted with an event filter: nothing while nothing
// on screen changes, a changed label alone and not what is behind it, changes
// that come faster than the screen shows them together, and "Příjem" while a
// poll waits for the instrument.
#include "app/statusbarpanels.h"
#include "app/tt_zunov.h"
#include "measure/replyinterpreter.h"
#include "platform/framepacer.h"
#include "platform/solidbackground.h"
#include "support/programfixture.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>
#include <QtTest>

namespace {

// Counts the paint events of a widget and all its children, and keeps the
// text each label had when it was painted.
class PaintCounter : public QObject
{
public:
    explicit PaintCounter(QWidget *root)
    {
        root->installEventFilter(this);
        for (QWidget *child : root->findChildren<QWidget *>())
            child->installEventFilter(this);
    }

    int paints = 0;
    QStringList labelTexts;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            ++paints;
            if (auto *label = qobject_cast<QLabel *>(watched))
                labelTexts << label->text();
        }
        return false;
    }
};

// Counts the events of one type that reach a widget.
class EventCounter : public QObject
{
public:
    EventCounter(QWidget *widget, QEvent::Type type)
        : m_type(type)
    {
        widget->installEventFilter(this);
    }

    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == m_type)
            ++count;
        return false;
    }

private:
    QEvent::Type m_type;
};

constexpr int StatusTicksToWatch = 5;
constexpr int StatusTickMs = 100;
constexpr int SettleMs = 100;
constexpr int HandshakeLimitMs = 15000;
constexpr int PollsToWatch = 8;
constexpr int AdapterDelayMs = 16;
constexpr int FrameMs = 16; // the offscreen screen's 60 Hz

// Starts the program and shows its main window; null if it never shows.
TT_ZUNOV *shownWindow(ProgramFixture &program)
{
    program.start();
    TT_ZUNOV *window = program.window();
    window->show();
    return QTest::qWaitForWindowExposed(window) ? window : nullptr;
}

// What the widget's window has on screen where the widget is: the backing
// store as painted, not a fresh rendering.
QImage onScreen(QWidget *widget)
{
    const QPoint origin = widget->mapTo(widget->window(), QPoint(0, 0));
    return widget->screen()
        ->grabWindow(widget->window()->winId(), origin.x(), origin.y(), widget->width(),
                     widget->height())
        .toImage();
}

// A status bar of three panels in a window of its own, shown.
struct PanelWindow
{
    PanelWindow()
    {
        window.resize(400, 100);
        window.show();
    }

    QMainWindow window;
    StatusBarPanels panels{window.statusBar(),
                           {{QStringLiteral("Stav:"), 40},
                            {QStringLiteral("OFFLINE"), 60},
                            {QStringLiteral("Akce:"), 50}}};

    QLabel *panel(int index) const
    {
        return window.statusBar()->findChild<QLabel *>(QStringLiteral("Panel%1").arg(index));
    }
};

} // namespace

class tst_Repaints : public QObject
{
    Q_OBJECT

private slots:
    void nothingIsPaintedWhileOfflineAndIdle();
    void receivingIsPaintedWhileThePollWaits();
    void changesWithinAFramePaintTogether();
    void changedPanelAloneIsPainted();
    void panelFollowsItsText_data();
    void panelFollowsItsText();
    void panelPicturesLookTheSame();
    void solidBackgroundLooksTheSame_data();
    void solidBackgroundLooksTheSame();
    void valueLabelsPaintAlone();
};

void tst_Repaints::nothingIsPaintedWhileOfflineAndIdle()
{
    ProgramFixture program({"[NASTAVENI]\nPort=1\nTSER=20\n", true});
    TT_ZUNOV *window = shownWindow(program);
    QVERIFY(window);
    QTest::qWait(2 * StatusTickMs); // the first paint after showing

    PaintCounter counter(window);
    QTest::qWait(StatusTicksToWatch * StatusTickMs);
    QCOMPARE(counter.paints, 0);
    QCOMPARE(window->panelText(1), QStringLiteral("OFFLINE"));
}

void tst_Repaints::receivingIsPaintedWhileThePollWaits()
{
    // An adapter that holds every byte for a while keeps a poll waiting for
    // several frames, and "Příjem" says so until the reply comes.
    ProgramFixture program({"[NASTAVENI]\nPort=1\nTSER=20\n", true});
    TT_ZUNOV *window = shownWindow(program);
    QVERIFY(window);
    program.control<QAction>("Pripojit1")->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(window->state.online, HandshakeLimitMs);
    program.instrument().setFaults({.byteDelay = std::chrono::milliseconds(AdapterDelayMs)});

    PaintCounter counter(window);
    const int pollsBefore = program.instrument().exchangeCount();
    QTRY_VERIFY(program.instrument().exchangeCount() >= pollsBefore + PollsToWatch);
    QVERIFY(counter.labelTexts.contains(ActionText::Receiving.toString()));
}

void tst_Repaints::changesWithinAFramePaintTogether()
{
    QWidget window;
    window.resize(200, 50);
    auto *label = new QLabel(QStringLiteral("0"), &window);
    new FramePacer(&window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::qWait(SettleMs);

    // After a quiet while a change is painted on the next pass of the loop.
    PaintCounter counter(&window);
    label->setText(QStringLiteral("quiet"));
    QCoreApplication::processEvents();
    QCOMPARE(counter.labelTexts, QStringList{QStringLiteral("quiet")});

    // Ten changes a millisecond apart paint once per frame at most: once or
    // twice on a quiet machine, a little more when the loop itself is late.
    counter.labelTexts.clear();
    QElapsedTimer changing;
    changing.start();
    for (int i = 1; i <= 10; ++i) {
        label->setText(QString::number(i));
        const qint64 next = changing.elapsed() + 1;
        while (changing.elapsed() < next)
            QCoreApplication::processEvents();
    }
    const qint64 frames = changing.elapsed() / FrameMs;
    QTest::qWait(SettleMs);
    QVERIFY2(counter.labelTexts.size() <= 2 + frames, qPrintable(counter.labelTexts.join(u' ')));
    QCOMPARE(counter.labelTexts.last(), QStringLiteral("10"));
}

void tst_Repaints::changedPanelAloneIsPainted()
{
    PanelWindow bar;
    QVERIFY(QTest::qWaitForWindowExposed(&bar.window));
    QTest::qWait(SettleMs);

    PaintCounter counter(bar.window.statusBar());
    EventCounter layouts(bar.window.statusBar(), QEvent::LayoutRequest);
    bar.panels.setText(1, QStringLiteral("ONLINE"));
    QTest::qWait(SettleMs);
    // The bar itself paints only behind the changed panel, which is not opaque;
    // a text that fits the panel's width lays nothing out again.
    QCOMPARE(counter.labelTexts, QStringList{QStringLiteral("ONLINE")});
    QCOMPARE(layouts.count, 0);
}

void tst_Repaints::panelFollowsItsText_data()
{
    const QString longText = QStringLiteral("Žádná komunikace se zařízením na portu");
    QTest::addColumn<int>("panel");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("grows with a longer text") << 1 << QStringList{longText};
    QTest::newRow("and shrinks back") << 1 << QStringList{longText, QStringLiteral("ONLINE")};
    QTest::newRow("last one grows") << 2 << QStringList{longText + longText};
    QTest::newRow("a marker counts") << 1 << QStringList{QStringLiteral("ONLINE"), QString()};
}

void tst_Repaints::panelFollowsItsText()
{
    // A panel that needs more room, or less, moves the ones after it, frames
    // and all: on screen, the bar looks as if it had had the last text from
    // the start.
    QFETCH(int, panel);
    QFETCH(QStringList, texts);
    const bool marked = texts.constLast().isEmpty();
    if (marked)
        texts.removeLast();
    const QString marker = QStringLiteral("● záznam do souboru měření.csv");
    PanelWindow changed;
    QVERIFY(QTest::qWaitForWindowExposed(&changed.window));
    QTest::qWait(SettleMs);
    for (const QString &text : std::as_const(texts)) {
        changed.panels.setText(panel, text);
        QTest::qWait(SettleMs);
    }
    if (marked)
        changed.panels.setMarker(panel, marker);
    QTest::qWait(SettleMs);

    PanelWindow fresh;
    fresh.panels.setText(panel, texts.constLast());
    if (marked)
        fresh.panels.setMarker(panel, marker);
    QVERIFY(QTest::qWaitForWindowExposed(&fresh.window));
    QTest::qWait(SettleMs);

    // The last panel has only the rest of the bar, however long its text.
    if (panel != 2)
        QVERIFY(changed.panel(panel)->width() >= changed.panel(panel)->sizeHint().width());
    QCOMPARE(onScreen(changed.window.statusBar()), onScreen(fresh.window.statusBar()));
}

void tst_Repaints::panelPicturesLookTheSame()
{
    // A panel shows a text it has shown before from the picture it kept;
    // on screen that looks just as if it had laid the text out again.
    PanelWindow bar;
    QPalette colours = bar.window.palette();
    colours.setColor(QPalette::Window, QColor(230, 240, 200));
    colours.setColor(QPalette::WindowText, QColor(20, 40, 120));
    bar.window.setPalette(colours);
    QVERIFY(QTest::qWaitForWindowExposed(&bar.window));
    const QList<QLabel *> panels = bar.window.statusBar()->findChildren<QLabel *>();
    giveSolidBackgrounds(&bar.window, panels);
    for (const QString &text :
         {QStringLiteral("ONLINE"), QStringLiteral("OFFLINE"), QStringLiteral("ONLINE")}) {
        bar.panels.setText(1, text);
        QTest::qWait(SettleMs);
    }
    const QImage fromPictures = onScreen(bar.window.statusBar());

    for (QLabel *panel : panels) {
        QVERIFY(panel->autoFillBackground());
        panel->setAutoFillBackground(false);
    }
    bar.window.statusBar()->repaint();
    QCOMPARE(onScreen(bar.window.statusBar()), fromPictures);
}

void tst_Repaints::solidBackgroundLooksTheSame_data()
{
    QTest::addColumn<QRect>("where");
    QTest::addColumn<bool>("solid");
    QTest::newRow("inside a group box") << QRect(20, 40, 80, 20) << true;
    QTest::newRow("across its frame") << QRect(-10, 40, 80, 20) << false;
    QTest::newRow("across its title") << QRect(10, 0, 80, 20) << false;
}

void tst_Repaints::solidBackgroundLooksTheSame()
{
    QFETCH(QRect, where);
    QFETCH(bool, solid);
    QWidget window;
    window.resize(300, 200);
    auto *box = new QGroupBox(QStringLiteral("Odpor"), &window);
    box->setGeometry(10, 10, 200, 150);
    auto *label = new QLabel(QStringLiteral("000 ohm"), box);
    label->setGeometry(where);
    const QImage before = window.grab().toImage();

    giveSolidBackgrounds(&window, {label});
    QCOMPARE(label->autoFillBackground(), solid);
    QCOMPARE(window.grab().toImage(), before);
    label->setText(QStringLiteral("47 kohm"));
    const QImage changed = window.grab().toImage();
    label->setAutoFillBackground(false);
    QCOMPARE(changed, window.grab().toImage());
}

void tst_Repaints::valueLabelsPaintAlone()
{
    // A new value or status paints its label and nothing behind it, and the
    // window looks just as it would with the labels transparent.
    ProgramFixture program({"[NASTAVENI]\nPort=1\nTSER=20\n", true});
    TT_ZUNOV *window = shownWindow(program);
    QVERIFY(window);
    QTest::qWait(SettleMs);
    auto *u1 = program.control<QLabel>("Label1");
    auto *action = program.control<QLabel>("Panel4");
    PaintCounter counter(window);
    u1->setText(QStringLiteral("12.5 V"));
    action->setText(QStringLiteral("Příjem U1 a U2"));
    QTest::qWait(SettleMs);
    QCOMPARE(counter.labelTexts.size(), 2);
    QCOMPARE(counter.paints, 2);

    const QImage solid = window->grab().toImage();
    for (QLabel *label : window->findChildren<QLabel *>())
        label->setAutoFillBackground(false);
    QCOMPARE(window->grab().toImage(), solid);
}

QTEST_MAIN(tst_Repaints)
#include "tst_repaints.moc"
