#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

class QWidget;

// Paints a window at most once per frame of its screen. Polling at 10 ms
// changes the status panel three times and a value or two per poll, and each
// change would otherwise be painted and sent to the display on its own: a
// few hundred paints a second, of which a 60 Hz screen shows sixty. A change
// that comes a frame or more after the last paint is painted at once, as
// before; changes that come sooner are painted together when the frame is
// over, each as it stands then.
class FramePacer : public QObject
{
public:
    explicit FramePacer(QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    int frameMs() const;
    void paintNow();

    QWidget *m_window;
    QElapsedTimer m_sinceLastPaint;
    QTimer m_frameEnd;
    bool m_painting = false;
};
