#include "platform/picturelabel.h"

#include <QEvent>
#include <QPainter>

void PictureLabel::paintEvent(QPaintEvent *event)
{
    if (!autoFillBackground()) {
        QLabel::paintEvent(event);
        return;
    }
    auto picture = m_pictures.constFind(text());
    // A window moved to a screen of another pixel density needs new ones.
    if (picture != m_pictures.constEnd() && picture->devicePixelRatio() != devicePixelRatio()) {
        m_pictures.clear();
        picture = m_pictures.constEnd();
    }
    if (picture == m_pictures.constEnd()) {
        if (m_pictures.size() >= kMostPictures)
            m_pictures.clear();
        picture = m_pictures.insert(text(), pictureOfText());
    }
    QPainter painter(this);
    painter.drawPixmap(0, 0, *picture);
}

// The label as it paints itself now, background and frame included. A
// widget cannot be rendered while it is being painted, so a hidden twin
// with the same looks paints the picture.
QPixmap PictureLabel::pictureOfText() const
{
    QLabel twin;
    twin.setFont(font());
    twin.setPalette(coloursAsShown());
    twin.setAutoFillBackground(true);
    twin.setFrameStyle(frameStyle());
    twin.setLineWidth(lineWidth());
    twin.setMidLineWidth(midLineWidth());
    twin.setContentsMargins(contentsMargins());
    twin.setAlignment(alignment());
    twin.setMargin(margin());
    twin.setIndent(indent());
    twin.setTextFormat(textFormat());
    twin.setWordWrap(wordWrap());
    twin.setLayoutDirection(layoutDirection());
    twin.setText(text());
    twin.resize(size());
    QPixmap picture(size() * devicePixelRatio());
    picture.setDevicePixelRatio(devicePixelRatio());
    twin.render(&picture);
    return picture;
}

// The twin is neither in an active window nor perhaps enabled; it gets the
// colours this label paints with now in every state.
QPalette PictureLabel::coloursAsShown() const
{
    const QPalette::ColorGroup shown = !isEnabled()       ? QPalette::Disabled
                                       : isActiveWindow() ? QPalette::Active
                                                          : QPalette::Inactive;
    QPalette colours;
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
        const auto colourRole = QPalette::ColorRole(role);
        colours.setBrush(colourRole, palette().brush(shown, colourRole));
    }
    return colours;
}

void PictureLabel::changeEvent(QEvent *event)
{
    // Anything that changes how a text looks makes every picture old.
    switch (event->type()) {
    case QEvent::EnabledChange:
    case QEvent::PaletteChange:
    case QEvent::FontChange:
    case QEvent::StyleChange:
    case QEvent::ActivationChange:
        m_pictures.clear();
        break;
    default:
        break;
    }
    QLabel::changeEvent(event);
}

void PictureLabel::resizeEvent(QResizeEvent *event)
{
    m_pictures.clear();
    QLabel::resizeEvent(event);
}
