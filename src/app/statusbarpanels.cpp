#include "app/statusbarpanels.h"

#include <QLabel>
#include <QStatusBar>

StatusBarPanels::StatusBarPanels(QStatusBar *bar, const QList<Panel> &panels)
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
    }
}

void StatusBarPanels::setText(int index, const QString &text)
{
    QLabel *label = m_labels.at(index);
    label->setText(text);
    // Handlers that talk to the instrument block the window while they wait;
    // the panel shows what is going on before they do.
    label->repaint();
}

QString StatusBarPanels::text(int index) const
{
    return m_labels.at(index)->text();
}

void StatusBarPanels::setToolTip(int index, const QString &text)
{
    m_labels.at(index)->setToolTip(text);
}

QString StatusBarPanels::toolTip(int index) const
{
    return m_labels.at(index)->toolTip();
}
