#include "record/recordingdescription.h"

#include "generator/waveform.h"
#include "record/rowfields.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTimeZone>

namespace {

// Tells a reader which file this is and in which layout; a later layout that
// readers of this one cannot follow gets another number.
const QString FormatName = QStringLiteral("zunov-recording");
constexpr int FormatVersion = 1;

QJsonValue timeValue(const std::optional<QDateTime> &time)
{
    return time && time->isValid() ? QJsonValue(rowTime(*time)) : QJsonValue();
}

QJsonValue nameValue(const QString &name)
{
    return name.isEmpty() ? QJsonValue() : QJsonValue(name);
}

QJsonObject generatorObject(const GeneratorSetting &setting)
{
    const std::optional<Waveform> waveform = Waveforms::withCode(setting.waveformCode);
    return {{QStringLiteral("waveform"), waveform ? QJsonValue(waveform->name()) : QJsonValue()},
            {QStringLiteral("waveform_code"), setting.waveformCode},
            {QStringLiteral("value"), setting.value}};
}

QJsonObject runObject(const FileDescription &file)
{
    const RunSettings &settings = file.settings;
    QJsonArray changes;
    for (const GeneratorChange &change : file.generatorChanges) {
        QJsonObject entry = generatorObject(change.setting);
        entry.insert(QStringLiteral("time"), rowTime(change.time));
        changes.append(entry);
    }
    return {
        {QStringLiteral("program"), settings.program},
        {QStringLiteral("device_path"), settings.devicePath},
        {QStringLiteral("device_name"), settings.deviceName},
        {QStringLiteral("port"), settings.port},
        {QStringLiteral("poll_period_ms"), settings.pollPeriodMs},
        {QStringLiteral("generator"), file.generatorAtStart
                                          ? QJsonValue(generatorObject(*file.generatorAtStart))
                                          : QJsonValue()},
        {QStringLiteral("generator_changes"), changes},
        {QStringLiteral("time_zone"), QString::fromUtf8(QTimeZone::systemTimeZoneId())},
        {QStringLiteral("rotation"), rotationText(settings.rotation)},
        {QStringLiteral("run_started"), timeValue(file.runStarted)},
        {QStringLiteral("started"), timeValue(file.started)},
        {QStringLiteral("ended"), timeValue(file.ended)},
        {QStringLiteral("rows"), file.rows},
        {QStringLiteral("previous_file"), nameValue(file.previousFile)},
        {QStringLiteral("next_file"), nameValue(file.nextFile)},
    };
}

} // namespace

QByteArray sidecarBytes(const QString &csvFileName, const QJsonArray &earlierRuns,
                        const FileDescription &file)
{
    QJsonArray runs = earlierRuns;
    runs.append(runObject(file));
    const QJsonObject sidecar{{QStringLiteral("format"), FormatName},
                              {QStringLiteral("format_version"), FormatVersion},
                              {QStringLiteral("file"), csvFileName},
                              {QStringLiteral("runs"), runs}};
    return QJsonDocument(sidecar).toJson(QJsonDocument::Indented);
}

std::optional<QJsonArray> sidecarRuns(const QByteArray &existing)
{
    const QJsonObject sidecar = QJsonDocument::fromJson(existing).object();
    if (sidecar.value(QStringLiteral("format")).toString() != FormatName
        || !sidecar.value(QStringLiteral("runs")).isArray())
        return std::nullopt;
    return sidecar.value(QStringLiteral("runs")).toArray();
}
