#include "app/appwindows.h"
#include "app/tt_zunov.h"
#include "platform/application.h"

int main(int argc, char *argv[])
{
    Application app(argc, argv);
    AppWindows windows;
    QObject::connect(windows.mainWindow(), &TT_ZUNOV::closed, &app, &QApplication::quit);
    windows.mainWindow()->show();
    return app.exec();
}
