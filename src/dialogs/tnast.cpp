#include "dialogs/tnast.h"

#include "config/configuration.h"
#include "dialogs/typinglimit.h"
#include "link/portlist.h"
#include "platform/fixedwindow.h"
#include "platform/messages.h"
#include "ui_tnast.h"

#include <QFileInfo>
#include <QLineEdit>

namespace {

// The outer corner, frame included; a form's x and y never reach a window.
constexpr QPoint WindowPosition{762, 573};

// How many characters the user can type: one digit of the port, five of the
// period in milliseconds.
constexpr int PortTypingLimit = 1;
constexpr int PeriodTypingLimit = 5;

// Translated where they are shown: the translation is chosen after start-up.
// The Czech is spelt as the instrument's users have always seen it.
const char *const RestartMessage = QT_TRANSLATE_NOOP(
    "TNast", "Nové nastavení se projeví až po restarování programu. Proram bude nyní ukončen!! ");
// The empty choice: no device path, the port is found by its number.
const char *const ByPortNumberText = QT_TRANSLATE_NOOP("TNast", "podle čísla portu");

// The stable by-id links are long and say little; their readable names say
// which adapter it is. The path is what gets saved either way.
QString choiceText(const SerialPortInfo &port)
{
    if (port.path.startsWith(QLatin1String("/dev/serial/")))
        return port.name;
    return port.name == QFileInfo(port.path).fileName()
               ? port.path
               : QStringLiteral("%1 – %2").arg(port.path, port.name);
}

} // namespace

TNast::TNast(std::function<void()> requestRestart, const Configuration &configuration,
             QWidget *parent)
    : QWidget(parent, Qt::Window | FixedWindowFlags)
    , ui(std::make_unique<Ui::TNast>())
    , m_requestRestart(std::move(requestRestart))
    , m_settings(configurationFilePath())
{
    ui->setupUi(this);
    for (QLabel *label : findChildren<QLabel *>())
        label->adjustSize();
    fixWindow(*this, WindowPosition, EscapeKey::Closes);

    // The boxes are filled once; a key that is absent keeps the layout text.
    // A hand-edited value longer than a box's limit still shows in full:
    // the limit only applies to typing.
    ui->Port->setText(configuration.portText.value_or(ui->Port->text()));
    ui->TSER->setText(configuration.pollPeriodText.value_or(ui->TSER->text()));

    m_storedDevice = configuration.deviceText;
    // Completing a typed path with a list entry would put a readable name,
    // not a path, into the box.
    ui->Zarizeni->setCompleter(nullptr);
    ui->Zarizeni->lineEdit()->setPlaceholderText(tr(ByPortNumberText));
    ui->Zarizeni->setEditText(m_storedDevice.value_or(QString()));

    limitTyping(ui->Port, PortTypingLimit);
    limitTyping(ui->TSER, PeriodTypingLimit);

    connect(ui->Button2, &QPushButton::clicked, this,
            [this] { reportingErrors([this] { Button2Click(); }); });
    connect(ui->Zarizeni, &QComboBox::activated, this, &TNast::pickPort);
}

TNast::~TNast() = default;

void TNast::showEvent(QShowEvent *event)
{
    listPorts();
    QWidget::showEvent(event);
}

void TNast::listPorts()
{
    const QString typed = ui->Zarizeni->currentText();
    ui->Zarizeni->clear();
    ui->Zarizeni->addItem(QStringLiteral("(%1)").arg(tr(ByPortNumberText)), QString());
    for (const SerialPortInfo &port : listSerialPorts()) {
        ui->Zarizeni->addItem(choiceText(port), port.path);
        ui->Zarizeni->setItemData(ui->Zarizeni->count() - 1, port.path, Qt::ToolTipRole);
    }
    ui->Zarizeni->setEditText(typed);
}

// The list shows names; the box takes the path that goes into the file.
void TNast::pickPort(int index)
{
    ui->Zarizeni->setEditText(ui->Zarizeni->itemData(index).toString());
}

void TNast::Button2Click()
{
    // All keys in one update: a refused write must not leave the new port
    // beside the old period. If it throws, the user is told and nothing
    // below happens, so the program keeps running with the window open.
    QList<QPair<QString, QString>> keys{{QLatin1String(PortKey), ui->Port->text()},
                                        {QLatin1String(PollPeriodKey), ui->TSER->text()}};
    // The device line is only touched when the choice changed: a file that
    // never had the key gets none for the empty choice, and a hand-written
    // line stays as it was written.
    const QString device = ui->Zarizeni->currentText();
    if (device != m_storedDevice.value_or(QString()))
        keys.append({QLatin1String(DeviceKey), device});
    m_settings.writeStrings(QLatin1String(ConfigurationSection), keys);
    showMessage(tr(RestartMessage));
    if (m_requestRestart)
        m_requestRestart();
    close();
}
