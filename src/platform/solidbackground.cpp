#include "platform/solidbackground.h"

#include <QImage>
#include <QLabel>
#include <optional>

namespace {

// The colour that fills the rectangle, or none when it is not a single one.
std::optional<QRgb> singleColour(const QImage &image)
{
    if (image.isNull())
        return std::nullopt;
    const QRgb first = image.pixel(0, 0);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != first)
                return std::nullopt;
        }
    }
    return first;
}

} // namespace

void giveSolidBackgrounds(QWidget *window, const QList<QLabel *> &labels)
{
    for (QLabel *label : labels) {
        if (!label->isVisibleTo(window))
            continue;
        // What the window shows where the label is, without the label. A
        // label in a layout keeps its place while it is hidden for this.
        const QSizePolicy policy = label->sizePolicy();
        QSizePolicy keepingPlace = policy;
        keepingPlace.setRetainSizeWhenHidden(true);
        label->setSizePolicy(keepingPlace);
        label->hide();
        const QImage behind =
            window->grab(QRect(label->mapTo(window, QPoint(0, 0)), label->size())).toImage();
        label->show();
        label->setSizePolicy(policy);
        const std::optional<QRgb> colour = singleColour(behind);
        if (!colour)
            continue;
        QPalette palette = label->palette();
        palette.setColor(QPalette::Window, QColor::fromRgb(*colour));
        label->setPalette(palette);
        label->setAutoFillBackground(true);
    }
}
