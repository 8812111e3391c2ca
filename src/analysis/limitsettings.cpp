#include "analysis/limitsettings.h"

#include "platform/integertext.h"
#include "platform/profilefile.h"
#include "record/rowfields.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

namespace {

const QString Section = QStringLiteral("MEZE");
// After the quantity's name: "U1Dolni".
const QString LowerKey = QStringLiteral("Dolni");
const QString UpperKey = QStringLiteral("Horni");
const QString HysteresisKey = QStringLiteral("Hystereze");
const QString DurationKey = QStringLiteral("Trvani");
const QString BeepKey = QStringLiteral("Pipnuti");
const QString RecordingKey = QStringLiteral("Zaznam");
const QString PreTriggerKey = QStringLiteral("PredZaznamem");
const QString PostTriggerKey = QStringLiteral("PoZaznamu");
const QString FileKey = QStringLiteral("Soubor");

using KeyValues = QList<QPair<QString, QString>>;

QString key(Quantity quantity, const QString &suffix)
{
    return quantityName(quantity).toString() + suffix;
}

QString problemOf(Quantity quantity, const QuantityLimits &limits)
{
    const QString name = quantityName(quantity).toString();
    if (!(limits.hysteresis >= 0) || limits.minimumDurationMs < 0)
        return QCoreApplication::translate("LimitSettings",
                                           "%1: hystereze ani trvání nesmí být záporné.")
            .arg(name);
    if (!limits.lower || !limits.upper)
        return {};
    if (*limits.lower > *limits.upper)
        return QCoreApplication::translate("LimitSettings", "%1: dolní mez je nad horní mezí.")
            .arg(name);
    if (*limits.lower + limits.hysteresis > *limits.upper - limits.hysteresis)
        return QCoreApplication::translate("LimitSettings",
                                           "%1: hystereze je větší než polovina rozpětí mezí, "
                                           "překročení by nikdy neskončilo.")
            .arg(name);
    return {};
}

std::optional<QString> text(const ProfileText &profile, const QString &key)
{
    return profile.value(Section, key);
}

// With a decimal point, whatever the locale.
std::optional<double> number(const ProfileText &profile, const QString &key)
{
    bool ok = false;
    const double value = text(profile, key).value_or(QString()).toDouble(&ok);
    return ok && std::isfinite(value) ? std::optional(value) : std::nullopt;
}

qint32 count(const ProfileText &profile, const QString &key, qint32 defaultValue)
{
    const auto value = parseInteger(text(profile, key).value_or(QString()));
    return value && *value >= 0 ? *value : defaultValue;
}

bool flag(const ProfileText &profile, const QString &key, bool defaultValue)
{
    const auto value = parseInteger(text(profile, key).value_or(QString()));
    return value ? *value != 0 : defaultValue;
}

LimitSettings settingsFrom(const ProfileText &profile)
{
    LimitSettings settings;
    for (Quantity quantity : AllQuantities) {
        QuantityLimits &limits = settings.of(quantity);
        limits.lower = number(profile, key(quantity, LowerKey));
        limits.upper = number(profile, key(quantity, UpperKey));
        limits.hysteresis =
            std::max(number(profile, key(quantity, HysteresisKey)).value_or(0), 0.0);
        limits.minimumDurationMs = count(profile, key(quantity, DurationKey), 0);
        if (!problemOf(quantity, limits).isEmpty())
            limits = {};
    }
    settings.beep = flag(profile, BeepKey, settings.beep);
    settings.triggeredRecording = flag(profile, RecordingKey, settings.triggeredRecording);
    settings.preTriggerSeconds = count(profile, PreTriggerKey, settings.preTriggerSeconds);
    settings.postTriggerSeconds = count(profile, PostTriggerKey, settings.postTriggerSeconds);
    settings.recordingPath = text(profile, FileKey).value_or(QString());
    return settings;
}

KeyValues keyValues(const LimitSettings &settings)
{
    const auto limitText = [](std::optional<double> limit) {
        return limit ? rowValue(*limit) : QString();
    };
    KeyValues values;
    for (Quantity quantity : AllQuantities) {
        const QuantityLimits &limits = settings.of(quantity);
        values.append({key(quantity, LowerKey), limitText(limits.lower)});
        values.append({key(quantity, UpperKey), limitText(limits.upper)});
        values.append({key(quantity, HysteresisKey), rowValue(limits.hysteresis)});
        values.append({key(quantity, DurationKey), QString::number(limits.minimumDurationMs)});
    }
    values.append({BeepKey, QString::number(int(settings.beep))});
    values.append({RecordingKey, QString::number(int(settings.triggeredRecording))});
    values.append({PreTriggerKey, QString::number(settings.preTriggerSeconds)});
    values.append({PostTriggerKey, QString::number(settings.postTriggerSeconds)});
    values.append({FileKey, settings.recordingPath});
    return values;
}

} // namespace

bool LimitSettings::anyLimitSet() const
{
    return std::any_of(limits.begin(), limits.end(),
                       [](const QuantityLimits &quantity) { return quantity.isSet(); });
}

QString LimitSettings::validate() const
{
    for (Quantity quantity : AllQuantities) {
        if (const QString problem = problemOf(quantity, of(quantity)); !problem.isEmpty())
            return problem;
    }
    if (preTriggerSeconds < 0 || postTriggerSeconds < 0)
        return QCoreApplication::translate("LimitSettings",
                                           "Doba před záznamem ani po něm nesmí být záporná.");
    if (triggeredRecording && recordingPath.isEmpty())
        return QCoreApplication::translate("LimitSettings",
                                           "Zvolte soubor pro záznam při překročení mezí.");
    return {};
}

LimitSettings readLimitSettings(const ProfileFile &file)
{
    return settingsFrom(file.read());
}

void writeLimitSettings(ProfileFile &file, const LimitSettings &settings)
{
    const ProfileText profile = file.read();
    if (settingsFrom(profile) == settings)
        return;
    const KeyValues values = keyValues(settings);
    const bool sectionExists =
        std::any_of(values.begin(), values.end(), [&profile](const auto &entry) {
            return text(profile, entry.first).has_value();
        });
    if (sectionExists || settings.anyLimitSet())
        file.writeStrings(Section, values);
}
