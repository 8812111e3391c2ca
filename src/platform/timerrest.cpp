#include "platform/timerrest.h"

#include "platform/timer.h"

#include <QAbstractEventDispatcher>
#include <QSocketNotifier>

TimerRest::TimerRest(Timer *timer, std::function<bool()> stillSame, QObject *parent)
    : QObject(parent)
    , m_timer(timer)
    , m_stillSame(std::move(stillSame))
{}

TimerRest::~TimerRest()
{
    wake();
}

void TimerRest::rest(int watchedDescriptor)
{
    if (m_resting)
        return;
    auto *dispatcher = QAbstractEventDispatcher::instance(thread());
    if (!dispatcher)
        return;
    m_resting = true;
    m_timer->suspend();
    // A loop that waits for events announces it is about to block; one that
    // only looks for them (processEvents without waiting) says it is awake.
    m_checks = {
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, &TimerRest::check),
        connect(dispatcher, &QAbstractEventDispatcher::awake, this, &TimerRest::check)};
    if (watchedDescriptor >= 0) {
        // A hang-up counts as readable, whatever the descriptor is.
        m_watch = std::make_unique<QSocketNotifier>(watchedDescriptor, QSocketNotifier::Read);
        connect(m_watch.get(), &QSocketNotifier::activated, this, &TimerRest::wake);
    }
}

void TimerRest::wake()
{
    if (!m_resting)
        return;
    m_resting = false;
    for (const QMetaObject::Connection &check : std::as_const(m_checks))
        disconnect(check);
    m_checks.clear();
    // Level-triggered: left enabled, a hung-up descriptor would report itself
    // on every pass of the loop. It may be the one reporting right now, so it
    // goes once that is done.
    if (m_watch) {
        m_watch->setEnabled(false);
        m_watch.release()->deleteLater();
    }
    if (m_timer)
        m_timer->resume();
}

void TimerRest::check()
{
    if (!m_stillSame())
        wake();
}
