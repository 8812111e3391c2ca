// The yardstick for the X benchmark: the least a Qt Widgets program can do to
// poll the instrument and show the reply. One window, one label, one precise
// timer, and the very session the program polls through (same port object,
// same exchange, same start-up configuration), so that the serial cost is
// identical and only what the program adds on top shows up in the
// comparison.
//
// Usage: xbench-poller PERIOD_MS   (works on COM1 in the current folder;
//                                   a period of 0 never polls)
#include "link/instrumentsession.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int periodMs = argc > 1 ? QByteArray(argv[1]).toInt() : 0;

    InstrumentSession session(1, QDir::currentPath());

    QLabel label(QStringLiteral("000 000 000 000"));
    label.setWindowTitle(QStringLiteral("xbench-poller"));
    label.setMinimumWidth(200);
    label.show();

    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, &session, [&] {
        session.poll(Frame{Command::Poll, 0, 0, 0});
    });
    QObject::connect(&session, &InstrumentSession::polled, &label,
                     [&](const Frame &reply, int received) {
                         if (received < int(reply.size()))
                             return;
                         label.setText(QStringLiteral("%1 %2 %3 %4")
                                           .arg(reply[0], 3, 10, QLatin1Char('0'))
                                           .arg(reply[1], 3, 10, QLatin1Char('0'))
                                           .arg(reply[2], 3, 10, QLatin1Char('0'))
                                           .arg(reply[3], 3, 10, QLatin1Char('0')));
                     });
    if (periodMs > 0)
        timer.start(periodMs);
    return app.exec();
}
