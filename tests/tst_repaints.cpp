// What the windows paint, counted with an event filter: nothing while nothing
// on screen changes, and a changed status panel before the program waits for
// the instrument.
#include "app/tt_zunov.h"
#include "support/programfixture.h"

#include <QLabel>
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

constexpr int StatusTicksToWatch = 5;
constexpr int StatusTickMs = 100;

} // namespace

class tst_Repaints : public QObject
{
    Q_OBJECT

private slots:
    void nothingIsPaintedWhileOfflineAndIdle();
};

void tst_Repaints::nothingIsPaintedWhileOfflineAndIdle()
{
    ProgramFixture program({"[NASTAVENI]\nPort=1\nTSER=20\n", true});
    program.start();
    TT_ZUNOV *window = program.window();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QTest::qWait(2 * StatusTickMs); // the first paint after showing

    PaintCounter counter(window);
    QTest::qWait(StatusTicksToWatch * StatusTickMs);
    QCOMPARE(counter.paints, 0);
    QCOMPARE(window->panelText(1), QStringLiteral("OFFLINE"));
}

QTEST_MAIN(tst_Repaints)
#include "tst_repaints.moc"
