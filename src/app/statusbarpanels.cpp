#include "app/statusbarpanels.h"

#include "app/elidedpanellabel.h"
#include "app/panelwidth.h"

#include <QEvent>
#include <QStatusBar>

StatusBarPanels::StatusBarPanels(QStatusBar *bar, const QList<Panel> &panels)
    : m_bar(bar)
{
    for (qsizetype i = 0; i < panels.size(); ++i) {
        ElidedPanelLabel *givingWay = panels[i].givesWay ? new ElidedPanelLabel(bar) : nullptr;
        QLabel *label = givingWay ? givingWay : new QLabel(bar);
        label->setObjectName(QStringLiteral("Panel%1").arg(i));
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        // The last panel takes the rest of the bar so that a long action text
        // is never cut.
        bar->addWidget(label, i == panels.size() - 1 ? 1 : 0);
        m_labels.append(label);
        m_givingWay.append(givingWay);
        m_texts.append(panels[i].text);
        m_markers.append(QString());
        m_minimumWidths.append(panels[i].width);
        // The widths are the least each panel gets while the bar has room.
        if (givingWay)
            givingWay->setPreferredWidth(panels[i].width);
        refresh(int(i));
    }
    m_measure.setFrameStyle(QFrame::Panel | QFrame::Sunken);
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
    const QString shown =
        marker.isEmpty() || text.isEmpty() ? text + marker : text + QLatin1Char(' ') + marker;
    const bool layOutAgain =
        m_pinned && (!fitsAsLaidOut(index, shown) || givesRoomBack(index, shown));
    if (ElidedPanelLabel *givingWay = m_givingWay.at(index))
        givingWay->setParts(text, marker);
    else
        label->setText(shown);
    if (layOutAgain)
        unpin();
    else if (!m_pinned)
        applyLeastWidth(index);
}

void StatusBarPanels::applyLeastWidth(int index)
{
    QLabel *label = m_labels.at(index);
    // Zero leaves it to the label's own least size, its marker.
    const int least = m_givingWay.at(index) ? 0
                                            : std::max(m_minimumWidths.at(index),
                                                       panelWidthFor(label, label->text()));
    label->setMinimumSize(least, 0);
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
    if (watched != m_bar)
        return false;
    // A bar of another size lays its panels out anew, unpinned.
    if (event->type() == QEvent::Resize) {
        unpin();
        return false;
    }
    // Every text change of a panel that is not pinned asks the bar for a new
    // layout, and QStatusBar answers each request by repainting itself whole,
    // every panel. The layout has already been done by the time the request
    // gets here; the bar needs its repaint only when a panel moved or changed
    // size since the last one. A changed text alone repaints its own panel.
    // A hidden bar is not laid out at all, so its sizes mean nothing yet.
    if (event->type() != QEvent::LayoutRequest || !m_bar->isVisible())
        return false;
    const QList<QRect> geometries = panelGeometries();
    if (geometries == m_geometries && m_pinned)
        return true;
    m_geometries = geometries;
    pin();
    return false;
}

void StatusBarPanels::pin()
{
    m_pinned = true;
    for (QLabel *label : std::as_const(m_labels))
        label->setFixedSize(label->size());
}

void StatusBarPanels::unpin()
{
    if (!m_pinned)
        return;
    m_pinned = false;
    for (qsizetype i = 0; i < m_labels.size(); ++i) {
        applyLeastWidth(int(i));
        m_labels[i]->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }
}

// Whether the bar, laying its panels out with this text in this one, would
// give every panel the size it has now. The last panel takes the rest of the
// bar, so any text that fits in it does; another panel is as wide as its
// text or its least width, whichever is more. Every panel is as high as the
// bar, whatever its text.
bool StatusBarPanels::fitsAsLaidOut(int index, const QString &shown)
{
    const QLabel *label = m_labels.at(index);
    const QSize natural = naturalSize(index, shown);
    const bool takesTheRest = index == m_labels.size() - 1;
    return takesTheRest ? natural.width() <= label->width() : natural.width() == label->width();
}

// Whether a panel that gives way is short of the room it would like, and
// this text, narrower than the panel is now, would leave some to it.
bool StatusBarPanels::givesRoomBack(int index, const QString &shown)
{
    for (const ElidedPanelLabel *givingWay : std::as_const(m_givingWay)) {
        if (givingWay && givingWay != m_givingWay.at(index)
            && givingWay->width() < givingWay->sizeHint().width())
            return naturalSize(index, shown).width() < m_labels.at(index)->width();
    }
    return false;
}

QSize StatusBarPanels::naturalSize(int index, const QString &shown)
{
    auto known = m_naturalSizes.constFind(shown);
    if (known == m_naturalSizes.constEnd()) {
        m_measure.setFont(m_labels.at(index)->font());
        m_measure.setText(shown);
        known = m_naturalSizes.insert(shown, m_measure.sizeHint());
    }
    return {std::max(known->width(), m_minimumWidths.at(index)), known->height()};
}

QList<QRect> StatusBarPanels::panelGeometries() const
{
    QList<QRect> geometries;
    for (const QLabel *label : m_labels)
        geometries.append(label->geometry());
    return geometries;
}
