#include "config/configuration.h"

#include "platform/integertext.h"
#include "platform/language.h"
#include "platform/profilefile.h"

#include <QDir>

QString configurationFilePath()
{
    return QDir(QDir::currentPath()).filePath(QLatin1String(kConfigurationFileName));
}

Configuration readConfiguration(const QString &path)
{
    const ProfileText text = ProfileFile(path).read();
    const QString section = QLatin1String(kConfigurationSection);
    Configuration configuration;
    configuration.portText = text.value(section, QString::fromLatin1(kPortKey));
    configuration.pollPeriodText = text.value(section, QString::fromLatin1(kPollPeriodKey));
    configuration.port =
        parseInteger(configuration.portText.value_or(QString())).value_or(kDefaultPort);
    configuration.pollPeriodMs = parseInteger(configuration.pollPeriodText.value_or(QString()))
                                     .value_or(kDefaultPollPeriodMs);
    configuration.deviceText = text.value(section, QString::fromLatin1(kDeviceKey));
    configuration.device = configuration.deviceText.value_or(QString());
    configuration.language = text.value(section, QString::fromLatin1(kLanguageKey));
    return configuration;
}

void writeLanguage(ProfileFile &file, const QString &language)
{
    const QString section = QLatin1String(kConfigurationSection);
    const QString key = QLatin1String(kLanguageKey);
    if (file.read().value(section, key).value_or(Language::Czech) == language)
        return;
    file.writeString(section, key, language);
}
