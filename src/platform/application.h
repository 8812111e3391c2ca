#pragma once

#include <QApplication>
#include <QIcon>

// The application icon, in every size the program carries.
QIcon applicationIcon();

// The program's QApplication: its title is "ZUNOV", every window carries the
// application icon, and an exception that escapes an event handler is shown
// in the standard error box instead of ending the program. Handlers that can
// fail catch their own errors through reportingErrors(); this is the safety
// net behind them.
class Application : public QApplication
{
public:
    Application(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;
};
