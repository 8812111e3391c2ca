#include "dialogs/tfrmoprogramu.h"
#include "dialogs/tnapoved.h"
#include "dialogs/tnast.h"
#include "dialogs/tpripoj.h"
#include "measure/tgraff.h"
#include "platform/textfile.h"
#include "support/programfixture.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QtTest>

// The windows as the user first sees them: where each opens, its caption and
// title-bar buttons, and every control's text, place, size and font. Each
// window has a table of its own, with the window itself as the first row;
// the title-bar buttons and the menus have a table each.
class tst_Layout : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void titleBarButtons_data();
    void titleBarButtons();
    void mainWindow_data();
    void mainWindow() { checkControl(m_program->window()); }
    void menus_data();
    void menus();
    void helpNamesOnlyRealMenuItems();
    void graphWindow_data();
    void graphWindow() { checkControl(m_program->graphWindow()); }
    void connectWindow_data();
    void connectWindow() { checkControl(m_program->connectWindow()); }
    void settingsWindow_data();
    void settingsWindow() { checkControl(m_program->settingsWindow()); }
    void helpWindow_data();
    void helpWindow() { checkControl(m_program->helpWindow()); }
    void aboutWindow_data();
    void aboutWindow() { checkControl(m_program->aboutWindow()); }

private:
    static void checkControl(QWidget *window);

    std::unique_ptr<ProgramFixture> m_program;
};

namespace {

enum Weight { Regular, Bold };

QFont font(const char *family, int pixels, Weight weight = Regular)
{
    QFont f(QString::fromLatin1(family));
    f.setPixelSize(pixels);
    f.setBold(weight == Bold);
    return f;
}

const QFont Plain = font("MS Sans Serif", 11);
const QFont Caption = font("Comic Sans MS", 13, Bold);
const QFont GroupCaption = font("Comic Sans MS", 16, Bold);
const QFont NoFont; // a control whose font the user never sees

// A label that grows with its text: only its corner is laid out, and it
// takes the size of its text.
QRect at(int x, int y)
{
    return {x, y, 0, 0};
}

// Placed by the status bar, as wide as its text needs at least.
const QRect Placed{-1, -1, 0, 0};

// The secondary windows' outer sizes were laid out for a frame of 4 pixels
// at each side below a 30-pixel caption bar; their client areas are what
// stays the same on every desktop.
QSize clientOf(int outerWidth, int outerHeight)
{
    return {outerWidth - 8, outerHeight - 34};
}

// The window's own row: its caption, the outer corner where it opens, the
// size of its client area and its font.
void windowRow(QWidget *window, const QString &caption, QPoint corner, QSize client,
               const QFont &windowFont)
{
    QTest::newRow(qPrintable(window->objectName()))
        << window->objectName() << caption << QRect(corner, client) << windowFont;
}

void row(const char *name, const QString &text, const QRect &geometry, const QFont &f)
{
    QTest::newRow(name) << QString::fromLatin1(name) << text << geometry << f;
}

// A mnemonic is given by its letter; every item's is unique within its menu.
void menuRow(const char *name, const char *menu, int index, const char *text, char mnemonic,
             const QKeySequence &shortcut = {})
{
    QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(menu) << index
                        << QString::fromUtf8(text) << QKeySequence(Qt::ALT | mnemonic) << shortcut;
}

void addColumns()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QFont>("font");
}

QString shownText(const QWidget *control)
{
    if (control->isWindow())
        return control->windowTitle();
    if (auto *label = qobject_cast<const QLabel *>(control))
        return label->text();
    if (auto *button = qobject_cast<const QAbstractButton *>(control))
        return button->text();
    if (auto *group = qobject_cast<const QGroupBox *>(control))
        return group->title();
    if (auto *edit = qobject_cast<const QLineEdit *>(control))
        return edit->text();
    if (auto *choice = qobject_cast<const QComboBox *>(control))
        return choice->currentText();
    if (auto *memo = qobject_cast<const QPlainTextEdit *>(control))
        return memo->toPlainText();
    if (auto *list = qobject_cast<const QListWidget *>(control)) {
        QStringList items;
        for (int i = 0; i < list->count(); ++i)
            items << list->item(i)->text();
        return items.join(QLatin1Char('|'));
    }
    return {};
}

// The main window's client area lies below its menu bar.
QSize clientSize(const QWidget *window)
{
    const auto *main = qobject_cast<const QMainWindow *>(window);
    return main ? window->size() - QSize(0, main->menuBar()->height()) : window->size();
}

} // namespace

