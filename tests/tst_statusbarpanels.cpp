#include "app/statusbarpanels.h"

#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>
#include <QtTest>

// A panel that gives way in a bar of its own: elided while another panel's
// text needs the room, whole again once it does not.
class tst_StatusBarPanels : public QObject
{
    Q_OBJECT

private slots:
    void givingPanelTakesItsRoomBack_data();
    void givingPanelTakesItsRoomBack();
};

void tst_StatusBarPanels::givingPanelTakesItsRoomBack_data()
{
    QTest::addColumn<QString>("marker");
    QTest::newRow("without a marker") << QString();
    QTest::newRow("with a marker") << QStringLiteral("● ZÁZNAM");
}

void tst_StatusBarPanels::givingPanelTakesItsRoomBack()
{
    QFETCH(QString, marker);
    const QString device = QStringLiteral("COM2147483647 (emulátor)");
    const QString whole = marker.isEmpty() ? device : device + QLatin1Char(' ') + marker;
    QMainWindow window;
    window.setFixedWidth(400);
    StatusBarPanels panels(window.statusBar(),
                           {{QStringLiteral("Stav:"), 40}, {QString(), 100, true}, {"", 50}});
    auto *label = window.statusBar()->findChild<QLabel *>(QStringLiteral("Panel1"));
    panels.setText(1, device);
    panels.setMarker(1, marker);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    panels.setText(2, QStringLiteral("Odelímám data pro generátor"));
    QTRY_VERIFY(label->text().contains(QStringLiteral("…")));
    QVERIFY(label->text().endsWith(marker));
    QCOMPARE(panels.text(1), device);

    panels.setText(2, QStringLiteral("Příjem"));
    QTRY_COMPARE(label->text(), whole);
}

QTEST_MAIN(tst_StatusBarPanels)
#include "tst_statusbarpanels.moc"
