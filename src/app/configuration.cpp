#include "app/configuration.h"

#include "platform/profilefile.h"

#include <QDir>

QString configurationFilePath()
{
    return QDir(QDir::currentPath()).filePath(QLatin1String(kConfigurationFileName));
}

Configuration readConfiguration(const QString &path)
{
    const ProfileFile file(path);
    const QString section = QLatin1String(kConfigurationSection);
    Configuration configuration;
    configuration.port = file.readInteger(section, QLatin1String(kPortKey), kDefaultPort);
    configuration.pollPeriodMs =
        file.readInteger(section, QLatin1String(kPollPeriodKey), kDefaultPollPeriodMs);
    return configuration;
}