void tst_Layout::initTestCase()
{
    m_program = std::make_unique<ProgramFixture>(ProgramFixture::Options{{}, false, "Nápověda"});
    m_program->start();
    QVERIFY(m_program->messages().texts().isEmpty());
}

void tst_Layout::cleanupTestCase()
{
    m_program.reset();
}

void tst_Layout::checkControl(QWidget *window)
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QRect, geometry);
    QFETCH(QFont, font);

    // Where a window opens is only known once it is shown.
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    const auto hide = qScopeGuard([window] { window->hide(); });

    QWidget *control = name == window->objectName()
                           ? window
                           : ProgramFixture::control<QWidget>(window, qPrintable(name));
    control->ensurePolished();
    QCOMPARE(shownText(control), text);
    if (control->isWindow()) {
        QCOMPARE(control->frameGeometry().topLeft(), geometry.topLeft());
        QCOMPARE(clientSize(control), geometry.size());
        // Not resizable.
        QCOMPARE(control->minimumSize(), control->size());
        QCOMPARE(control->maximumSize(), control->size());
    } else if (geometry == Placed) {
        QVERIFY(control->width() >= control->sizeHint().width());
    } else if (geometry.isEmpty()) {
        QCOMPARE(control->pos(), geometry.topLeft());
        QCOMPARE(control->size(), control->sizeHint());
    } else {
        QCOMPARE(control->geometry(), geometry);
    }
    if (font != NoFont) {
        QCOMPARE(control->font().family(), font.family());
        QCOMPARE(control->font().pixelSize(), font.pixelSize());
        QCOMPARE(control->font().bold(), font.bold());
    }
}

void tst_Layout::titleBarButtons_data()
{
    QTest::addColumn<QWidget *>("window");
    QTest::addColumn<Qt::WindowFlags>("buttons");
    const Qt::WindowFlags closeOnly = Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    QTest::newRow("main: system menu and minimise") << static_cast<QWidget *>(m_program->window())
                                                    << (closeOnly | Qt::WindowMinimizeButtonHint);
    QTest::newRow("graph: none") << static_cast<QWidget *>(m_program->graphWindow())
                                 << Qt::WindowFlags();
    QTest::newRow("connect: close")
        << static_cast<QWidget *>(m_program->connectWindow()) << closeOnly;
    QTest::newRow("settings: close")
        << static_cast<QWidget *>(m_program->settingsWindow()) << closeOnly;
    QTest::newRow("help: close") << static_cast<QWidget *>(m_program->helpWindow()) << closeOnly;
    QTest::newRow("about: close") << static_cast<QWidget *>(m_program->aboutWindow()) << closeOnly;
}

void tst_Layout::titleBarButtons()
{
    QFETCH(QWidget *, window);
    QFETCH(Qt::WindowFlags, buttons);
    const Qt::WindowFlags all = Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                                | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint
                                | Qt::WindowContextHelpButtonHint;
    QVERIFY(window->windowFlags().testFlag(Qt::WindowTitleHint));
    QCOMPARE(window->windowFlags() & all, buttons);
}

