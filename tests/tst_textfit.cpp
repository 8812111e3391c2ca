#include "app/appwindows.h"
#include "dialogs/limitswindow.h"
#include "dialogs/statisticswindow.h"
#include "dialogs/sweepwindow.h"
#include "dialogs/tfrmoprogramu.h"
#include "dialogs/tnapoved.h"
#include "dialogs/tnast.h"
#include "dialogs/tpripoj.h"
#include "dialogs/trendwindow.h"
#include "link/handshake.h"
#include "link/instrumentsession.h"
#include "measure/replyinterpreter.h"
#include "measure/tgraff.h"
#include "platform/application.h"
#include "platform/language.h"
#include "support/programfixture.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QStyleOption>
#include <QTextDocument>
#include <QtTest>
#include <map>

// The windows keep their sizes in every language, so a translation has to
// choose wordings that fit them. Every label, button, group box title and
// menu bar item of every window, in English (or in the language that
// ZUNOV_TEST_LANGUAGE names: a run has one, as translations only add up),
// must show its whole text in the rectangle it has.
class tst_TextFit : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void everyTextFits_data();
    void everyTextFits();
    void changingTextsFit_data();
    void changingTextsFit();
    void statusPanelsFit_data();
    void statusPanelsFit();

private:
    QWidget *windowNamed(const QString &name) const;
    std::unique_ptr<ProgramFixture> m_program;
};

namespace {

QString shown(const QString &text)
{
    return QString(text).remove(QLatin1Char('&'));
}

// The room a control gives its text, and the width the text needs there.
struct Room
{
    int available;
    int needed;
};

Room labelRoom(const QLabel *label)
{
    QRect room = label->contentsRect().adjusted(label->margin(), label->margin(), -label->margin(),
                                                -label->margin());
    // A framed label without an indent of its own paints its text half an
    // "x" in from the frame on the side it is aligned to.
    const int indent =
        label->indent() < 0 && label->frameWidth() > 0
            ? label->fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2 - label->margin()
            : label->indent();
    if (indent > 0 && (label->alignment() & Qt::AlignLeft))
        room.setLeft(room.left() + indent);
    if (indent > 0 && (label->alignment() & Qt::AlignRight))
        room.setRight(room.right() - indent);
    if (label->wordWrap()) {
        // A wrapped text fits when all its lines fit the height.
        QTextDocument document;
        document.setDefaultFont(label->font());
        document.setDocumentMargin(0);
        document.setTextWidth(room.width());
        document.setPlainText(label->text());
        return {room.height(), int(document.size().height())};
    }
    // A label with a buddy shows its mnemonic underlined, not as "&".
    const QString text = label->buddy() ? shown(label->text()) : label->text();
    int needed = 0;
    for (const QString &line : text.split(QLatin1Char('\n')))
        needed = qMax(needed, label->fontMetrics().horizontalAdvance(line));
    return {room.width(), needed};
}

Room buttonRoom(const QAbstractButton *button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const int needed = button->fontMetrics().horizontalAdvance(shown(button->text()));
    const QStyle *style = button->style();
    if (qobject_cast<const QRadioButton *>(button))
        return {style->subElementRect(QStyle::SE_RadioButtonContents, &option, button).width(),
                needed};
    if (qobject_cast<const QCheckBox *>(button))
        return {style->subElementRect(QStyle::SE_CheckBoxContents, &option, button).width(),
                needed};
    return {style->subElementRect(QStyle::SE_PushButtonContents, &option, button).width(), needed};
}

Room groupBoxRoom(const QGroupBox *box)
{
    QStyleOptionGroupBox option;
    option.initFrom(box);
    option.text = box->title();
    option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
    const QRect frame =
        box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxFrame, box);
    const QRect label =
        box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
    // The title starts a little in from the frame and must end inside it.
    return {frame.right() - label.left(),
            box->fontMetrics().horizontalAdvance(shown(box->title()))};
}

