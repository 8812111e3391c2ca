#pragma once

#include <QHash>
#include <QLabel>
#include <QList>
#include <QObject>
#include <QRect>
#include <QString>
#include <QStringList>

class ElidedPanelLabel;
class QStatusBar;

// The main window's status bar as a row of fixed panels addressed by index,
// the way its handlers report the link state and the last action.
class StatusBarPanels : public QObject
{
public:
    struct Panel
    {
        QString text;
        int width;
        // A panel that gives way: when the bar cannot show every text whole,
        // this one's text is elided so that the others' are not cut. Its
        // marker is never elided.
        bool givesWay = false;
    };

    StatusBarPanels(QStatusBar *bar, const QList<Panel> &panels);

    // The new text is painted with the rest of the window once the running
    // handler returns, together with whatever else it changed.
    void setText(int index, const QString &text);
    QString text(int index) const;
    void setToolTip(int index, const QString &text);
    QString toolTip(int index) const;

    // A marker stays after the panel's text, whatever the text is set to,
    // until it is set empty again.
    void setMarker(int index, const QString &marker);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void refresh(int index);
    QList<QRect> panelGeometries() const;

    // The least width a panel may have: one that gives way, what shows its
    // marker; any other, what shows its text whole.
    void applyLeastWidth(int index);

    // Pinned, the panels keep the sizes the bar last gave them, so that a new
    // text asks the bar for no new layout; a text that needs another width
    // lets go of all of them first, and the layout that follows pins them
    // again.
    void pin();
    void unpin();
    bool fitsAsLaidOut(int index, const QString &shown);
    bool givesRoomBack(int index, const QString &shown);
    QSize naturalSize(int index, const QString &shown);

    QStatusBar *m_bar;
    QList<QLabel *> m_labels;
    QList<ElidedPanelLabel *> m_givingWay; // null for a panel that does not
    QStringList m_texts;
    QStringList m_markers;
    QList<QRect> m_geometries;
    QList<int> m_minimumWidths;
    bool m_pinned = false;
    // What each text needs, measured once on a label that is never shown.
    QLabel m_measure;
    QHash<QString, QSize> m_naturalSizes;
};