void tst_Layout::mainWindow_data()
{
    addColumns();
    const QFont groupU = font("Arial", 16, Bold);
    const QFont voltage = font("Arial", 48);
    windowRow(m_program->window(), QStringLiteral("ZUNOV v1 na COM1 "), {715, 74}, {426, 551},
              Plain);
    row("GroupBox3", "Měření napětí", {8, 8, 409, 153}, GroupCaption);
    // The voltages are centred in boxes 30 pixels wider than laid out (130),
    // about the same centre, so that "12.5 V" in this font is not cut off.
    row("GroupBox2", "U1", {16, 35, 185, 105}, groupU);
    row("Label1", "000 V", {11, 28, 160, 55}, voltage);
    row("GroupBox1", "U2", {208, 35, 185, 105}, groupU);
    row("Label", "000 V", {9, 28, 160, 55}, voltage);
    row("CheckBox1", "Graf", {344, 16, 49, 17}, Caption);
    row("GroupBox4", "Odpor", {8, 168, 225, 113}, GroupCaption);
    row("Label3", "Hodnota:", at(8, 24), Caption);
    row("RXX", "000", at(72, 24), Caption);
    row("RXXX", "ohm", at(96, 24), Caption);
    row("Label8", "Řád:", at(80, 48), Caption);
    row("ListBox1", "E12|E24|E48", {112, 48, 33, 52}, Plain);
    row("ListBox2", "", {152, 16, 65, 89}, Plain);
    row("GroupBox5", "Frekvence", {8, 288, 225, 49}, GroupCaption);
    row("Label10", "Hodnota:", at(8, 24), Caption);
    row("Label12", "00000000Hz", at(72, 24), Caption);
    row("GroupBox7", "Proud", {240, 168, 177, 169}, GroupCaption);
    row("Label9", "Hodnota:", at(8, 24), Caption);
    row("Label11", "0.00A", at(72, 24), Caption);
    row("PerformanceGraph1", "", {8, 56, 161, 100}, NoFont);
    row("GroupBox6", "Generátor funkcí", {8, 344, 409, 185}, GroupCaption);
    row("RadioButton5", "Sinus", {24, 24, 81, 17}, Caption);
    row("RadioButton4", "Sinus 1/2", {24, 40, 81, 17}, Caption);
    row("RadioButton3", "Obdélník", {24, 56, 81, 17}, Caption);
    row("RadioButton2", "Pila", {24, 72, 81, 17}, Caption);
    row("RadioButton1", "Trojúhelník", {24, 88, 97, 17}, Caption);
    row("Label5", "Frekvence:", at(16, 120), Caption);
    row("Label2", "5-50Hz", at(88, 120), Caption);
    row("cas1", "", {16, 144, 129, 25}, NoFont);
    row("cass1", "000", at(156, 144), font("MS Sans Serif", 16));
    row("Ukazka", "", {152, 24, 241, 105}, NoFont);
    row("Button2", "Odeslat data / START", {256, 488, 147, 25}, Caption);
    // Panel 2 is left to what the link reports.
    row("Panel0", "Stav:", Placed, Plain);
    row("Panel1", "OFFLINE", Placed, Plain);
    row("Panel3", "Akce:", Placed, Plain);
    row("Panel4", "Žádná komunikace", Placed, Plain);
}

void tst_Layout::menus_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("menu");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QKeySequence>("mnemonic");
    QTest::addColumn<QKeySequence>("shortcut");
    // Texts as shown, without the mnemonic marks; items in menu order.
    menuRow("j1", "MainMenu1", 0, "Menu", 'M');
    menuRow("Pripojit1", "j1", 0, "Připojit", 'P');
    menuRow("Konec1", "j1", 1, "Konec", 'K', QKeySequence(Qt::CTRL | Qt::Key_Q));
    menuRow("Nastaven1", "MainMenu1", 1, "Nastavení", 'N');
    menuRow("Oaplikaci1", "MainMenu1", 2, "Info", 'I');
    // The leading space is the program's own.
    menuRow("N1", "Oaplikaci1", 0, " Nápověda", 'N', QKeySequence(Qt::Key_F1));
    menuRow("Info1", "Oaplikaci1", 1, "O programu", 'O');
    menuRow("Zaznam1", "MainMenu1", 3, "Záznam", 'Z');
    menuRow("SpustitZaznam1", "Zaznam1", 0, "Spustit záznam…", 'S');
    menuRow("ZastavitZaznam1", "Zaznam1", 1, "Zastavit záznam", 'Z');
    // A separator stands between the recording and the pictures.
    menuRow("UlozitGrafProudu1", "Zaznam1", 3, "Uložit graf proudu…", 'P');
    menuRow("UlozitGrafy1", "Zaznam1", 4, "Uložit grafy U1 a U2…", 'U');
}

void tst_Layout::menus()
{
    QFETCH(QString, name);
    QFETCH(QString, menu);
    QFETCH(int, index);
    QFETCH(QString, text);
    QFETCH(QKeySequence, mnemonic);
    QFETCH(QKeySequence, shortcut);
    auto *submenu = m_program->window()->findChild<QMenu *>(name);
    QAction *action = submenu
                          ? submenu->menuAction()
                          : ProgramFixture::control<QAction>(m_program->window(), qPrintable(name));
    auto *owner = ProgramFixture::control<QWidget>(m_program->window(), qPrintable(menu));
    QCOMPARE(owner->actions().indexOf(action), index);
    QCOMPARE(QString(action->text()).remove(QLatin1Char('&')), text);
    QCOMPARE(QKeySequence::mnemonic(action->text()), mnemonic);
    QCOMPARE(action->shortcut(), shortcut);
}

