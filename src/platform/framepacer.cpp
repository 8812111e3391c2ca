#include "platform/framepacer.h"

#include <QCoreApplication>
#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <cmath>

namespace {

constexpr qreal FallbackRefreshRate = 60;

} // namespace

FramePacer::FramePacer(QWidget *window)
    : QObject(window)
    , m_window(window)
{
    m_frameEnd.setSingleShot(true);
    m_frameEnd.setTimerType(Qt::PreciseTimer);
    connect(&m_frameEnd, &QTimer::timeout, this, &FramePacer::paintNow);
    window->installEventFilter(this);
}

bool FramePacer::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_window || event->type() != QEvent::UpdateRequest || m_painting)
        return false;
    const int frame = frameMs();
    if (!m_sinceLastPaint.isValid() || m_sinceLastPaint.elapsed() >= frame) {
        m_sinceLastPaint.start();
        return false;
    }
    // The toolkit asks once and keeps what changed meanwhile; the one request
    // sent at the end of the frame paints all of it.
    if (!m_frameEnd.isActive())
        m_frameEnd.start(int(frame - m_sinceLastPaint.elapsed()));
    return true;
}

int FramePacer::frameMs() const
{
    const QScreen *screen = m_window->screen();
    const qreal rate =
        screen && screen->refreshRate() > 1 ? screen->refreshRate() : FallbackRefreshRate;
    return int(std::floor(1000 / rate));
}

void FramePacer::paintNow()
{
    m_sinceLastPaint.start();
    m_painting = true;
    QEvent request(QEvent::UpdateRequest);
    QCoreApplication::sendEvent(m_window, &request);
    m_painting = false;
}
