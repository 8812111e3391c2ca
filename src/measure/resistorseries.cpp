#include "measure/resistorseries.h"

#include "platform/textfile.h"

#include <array>

namespace {

constexpr std::array<const char *, 3> SeriesFileNames{"E12.dat", "E24.dat", "E48.dat"};

} // namespace

QString seriesFileName(int index)
{
    if (index < 0 || index >= int(SeriesFileNames.size()))
        return QString();
    return QLatin1String(SeriesFileNames[size_t(index)]);
}

QStringList loadSeries(int index)
{
    const QString name = seriesFileName(index);
    if (name.isEmpty())
        return {};
    return readTextLines(name, SeriesFileLimit);
}