// Every text of a window that does not fit, as "name: text (needed > room)".
QStringList textsThatDoNotFit(QWidget *window)
{
    QStringList problems;
    const auto check = [&problems](const QWidget *widget, const QString &text, Room room) {
        if (!text.isEmpty() && room.needed > room.available)
            problems << QStringLiteral("%1: \"%2\" (%3 > %4)")
                            .arg(widget->objectName(), text)
                            .arg(room.needed)
                            .arg(room.available);
    };
    for (const QLabel *label : window->findChildren<QLabel *>()) {
        if (label->isVisibleTo(window) && label->textFormat() != Qt::RichText)
            check(label, label->text(), labelRoom(label));
    }
    for (const QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
        if (button->isVisibleTo(window)
            && (qobject_cast<const QPushButton *>(button)
                || qobject_cast<const QRadioButton *>(button)
                || qobject_cast<const QCheckBox *>(button)))
            check(button, button->text(), buttonRoom(button));
    }
    for (const QGroupBox *box : window->findChildren<QGroupBox *>()) {
        if (box->isVisibleTo(window))
            check(box, box->title(), groupBoxRoom(box));
    }
    for (const QMenuBar *bar : window->findChildren<QMenuBar *>()) {
        for (QAction *action : bar->actions()) {
            const QRect item = bar->actionGeometry(action);
            check(bar, action->text(),
                  {bar->width(), item.isEmpty() ? bar->width() + 1 : item.right() + 1});
        }
    }
    return problems;
}

} // namespace

void tst_TextFit::initTestCase()
{
    QVERIFY(useLanguage(qEnvironmentVariable("ZUNOV_TEST_LANGUAGE", Language::English)));
    m_program = std::make_unique<ProgramFixture>(ProgramFixture::Options{QByteArray(), false});
    m_program->start();
}

void tst_TextFit::cleanupTestCase()
{
    m_program.reset();
}

void tst_TextFit::everyTextFits_data()
{
    QTest::addColumn<QString>("window");
    for (const char *window : {"main", "connect", "graph", "settings", "help", "about",
                               "statistics", "trend", "limits", "sweep"})
        QTest::newRow(window) << QString::fromLatin1(window);
}

QWidget *tst_TextFit::windowNamed(const QString &name) const
{
    const std::map<QString, QWidget *> windows{
        {QStringLiteral("main"), m_program->window()},
        {QStringLiteral("connect"), m_program->connectWindow()},
        {QStringLiteral("graph"), m_program->graphWindow()},
        {QStringLiteral("settings"), m_program->settingsWindow()},
        {QStringLiteral("help"), m_program->helpWindow()},
        {QStringLiteral("about"), m_program->aboutWindow()},
        {QStringLiteral("statistics"), m_program->statisticsWindow()},
        {QStringLiteral("trend"), m_program->trendWindow()},
        {QStringLiteral("limits"), m_program->limitsWindow()},
        {QStringLiteral("sweep"), m_program->sweepWindow()},
    };
    return windows.at(name);
}

void tst_TextFit::everyTextFits()
{
    QFETCH(QString, window);
    QWidget *shownWindow = windowNamed(window);
    shownWindow->show();
    QVERIFY(QTest::qWaitForWindowExposed(shownWindow));
    const QStringList problems = textsThatDoNotFit(shownWindow);
    shownWindow->hide();
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
}

// Texts that replace a control's first one while the program runs: the
// connect test's steps and the last action in the status bar.
void tst_TextFit::changingTextsFit_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text");
    for (int step = 1; step <= 4; ++step)
        QTest::addRow("step %d", step) << "connect"
                                       << "Label1" << Handshake::stepText(step);
    QTest::newRow("retry") << "connect"
                           << "Label1" << Handshake::retryText();
    for (QStringView action : {ActionText::Receiving, ActionText::Voltages, ActionText::Resistance,
                               ActionText::Frequency, ActionText::Current})
        QTest::newRow(qPrintable(action.toString())) << "main"
                                                     << "Panel4" << shownActionText(action);
    for (const char *action : {"Odelímám data pro generátor", "Žádná odpověď"})
        QTest::newRow(action) << "main"
                              << "Panel4" << QCoreApplication::translate("TT_ZUNOV", action);
}

