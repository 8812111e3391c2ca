#pragma once

#include <QList>
#include <QObject>
#include <QRect>
#include <QString>
#include <QStringList>

class QLabel;
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
    };

    StatusBarPanels(QStatusBar *bar, const QList<Panel> &panels);

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

    QStatusBar *m_bar;
    QList<QLabel *> m_labels;
    QStringList m_texts;
    QStringList m_markers;
    QList<QRect> m_geometries;
};
