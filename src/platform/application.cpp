#include "platform/application.h"

#include "platform/messages.h"

#include <QFont>

namespace {

// The layouts name Windows fonts; these Debian fonts have the same metrics
// (Liberation Sans for Arial) or the same spirit (Comic Neue).
void substituteLayoutFonts()
{
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"));
}

} // namespace

QIcon applicationIcon()
{
    QIcon icon;
    for (const char *size : {"48", "256"})
        icon.addFile(QStringLiteral(":/icons/" ZUNOV_APP_ID "-%1.png").arg(QLatin1String(size)));
    return icon;
}

Application::Application(int &argc, char **argv)
    : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("ZUNOV"));
    // Lets a Wayland desktop match the windows to the menu entry and its icon.
    setDesktopFileName(QStringLiteral(ZUNOV_APP_ID));
    setWindowIcon(applicationIcon());
    substituteLayoutFonts();
}

bool Application::notify(QObject *receiver, QEvent *event)
{
    bool handled = false;
    reportingErrors([&] { handled = QApplication::notify(receiver, event); });
    return handled;
}