void tst_TextFit::changingTextsFit()
{
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(QString, text);
    QWidget *shownWindow = windowNamed(window);
    auto *label = ProgramFixture::control<QLabel>(shownWindow, qPrintable(control));
    const QString before = label->text();
    // The connect window sizes its step line to the text, as it shows it.
    if (shownWindow == m_program->connectWindow())
        m_program->connectWindow()->setStepText(text);
    else
        label->setText(text);
    shownWindow->show();
    QVERIFY(QTest::qWaitForWindowExposed(shownWindow));
    const QStringList problems = textsThatDoNotFit(shownWindow);
    shownWindow->hide();
    label->setText(before);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
}

// Every state the status bar can show: every form of device name (with the emulator behind each, so
// that the link can come up), with and without the recording marker, idle, after a poll that
// brought the longest of the receiving texts, while an upload starts ("OFFLINE generator") and
// after it.
void tst_TextFit::statusPanelsFit_data()
{
    QTest::addColumn<QString>("device");
    QTest::addColumn<bool>("recording");
    QTest::addColumn<QString>("state");
    for (const char *device : {"COM1", "COM2147483647", "ttyUSB0",
                               "usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0", "pts"})
        for (bool recording : {false, true})
            for (const char *state : {"idle", "polled", "uploading", "uploaded"})
                QTest::addRow("%s, %s, %s", device, recording ? "recording" : "not recording",
                              state)
                    << QString::fromLatin1(device) << recording << QString::fromLatin1(state);
}

void tst_TextFit::statusPanelsFit()
{
    QFETCH(QString, device);
    QFETCH(bool, recording);
    QFETCH(QString, state);
    ProgramFixture program;
    const QString slave = QString::fromStdString(program.instrument().slavePath());
    QByteArray settings = "[NASTAVENI]\r\n";
    QString name = device;
    if (device.startsWith(QLatin1String("COM"))) {
        settings += "Port=" + device.mid(3).toLatin1() + "\r\n";
    } else if (device == QLatin1String("pts")) {
        settings += "Zarizeni=" + slave.toUtf8() + "\r\n";
        name = slave.mid(5);
    } else {
        settings += "Zarizeni=" + QDir(program.path()).filePath(device).toUtf8() + "\r\n";
    }
    QFile::remove(QDir(program.path()).filePath(QStringLiteral("COM1")));
    if (device != QLatin1String("pts"))
        QVERIFY(QFile::link(slave, QDir(program.path()).filePath(device)));
    program.writeFile(QStringLiteral("ZUNOV.INI"), settings);
    program.start();
    TT_ZUNOV *window = program.window();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    if (recording)
        QVERIFY(window->startRecording(program.path() + QStringLiteral("/r.csv")));
    if (state == QLatin1String("polled")) {
        window->state.online = true;
        program.instrument().queueReplies({{'e', 1, 2, 3}});
        QVERIFY(program.poll());
    } else if (state != QLatin1String("idle")) {
        QSignalSpy uploaded(&window->session(), &InstrumentSession::uploaded);
        program.control<QPushButton>("Button2")->click();
        if (state == QLatin1String("uploaded")) {
            QVERIFY(uploaded.wait());
            emit window->Timer1->timeout();
        }
    }
    // Laid out without running the timers, which would put the link panel
    // back while the upload starts.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);

    const QStringList problems = textsThatDoNotFit(window->statusBar());
    const QString shownDevice = program.control<QLabel>("Panel2")->text();
    window->hide();
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    const QString marker = QCoreApplication::translate("TT_ZUNOV", "● ZÁZNAM");
    QCOMPARE(shownDevice.endsWith(marker), recording);
    // However short the panel, the tool tip names the device in full.
    QVERIFY2(window->panelToolTip(2).contains(name), qPrintable(window->panelToolTip(2)));
}

// The program's own application, which maps the fonts the layouts name to
// the ones installed with it: texts are measured as the program shows them.
int main(int argc, char *argv[])
{
    Application app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    tst_TextFit test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_textfit.moc"