// The help text shows the way to a command as "menu" > "item"; each such
// way must lead to an item of the real menus.
void tst_Layout::helpNamesOnlyRealMenuItems()
{
    const auto plain = [](const QString &text) { return QString(text).remove(u'&').trimmed(); };
    QStringList items;
    for (const QMenu *menu : m_program->window()->menuBar()->findChildren<QMenu *>()) {
        for (const QAction *item : menu->actions())
            items << plain(menu->title()) + QStringLiteral(" > ") + plain(item->text());
    }
    const QString help = readTextFile(QStringLiteral(ZUNOV_DATA_DIR "/HELP.dat"), HelpFileLimit);
    const QRegularExpression way(QStringLiteral("\"([^\"]+)\"\\s*>\\s*\"([^\"]+)\""));
    int ways = 0;
    for (const QRegularExpressionMatch &match : way.globalMatch(help)) {
        const QString path = match.captured(1) + QStringLiteral(" > ") + match.captured(2);
        QVERIFY2(items.contains(path), qPrintable(path));
        ++ways;
    }
    QVERIFY(ways > 0);
}

void tst_Layout::graphWindow_data()
{
    addColumns();
    const QFont voltage = font("Arial", 19, Bold);
    windowRow(m_program->graphWindow(), QStringLiteral("ZUNOV - Graf"), {203, 134}, {411, 546},
              NoFont);
    row("PerformanceGraph1", "", {8, 8, 361, 257}, NoFont);
    row("Label1", "U1", at(376, 8), voltage);
    row("Label2", "U2", at(376, 272), voltage);
    row("PerformanceGraph2", "", {8, 272, 361, 257}, NoFont);
}

void tst_Layout::connectWindow_data()
{
    addColumns();
    windowRow(m_program->connectWindow(), QStringLiteral("ZUNOV - Připojit"), {811, 487},
              clientOf(308, 138), Plain);
    row("Label1", "", at(19, 24), Caption);
    row("Label2", "Odesílám:", at(192, 8), Plain);
    row("Label3", "Přijimám:", at(192, 32), Plain);
    row("Label4", "1", at(248, 8), Plain);
    row("Label5", "2", at(248, 32), Plain);
    row("ProgressBar1", "", {8, 72, 281, 17}, NoFont);
}

void tst_Layout::settingsWindow_data()
{
    addColumns();
    // One row taller than first laid out: the device row below the other two.
    windowRow(m_program->settingsWindow(), QStringLiteral("Nastavení"), {762, 573},
              clientOf(425, 137), Plain);
    row("Label1", "Port:", at(8, 24), Caption);
    row("Label2", "(0-9)", at(208, 24), Caption);
    row("Label3", "Perioda čtení dat:", at(8, 48), Caption);
    row("Label4", "[ms] (1-99999) typ:1000", at(208, 48), Caption);
    row("Port", "Port", {136, 24, 65, 21}, Plain);
    row("Button2", "Ulož", {336, 8, 75, 25}, Caption);
    row("TSER", "TSER", {136, 48, 65, 21}, Plain);
    row("Label5", "Zařízení:", at(8, 72), Caption);
    row("Zarizeni", "", {136, 72, 275, 21}, Plain);
}

void tst_Layout::helpWindow_data()
{
    addColumns();
    windowRow(m_program->helpWindow(), QStringLiteral("Nápověda"), {518, 433}, clientOf(407, 225),
              Plain);
    row("Button1", "Zavřít", {320, 160, 75, 25}, Caption);
    row("Memo1", "Nápověda", {8, 8, 385, 137}, Plain);
}

void tst_Layout::aboutWindow_data()
{
    addColumns();
    const QFont caption17 = font("Comic Sans MS", 17);
    windowRow(m_program->aboutWindow(), QStringLiteral("O programu"), {1016, 323},
              clientOf(224, 243), Plain);
    row("Label1", "ZUNOV", at(24, 16), font("Comic Sans MS", 19, Bold));
    row("Label2", "v1", at(96, 16), font("Comic Sans MS", 15, Bold));
    row("Label3", "Vývojový tým ZUNOV", at(48, 64), Caption);
    row("Label6", "E-mail:", at(8, 104), caption17);
    row("Edit1", "info@zunov.example", {64, 104, 145, 27}, Caption);
    row("Label5", "Web:", at(8, 136), caption17);
    row("Edit2", "https://zunov.example", {64, 136, 145, 27}, Caption);
    row("Button1", "Zavřít", {128, 176, 75, 25}, Caption);
}

QTEST_MAIN(tst_Layout)
#include "tst_layout.moc"
