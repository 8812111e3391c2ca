#include "dialogs/tnast.h"

#include "app/configuration.h"
#include "dialogs/typinglimit.h"
#include "platform/messages.h"
#include "ui_tnast.h"

#include <QShortcut>

TNast *Nast = nullptr;

namespace {

// The outer corner, frame included; a form's x and y never reach a window.
constexpr QPoint WindowPosition{762, 573};

// How many characters the user can type: one digit of the port, five of the
// period in milliseconds.
constexpr int PortTypingLimit = 1;
constexpr int PeriodTypingLimit = 5;

const QString RestartMessage = QStringLiteral(
    "Nové nastavení se projeví až po restarování programu. Proram bude nyní ukončen!! ");

} // namespace

TNast::TNast(bool *restartRequest, const Configuration &configuration, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowCloseButtonHint)
    , ui(std::make_unique<Ui::TNast>())
    , m_restartRequest(restartRequest)
    , m_settings(configurationFilePath())
{
    ui->setupUi(this);
    for (QLabel *label : findChildren<QLabel *>())
        label->adjustSize();
    setFixedSize(size());
    move(WindowPosition);
    // Esc does what the close box does: it hides the window.
    new QShortcut(QKeySequence::Cancel, this, this, &QWidget::close);

    // The boxes are filled once; a key that is absent keeps the layout text.
    // A hand-edited value longer than a box's limit still shows in full:
    // the limit only applies to typing.
    ui->Port->setText(configuration.portText.value_or(ui->Port->text()));
    ui->TSER->setText(configuration.pollPeriodText.value_or(ui->TSER->text()));

    limitTyping(ui->Port, PortTypingLimit);
    limitTyping(ui->TSER, PeriodTypingLimit);

    connect(ui->Button2, &QPushButton::clicked, this,
            [this] { reportingErrors([this] { Button2Click(); }); });
}

TNast::~TNast() = default;

void TNast::Button2Click()
{
    // Both keys in one update: a refused write must not leave the new port
    // beside the old period. If it throws, the user is told and nothing
    // below happens, so the program keeps running with the window open.
    m_settings.writeStrings(QLatin1String(kConfigurationSection),
                            {{QLatin1String(kPortKey), ui->Port->text()},
                             {QLatin1String(kPollPeriodKey), ui->TSER->text()}});
    showMessage(RestartMessage);
    if (m_restartRequest)
        *m_restartRequest = true;
    close();
}
