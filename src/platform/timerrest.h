#pragma once

#include <QList>
#include <QMetaObject>
#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>

class QSocketNotifier;
class Timer;

// Lets a timer whose ticks only look at things rest while those things stay
// as they are, so that an idle program wakes nobody. What it looks at can
// change in two ways: something in the program changes it, which is done by
// the time the event loop has finished a pass, or a descriptor has something
// to report. After either, the timer ticks again in the rhythm it had, and its
// handler decides whether it may rest once more.
class TimerRest : public QObject
{
public:
    // stillSame: true while everything the timer looks at is as it was when
    // it began to rest; asked after each pass of the event loop while resting,
    // so it must be cheap.
    TimerRest(Timer *timer, std::function<bool()> stillSame, QObject *parent = nullptr);
    ~TimerRest() override;

    // watchedDescriptor: a descriptor whose readiness or hang-up ends the
    // rest, or -1. Nothing is ever read from it here.
    void rest(int watchedDescriptor);
    void wake();

private:
    void check();

    QPointer<Timer> m_timer;
    std::function<bool()> m_stillSame;
    std::unique_ptr<QSocketNotifier> m_watch;
    QList<QMetaObject::Connection> m_checks;
    bool m_resting = false;
};
