#include "dialogs/limitswindow.h"

#include "platform/filedialog.h"
#include "platform/messages.h"
#include "record/rowfields.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cmath>

namespace {

constexpr QSize InitialSize{560, 400};
constexpr int LongestTriggerSeconds = 3600;
enum Column { Lower, Upper, Hysteresis, Duration, Columns };
const QString NotANumberText = QStringLiteral("%1 u veličiny %2 není číslo: „%3“.");

QString numberText(double value)
{
    return QLocale().toString(value, 'g', 12);
}

// A number as the user types it: with the locale's separator or a dot;
// empty is no number at all.
std::optional<double> parsed(const QString &text, bool &ok)
{
    ok = true;
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    double value = QLocale().toDouble(trimmed, &ok);
    if (!ok)
        value = trimmed.toDouble(&ok);
    ok = ok && std::isfinite(value);
    return value;
}

} // namespace

LimitsWindow::LimitsWindow(const LimitSettings &initial,
                           std::function<bool(const LimitSettings &)> apply, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_apply(std::move(apply))
    , m_table(new QTableWidget(int(AllQuantities.size()), Columns, this))
    , m_beep(new QCheckBox(QStringLiteral("&Pípnout při překročení"), this))
    , m_record(new QCheckBox(QStringLiteral("Při překročení spustit &záznam"), this))
    , m_preTrigger(new QSpinBox(this))
    , m_postTrigger(new QSpinBox(this))
    , m_path(new QLineEdit(this))
{
    setObjectName(QStringLiteral("LimitsWindow"));
    setWindowTitle(QStringLiteral("ZUNOV - Meze"));
    m_table->setObjectName(QStringLiteral("Table"));
    m_table->setHorizontalHeaderLabels({QStringLiteral("Dolní mez"), QStringLiteral("Horní mez"),
                                        QStringLiteral("Hystereze"),
                                        QStringLiteral("Min. trvání [ms]")});
    QStringList names;
    for (Quantity quantity : AllQuantities)
        names << QStringLiteral("%1 [%2]").arg(quantityName(quantity), unitName(quantity));
    m_table->setVerticalHeaderLabels(names);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    for (int row = 0; row < m_table->rowCount(); ++row) {
        for (int column = 0; column < Columns; ++column)
            m_table->setItem(row, column, new QTableWidgetItem);
    }

    m_beep->setObjectName(QStringLiteral("Beep"));
    m_record->setObjectName(QStringLiteral("Record"));
    m_preTrigger->setObjectName(QStringLiteral("PreTrigger"));
    m_postTrigger->setObjectName(QStringLiteral("PostTrigger"));
    for (QSpinBox *seconds : {m_preTrigger, m_postTrigger}) {
        seconds->setRange(0, LongestTriggerSeconds);
        seconds->setSuffix(QStringLiteral(" s"));
    }
    m_path->setObjectName(QStringLiteral("RecordingPath"));
    auto *choose = new QPushButton(QStringLiteral("…"), this);
    choose->setObjectName(QStringLiteral("ChoosePath"));
    connect(choose, &QPushButton::clicked, this, [this] {
        const QString path =
            askSaveFileName({QStringLiteral("Soubor záznamu při překročení"), m_path->text(),
                             QStringLiteral("Soubory CSV (*.csv)"), false});
        if (!path.isEmpty())
            m_path->setText(path);
    });
    auto *pathRow = new QHBoxLayout;
    pathRow->addWidget(m_path, 1);
    pathRow->addWidget(choose);

    auto *form = new QFormLayout;
    form->addRow(m_beep);
    form->addRow(m_record);
    form->addRow(QStringLiteral("Zapsat před překročením:"), m_preTrigger);
    form->addRow(QStringLiteral("Zastavit po návratu za:"), m_postTrigger);
    form->addRow(QStringLiteral("Soubor:"), pathRow);

    auto *applyButton = new QPushButton(QStringLiteral("P&oužít"), this);
    applyButton->setObjectName(QStringLiteral("Apply"));
    connect(applyButton, &QPushButton::clicked, this, &LimitsWindow::applyShown);
    auto *closeButton = new QPushButton(QStringLiteral("&Zavřít"), this);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(applyButton);
    buttons->addWidget(closeButton);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_table, 1);
    layout->addLayout(form);
    layout->addLayout(buttons);
    resize(InitialSize);
    new QShortcut(QKeySequence::Cancel, this, this, &QWidget::close);
    showSettings(initial);
}

void LimitsWindow::showSettings(const LimitSettings &settings)
{
    for (size_t row = 0; row < AllQuantities.size(); ++row) {
        const QuantityLimits &limits = settings.limits[row];
        const int line = int(row);
        m_table->item(line, Lower)->setText(limits.lower ? numberText(*limits.lower) : QString());
        m_table->item(line, Upper)->setText(limits.upper ? numberText(*limits.upper) : QString());
        m_table->item(line, Hysteresis)->setText(numberText(limits.hysteresis));
        m_table->item(line, Duration)->setText(QString::number(limits.minimumDurationMs));
    }
    m_beep->setChecked(settings.beep);
    m_record->setChecked(settings.triggeredRecording);
    m_preTrigger->setValue(settings.preTriggerSeconds);
    m_postTrigger->setValue(settings.postTriggerSeconds);
    m_path->setText(settings.recordingPath);
}

std::variant<LimitSettings, QString> LimitsWindow::shownSettings() const
{
    LimitSettings settings;
    for (size_t row = 0; row < AllQuantities.size(); ++row) {
        QuantityLimits &limits = settings.limits[row];
        const QString name = quantityName(AllQuantities[row]).toString();
        for (int column = 0; column < Columns; ++column) {
            const QString text = m_table->item(int(row), column)->text();
            bool ok = true;
            const std::optional<double> value = parsed(text, ok);
            if (!ok) {
                return NotANumberText.arg(m_table->horizontalHeaderItem(column)->text(), name,
                                          text);
            }
            if (column == Lower)
                limits.lower = value;
            else if (column == Upper)
                limits.upper = value;
            else if (column == Hysteresis)
                limits.hysteresis = value.value_or(0);
            else
                limits.minimumDurationMs = qint64(std::llround(value.value_or(0)));
        }
    }
    settings.beep = m_beep->isChecked();
    settings.triggeredRecording = m_record->isChecked();
    settings.preTriggerSeconds = m_preTrigger->value();
    settings.postTriggerSeconds = m_postTrigger->value();
    settings.recordingPath = m_path->text().trimmed();
    return settings;
}

void LimitsWindow::applyShown()
{
    const std::variant<LimitSettings, QString> shown = shownSettings();
    if (const QString *error = std::get_if<QString>(&shown)) {
        showWarning(*error);
        return;
    }
    const LimitSettings &settings = std::get<LimitSettings>(shown);
    if (const QString problem = settings.validate(); !problem.isEmpty()) {
        showWarning(problem);
        return;
    }
    m_apply(settings);
}
