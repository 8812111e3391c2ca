#include "config/configuration.h"

#include "platform/integertext.h"
#include "platform/language.h"
#include "platform/profilefile.h"

#include <QDir>

QString configurationFilePath()
{
    return QDir(QDir::currentPath()).filePath(QLatin1String(ConfigurationFileName));
}

Configuration readConfiguration(const QString &path)
{
    const ProfileText text = ProfileFile(path).read();
    const QString section = QLatin1String(ConfigurationSection);
    Configuration configuration;
    configuration.portText = text.value(section, QString::fromLatin1(PortKey));
    configuration.pollPeriodText = text.value(section, QString::fromLatin1(PollPeriodKey));
    configuration.port =
        parseInteger(configuration.portText.value_or(QString())).value_or(DefaultPort);
    configuration.pollPeriodMs = parseInteger(configuration.pollPeriodText.value_or(QString()))
                                     .value_or(DefaultPollPeriodMs);
    configuration.deviceText = text.value(section, QString::fromLatin1(DeviceKey));
    configuration.device = configuration.deviceText.value_or(QString());
    configuration.language = text.value(section, QString::fromLatin1(LanguageKey));
    configuration.saveFolder = text.value(section, QString::fromLatin1(SaveFolderKey));
    return configuration;
}

void writeLanguage(ProfileFile &file, const QString &language)
{
    const QString section = QLatin1String(ConfigurationSection);
    const QString key = QLatin1String(LanguageKey);
    if (file.read().value(section, key).value_or(Language::Czech) == language)
        return;
    file.writeString(section, key, language);
}
