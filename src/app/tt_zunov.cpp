#include "app/tt_zunov.h"

#include "app/statuspanel.h"
#include "config/configuration.h"
#include "dialogs/tfrmoprogramu.h"
#include "dialogs/tnapoved.h"
#include "dialogs/tnast.h"
#include "link/instrumentsession.h"
#include "link/tserial.h"
#include "measure/numberformat.h"
#include "platform/labeltext.h"
#include "platform/solidbackground.h"
#include "record/rotatingrecord.h"
#include "ui_tt_zunov.h"

#include <QCoreApplication>
#include <QDir>

namespace {

constexpr int StatusTickMs = 100;
constexpr int HandshakeStepMs = 500;

// Translated where it is shown: the translation is chosen after start-up.
const char *const NoCommunicationText = QT_TRANSLATE_NOOP("TT_ZUNOV", "Žádná komunikace");

// A poll period of 0 or below (absent, not a number, or typed with a minus)
// means the program never polls; the timers are never handed a negative value.
int pollInterval(int pollPeriodMs)
{
    return pollPeriodMs > 0 ? pollPeriodMs : 0;
}

// Texts and widths of the status bar's five panels at start-up.
QList<StatusBarPanels::Panel> initialStatusPanels()
{
    return {
        {QCoreApplication::translate("TT_ZUNOV", "Stav:"), 40},
        {StatusPanel::OfflineText, 60},
        // The device's name gives way before any other text is cut.
        {QString(), 100, true},
        {QCoreApplication::translate("TT_ZUNOV", "Akce:"), 50},
        {QCoreApplication::translate("TT_ZUNOV", NoCommunicationText), 50},
    };
}

} // namespace

