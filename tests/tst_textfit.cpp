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
#include "measure/replyinterpreter.h"
#include "measure/tgraff.h"
#include "platform/language.h"
#include "support/programfixture.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOption>
#include <QTextDocument>
#include <QtTest>
#include <map>

// The windows keep their sizes in every language, so a translation has to
// choose wordings that fit them. Every label, button, group box title and
// menu bar item of every window, in English, must show its whole text in
// the rectangle it has.
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
    const QRect room = label->contentsRect().adjusted(label->margin(), label->margin(),
                                                      -label->margin(), -label->margin());
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
    QVERIFY(useLanguage(Language::English));
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

QTEST_MAIN(tst_TextFit)
#include "tst_textfit.moc"
