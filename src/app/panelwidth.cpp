#include "app/panelwidth.h"

#include <QLabel>

namespace {

int chrome(QLabel *label)
{
    // The style sheet gives the panels their font only once polished.
    label->ensurePolished();
    int indent = label->indent();
    if (indent < 0 && label->frameWidth() > 0)
        indent = label->fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2 - label->margin();
    if (!(label->alignment() & (Qt::AlignLeft | Qt::AlignRight)))
        indent = 0;
    return 2 * label->frameWidth() + 2 * label->margin() + std::max(indent, 0);
}

} // namespace

int panelWidthFor(QLabel *label, const QString &text)
{
    return chrome(label) + label->fontMetrics().horizontalAdvance(text);
}

int panelTextRoom(QLabel *label, int width)
{
    return width - chrome(label);
}
