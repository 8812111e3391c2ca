#include "app/statusbarpanels.h"

#include <QEvent>
#include <QLabel>
#include <QStatusBar>

StatusBarPanels::StatusBarPanels(QStatusBar *bar, const QList<Panel> &panels)
    : m_bar(bar)
{
    for (qsizetype i = 0; i < panels.size(); ++i) {
        auto *label = new QLabel(panels[i].text, bar);
        label->setObjectName(QStringLiteral("Panel%1").arg(i));
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        // The widths are the least each panel gets; the last panel takes
        // the rest of the bar so that a long action text is never cut.
        label->setMinimumWidth(panels[i].width);
        bar->addWidget(label, i == panels.size() - 1 ? 1 : 0);
        m_labels.append(label);
        m_texts.append(panels[i].text);
        m_markers.append(QString());
    }
    bar->installEventFilter(this);
}

void StatusBarPanels::setText(int index, const QString &text)
{
    // Handlers rewrite the link state every 100 ms whether it changed or not;
    // an unchanged panel is not touched, let alone repainted.
    if (text == m_texts.at(index))
        return;
    m_texts[index] = text;
    refresh(index);
}

QString StatusBarPanels::text(int index) const
{
    return m_texts.at(index);
}

void StatusBarPanels::setMarker(int index, const QString &marker)
{
    if (marker == m_markers.at(index))
        return;
    m_markers[index] = marker;
    refresh(index);
}

void StatusBarPanels::refresh(int index)
{
    const QString &text = m_texts.at(index);
    const QString &marker = m_markers.at(index);
    QLabel *label = m_labels.at(index);
    label->setText(marker.isEmpty() || text.isEmpty() ? text + marker
                                                      : text + QLatin1Char(' ') + marker);
    // Handlers that talk to the instrument block the window while they wait;
    // the panel shows what is going on before they do.
    label->repaint();
}

void StatusBarPanels::setToolTip(int index, const QString &text)
{
    m_labels.at(index)->setToolTip(text);
}

QString StatusBarPanels::toolTip(int index) const
{
    return m_labels.at(index)->toolTip();
}

bool StatusBarPanels::eventFilter(QObject *watched, QEvent *event)
{
    // Every text change asks the bar for a new layout, and QStatusBar answers
    // each request by repainting itself whole, every panel, several times per
    // poll. The layout has already been done by the time the request gets
    // here; the bar needs its repaint only when a panel moved or changed size
    // since the last one. A changed text alone repaints its own panel.
    if (watched != m_bar || event->type() != QEvent::LayoutRequest)
        return false;
    const QList<QRect> geometries = panelGeometries();
    if (geometries == m_geometries)
        return true;
    m_geometries = geometries;
    return false;
}

QList<QRect> StatusBarPanels::panelGeometries() const
{
    QList<QRect> geometries;
    for (const QLabel *label : m_labels)
        geometries.append(label->geometry());
    return geometries;
}
