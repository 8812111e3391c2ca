#pragma once

#include <QLabel>

// A status panel that gives way when the bar is short of room: its text is
// elided in the middle as far as the width it gets asks, while a marker
// after it is always shown whole, or alone when nothing of the text fits
// beside it. The bar lays it out by the whole text, so it shows that again
// as soon as the room is back.
class ElidedPanelLabel : public QLabel
{
public:
    explicit ElidedPanelLabel(QWidget *parent = nullptr);

    void setParts(const QString &text, const QString &marker);
    // The text and the marker as they would be shown with room enough.
    QString wholeText() const;
    // The width it asks for while the bar has room: at least this.
    void setPreferredWidth(int width);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void showForWidth();

    QString m_text;
    QString m_marker;
    int m_preferredWidth = 0;
};