TT_ZUNOV::TT_ZUNOV(const Configuration &configuration, QWidget *parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                              | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    , Timer1(new Timer(StatusTickMs, this))
    , Timer2(new Timer(0, this))
    , Timer3(new Timer(0, this))
    , Timer4(new Timer(HandshakeStepMs, this))
    , Timer5(new Timer(HandshakeStepMs, this))
    , Timer6(new Timer(HandshakeStepMs, this))
    , Timer7(new Timer(HandshakeStepMs, this))
    , ui(std::make_unique<Ui::TT_ZUNOV>())
{
    ui->setupUi(this);
    m_panels = std::make_unique<StatusBarPanels>(ui->StatusBar1, initialStatusPanels());
    // The layout is fixed: the client area below the menu bar is 426 x 551
    // pixels, the status bar included.
    ui->centralwidget->setFixedSize(426, 551 - 19);
    ui->StatusBar1->setFixedHeight(19);
    ui->PerformanceGraph1->SetGradient(255);
    connectHandlers();
    setUpRecordMenus();
    keepSaveFolder(configuration.saveFolder);
    setUpAnalysisMenu();
    setUpLimits();
    setUpLanguageMenu(configuration.language);

    state.pollPeriodMs = configuration.pollPeriodMs;
    m_session = std::make_unique<InstrumentSession>(configuration.port, QDir::currentPath(),
                                                    configuration.device);
    connect(m_session.get(), &InstrumentSession::polled, this, &TT_ZUNOV::pollEnded);
    connect(m_session.get(), &InstrumentSession::echoed, this, &TT_ZUNOV::echoReceived);
    connect(m_session.get(), &InstrumentSession::uploaded, this, &TT_ZUNOV::uploadEnded);
    connect(m_session.get(), &InstrumentSession::linkChanged, this, &TT_ZUNOV::wakeStatusTick);
    connect(m_session.get(), &InstrumentSession::linkChanged, this, &TT_ZUNOV::recordLinkState);
    showDevice();
    // "ZUNOV v1 na COM1 ", the trailing space included.
    setWindowTitle(tr("%1 v1 na COM%2 ").arg(windowTitle(), QString::number(configuration.port)));
    NakresliUkazku();
    state.online = false;
    Timer2->setInterval(pollInterval(state.pollPeriodMs));
    Timer3->setInterval(pollInterval(state.pollPeriodMs) / 2);
    // The slider clamps this to its right end, 0; the change runs cas1Change,
    // which shows "000" and prepares a generator frame.
    ui->cas1->setValue(255);
    setInitialTexts();

    Timer1->setEnabled(true);
    adjustSize();
    setFixedSize(size());
    // A bar of fixed size keeps a panel's new text from laying out the whole
    // window again; the window cannot change size anyway.
    ui->StatusBar1->setFixedWidth(ui->StatusBar1->width());
    giveSolidBackgrounds(this, valueLabels() + ui->StatusBar1->findChildren<QLabel *>());
    move(715, 74);
}

TT_ZUNOV::~TT_ZUNOV()
{
    forgetSaveFolder();
}

TSerial &TT_ZUNOV::serialPort() const
{
    return m_session->port();
}

void TT_ZUNOV::connectHandlers()
{
    connect(ui->Konec1, &QAction::triggered, this, &TT_ZUNOV::Konec1Click);
    connect(ui->N1, &QAction::triggered, this, &TT_ZUNOV::N1Click);
    connect(ui->Info1, &QAction::triggered, this, &TT_ZUNOV::Info1Click);
    connect(ui->Nastaven1, &QAction::triggered, this, &TT_ZUNOV::Nastaven1Click);
    connect(Timer2, &Timer::timeout, this, &TT_ZUNOV::Timer2Timer);
    connect(ui->CheckBox1, &QCheckBox::clicked, this, &TT_ZUNOV::CheckBox1Click);
    connect(ui->ListBox1, &QListWidget::itemClicked, this, &TT_ZUNOV::ListBox1Click);
    connect(ui->ListBox1, &QListWidget::itemSelectionChanged, this,
            &TT_ZUNOV::seriesSelectionChanged);
    connect(ui->cas1, &QScrollBar::valueChanged, this, &TT_ZUNOV::cas1Change);
    connect(ui->RadioButton5, &QRadioButton::clicked, this, &TT_ZUNOV::RadioButton5Click);
    connect(ui->RadioButton4, &QRadioButton::clicked, this, &TT_ZUNOV::RadioButton4Click);
    connect(ui->RadioButton3, &QRadioButton::clicked, this, &TT_ZUNOV::RadioButton3Click);
    connect(ui->RadioButton2, &QRadioButton::clicked, this, &TT_ZUNOV::RadioButton2Click);
    connect(ui->RadioButton1, &QRadioButton::clicked, this, &TT_ZUNOV::RadioButton1Click);
    connect(ui->Button2, &QPushButton::clicked, this, &TT_ZUNOV::Button2Click);
    connect(ui->Pripojit1, &QAction::triggered, this, &TT_ZUNOV::Pripojit1Click);
    connect(Timer4, &Timer::timeout, this, &TT_ZUNOV::Timer4Timer);
    connect(Timer5, &Timer::timeout, this, &TT_ZUNOV::Timer5Timer);
    connect(Timer6, &Timer::timeout, this, &TT_ZUNOV::Timer6Timer);
    connect(Timer7, &Timer::timeout, this, &TT_ZUNOV::Timer7Timer);
    connect(Timer1, &Timer::timeout, this, &TT_ZUNOV::Timer1Timer);
    connect(Timer3, &Timer::timeout, this, &TT_ZUNOV::Timer3Timer);
}

void TT_ZUNOV::setInitialTexts()
{
    // Every label that is not centred takes the size of its text.
    for (QLabel *label : findChildren<QLabel *>()) {
        if (label != ui->Label1 && label != ui->Label && label != ui->Ukazka
            && label->parent() != ui->StatusBar1)
            label->adjustSize();
    }
    const QString volts = formatNumber(QStringLiteral("000"), 0) + QStringLiteral(" V");
    ui->Label->setText(volts);
    ui->Label1->setText(volts);
    setLabelText(ui->cass1, formatNumber(QStringLiteral("000"), 0));
    setLabelText(ui->Label12,
                 formatNumber(QStringLiteral("00000000"), state.tx[3]) + QStringLiteral("Hz"));
    setLabelText(ui->Label11,
                 formatNumber(QStringLiteral("0.00"), state.tx[3] * 0.01) + QStringLiteral("A"));
    setLabelText(ui->RXXX, QStringLiteral("ohm"));
}

QList<QLabel *> TT_ZUNOV::valueLabels() const
{
    return {ui->Label1, ui->Label, ui->RXX, ui->RXXX, ui->Label12, ui->Label11};
}

void TT_ZUNOV::closeEvent(QCloseEvent *event)
{
    QMainWindow::closeEvent(event);
    emit closed();
}

void TT_ZUNOV::Konec1Click()
{
    close();
}

void TT_ZUNOV::N1Click()
{
    if (m_windows)
        m_windows->help.exec();
}

void TT_ZUNOV::Info1Click()
{
    if (m_windows)
        m_windows->about.exec();
}

void TT_ZUNOV::Nastaven1Click()
{
    if (!m_windows)
        return;
    m_windows->settings.show();
    m_windows->settings.raise();
    m_windows->settings.activateWindow();
}

void TT_ZUNOV::Timer1Timer()
{
    watchLink();
    // ONLINE only while the instrument answers: the online flag alone says
    // that a handshake once passed, and polling goes on by it.
    const bool linkUp = state.online && m_session->instrumentAnswering();
    if (state.online)
        Timer2->setInterval(pollInterval(m_session->link().pollPeriodMs(state.pollPeriodMs)));
    m_panels->setText(StatusPanel::LinkState,
                      linkUp ? StatusPanel::OnlineText : StatusPanel::OfflineText);
    // After an upload polling has stopped, and the values are those of the
    // last poll, however well the instrument answers.
    showValuesAsCurrent(!state.online || (linkUp && (Timer2->enabled() || m_sweeping)));
    if (state.restartRequested) {
        close();
        return;
    }
    // Nothing the tick looks at changes unless the session says so or a
    // handler wakes the tick; until then it would only find everything as
    // it was, ten times a second. A lost port is tried again from its ticks.
    if (!serialPort().isLost())
        Timer1->suspend();
}

void TT_ZUNOV::wakeStatusTick()
{
    Timer1->resume();
}

void TT_ZUNOV::requestRestart()
{
    state.restartRequested = true;
    wakeStatusTick();
}

void TT_ZUNOV::Timer3Timer()
{
    // What a poll brings is shown for a while before the panel is reset; a
    // poll still waiting for its reply is given another half period.
    if (m_pollUnderWay)
        return;
    Timer3->setEnabled(false);
    m_panels->setText(StatusPanel::LastAction, tr(NoCommunicationText));
}
