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

Application::Application(int &argc, char **argv)
    : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("ZUNOV"));
    substituteLayoutFonts();
}

bool Application::notify(QObject *receiver, QEvent *event)
{
    bool handled = false;
    reportingErrors([&] { handled = QApplication::notify(receiver, event); });
    return handled;
}
