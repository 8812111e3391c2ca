#pragma once

#include <QHash>
#include <QLabel>
#include <QPixmap>

// A label that shows the same few texts over and over, such as a status
// panel, and keeps the picture of each: laying out and drawing a text costs
// far more than copying its picture. Only a label that fills its own
// background keeps pictures, as only its picture does not depend on what is
// behind it; any other paints as a plain QLabel.
class PictureLabel : public QLabel
{
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QPixmap pictureOfText() const;
    QPalette coloursAsShown() const;

    // A panel cycles through a handful of texts; a label that shows ever
    // new ones starts afresh rather than growing without end.
    static constexpr int kMostPictures = 8;

    QHash<QString, QPixmap> m_pictures;
};
