#include "app/elidedpanellabel.h"

#include "app/panelwidth.h"

ElidedPanelLabel::ElidedPanelLabel(QWidget *parent)
    : QLabel(parent)
{}

void ElidedPanelLabel::setParts(const QString &text, const QString &marker)
{
    m_text = text;
    m_marker = marker;
    showForWidth();
}

QString ElidedPanelLabel::wholeText() const
{
    if (m_marker.isEmpty() || m_text.isEmpty())
        return m_text + m_marker;
    return m_text + QLatin1Char(' ') + m_marker;
}

void ElidedPanelLabel::setPreferredWidth(int width)
{
    m_preferredWidth = width;
    updateGeometry();
}

QSize ElidedPanelLabel::sizeHint() const
{
    // QLabel's own hint, for the text as it is shown now, less that text and
    // plus the whole one: the extra room QLabel asks for stays the same.
    QSize hint = QLabel::sizeHint();
    const QFontMetrics metrics = fontMetrics();
    hint.rwidth() += metrics.horizontalAdvance(wholeText()) - metrics.horizontalAdvance(text());
    hint.setWidth(std::max(hint.width(), m_preferredWidth));
    return hint;
}

QSize ElidedPanelLabel::minimumSizeHint() const
{
    auto *self = const_cast<ElidedPanelLabel *>(this);
    const QString least = !m_marker.isEmpty() ? m_marker
                          : m_text.isEmpty()  ? QString()
                                              : QStringLiteral("…");
    return {panelWidthFor(self, least), QLabel::minimumSizeHint().height()};
}

void ElidedPanelLabel::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    showForWidth();
}

void ElidedPanelLabel::showEvent(QShowEvent *event)
{
    QLabel::showEvent(event);
    showForWidth();
}

void ElidedPanelLabel::showForWidth()
{
    // A panel that was never laid out has no width to go by yet.
    QString shown = wholeText();
    const int room = panelTextRoom(this, width());
    const QFontMetrics metrics = fontMetrics();
    if (isVisible() && metrics.horizontalAdvance(shown) > room && !m_text.isEmpty()) {
        if (m_marker.isEmpty()) {
            shown = metrics.elidedText(m_text, Qt::ElideMiddle, room);
        } else {
            const QString tail = QLatin1Char(' ') + m_marker;
            const QString text =
                metrics.elidedText(m_text, Qt::ElideMiddle, room - metrics.horizontalAdvance(tail));
            shown = text.isEmpty() ? m_marker : text + tail;
        }
    }
    if (shown != text())
        setText(shown);
}
