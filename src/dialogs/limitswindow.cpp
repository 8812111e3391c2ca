#include "dialogs/limitswindow.h"

#include "platform/filedialog.h"
#include "platform/messages.h"
#include "record/rowfields.h"
#include "ui_limitswindow.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>
#include <QTableWidget>
#include <cmath>

namespace {

enum Column { Lower, Upper, Hysteresis, Duration, Columns };

// The window has no Q_OBJECT: its texts are translated in the context of its
// form, and where they are shown. %1 is the column's heading, %2 the
// quantity, %3 what was typed.
const char *const NotANumberText =
    QT_TRANSLATE_NOOP("LimitsWindow", "%1 u veličiny %2 není číslo: „%3“.");

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
    , ui(std::make_unique<Ui::LimitsWindow>())
{
    ui->setupUi(this);
    ui->Table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    for (int row = 0; row < ui->Table->rowCount(); ++row) {
        for (int column = 0; column < Columns; ++column)
            ui->Table->setItem(row, column, new QTableWidgetItem);
    }
    connect(ui->ChoosePath, &QPushButton::clicked, this, [this] {
        const QString path = askSaveFileName(
            {QCoreApplication::translate("LimitsWindow", "Soubor záznamu při překročení"),
             ui->RecordingPath->text(),
             QCoreApplication::translate("LimitsWindow", "Soubory CSV (*.csv)"), false});
        if (!path.isEmpty())
            ui->RecordingPath->setText(path);
    });
    connect(ui->Apply, &QPushButton::clicked, this, &LimitsWindow::applyShown);
    connect(ui->Close, &QPushButton::clicked, this, &QWidget::close);
    new QShortcut(QKeySequence::Cancel, this, this, &QWidget::close);
    showSettings(initial);
}

LimitsWindow::~LimitsWindow() = default;

void LimitsWindow::showSettings(const LimitSettings &settings)
{
    for (size_t row = 0; row < AllQuantities.size(); ++row) {
        const QuantityLimits &limits = settings.limits[row];
        const int line = int(row);
        ui->Table->item(line, Lower)->setText(limits.lower ? numberText(*limits.lower) : QString());
        ui->Table->item(line, Upper)->setText(limits.upper ? numberText(*limits.upper) : QString());
        ui->Table->item(line, Hysteresis)->setText(numberText(limits.hysteresis));
        ui->Table->item(line, Duration)->setText(QString::number(limits.minimumDurationMs));
    }
    ui->Beep->setChecked(settings.beep);
    ui->Record->setChecked(settings.triggeredRecording);
    ui->PreTrigger->setValue(settings.preTriggerSeconds);
    ui->PostTrigger->setValue(settings.postTriggerSeconds);
    ui->RecordingPath->setText(settings.recordingPath);
}

std::variant<LimitSettings, QString> LimitsWindow::shownSettings() const
{
    LimitSettings settings;
    for (size_t row = 0; row < AllQuantities.size(); ++row) {
        QuantityLimits &limits = settings.limits[row];
        const QString name = quantityName(AllQuantities[row]).toString();
        for (int column = 0; column < Columns; ++column) {
            const QString text = ui->Table->item(int(row), column)->text();
            bool ok = true;
            const std::optional<double> value = parsed(text, ok);
            if (!ok) {
                return QCoreApplication::translate("LimitsWindow", NotANumberText)
                    .arg(ui->Table->horizontalHeaderItem(column)->text(), name, text);
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
    settings.beep = ui->Beep->isChecked();
    settings.triggeredRecording = ui->Record->isChecked();
    settings.preTriggerSeconds = ui->PreTrigger->value();
    settings.postTriggerSeconds = ui->PostTrigger->value();
    settings.recordingPath = ui->RecordingPath->text().trimmed();
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
