#include "ControlWidget.h"
#include "qtplatform/Conversions.h"

#include <QAbstractButton>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace qtplatform {

namespace {

// The classic disabled picture: its dark pixels embossed in the 3-D highlight and
// shadow colours, everything else left out.
QPixmap embossed(const QPixmap& picture, const QPalette& palette)
{
    const QImage source = picture.toImage().convertToFormat(QImage::Format_ARGB32);
    QImage result(source.size(), QImage::Format_ARGB32_Premultiplied);
    result.fill(Qt::transparent);
    // The highlight one pixel down and right, then the shadow in place over it.
    const int offset = qRound(picture.devicePixelRatio());
    for (const auto& [shift, color] :
         {std::pair(offset, platform::colors::Highlight3D), std::pair(0, platform::colors::ButtonShadow)}) {
        const QRgb ink = qPremultiply(toQColor(color, palette).rgba());
        for (int y = 0; y + shift < source.height(); ++y)
            for (int x = 0; x + shift < source.width(); ++x)
                if (const QRgb in = source.pixel(x, y); qAlpha(in) >= 128 && qGray(in) < 128)
                    result.setPixel(x + shift, y + shift, ink);
    }
    result.setDevicePixelRatio(picture.devicePixelRatio());
    return QPixmap::fromImage(result);
}

// A classic raised button, painted by us so that its back colour is exact under every
// desktop style: 3-D bevel, back colour, centred picture, sunken while its control is
// pressed (by the mouse, by Space, or by the key that stands for the button).
class CommandButtonPeer : public ControlWidget<QAbstractButton> {
    Q_OBJECT
public:
    CommandButtonPeer(platform::Control& control, QWidget* parent) : ControlWidget(control, parent)
    {
        setFocusPolicy(control.style().tabStop ? Qt::TabFocus : Qt::NoFocus);
        setAttribute(Qt::WA_OpaquePaintEvent);
        attach();
    }

protected:
    void paintEvent(QPaintEvent*) override;

    void mousePressEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton)
            control().setPressed(true);
        clicks_.press(control(), *event);
    }
    void mouseMoveEvent(QMouseEvent* event) override
    {
        if (clicks_.holds(Qt::LeftButton))
            control().setPressed(rect().contains(event->position().toPoint()));
    }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton)
            control().setPressed(false);
        clicks_.release(this, control(), *event);
    }
    bool event(QEvent* event) override
    {
        // A message box opened while the button is held takes its release.
        if (event->type() == QEvent::WindowBlocked)
            control().setPressed(false);
        return QAbstractButton::event(event);
    }
    void keyPressEvent(QKeyEvent* event) override
    {
        if (event->key() == Qt::Key_Space && !event->isAutoRepeat())
            control().setPressed(true);
        else
            QAbstractButton::keyPressEvent(event);
    }
    void keyReleaseEvent(QKeyEvent* event) override
    {
        if (event->key() != Qt::Key_Space || event->isAutoRepeat() || !control().pressed()) {
            QAbstractButton::keyReleaseEvent(event);
            return;
        }
        control().setPressed(false);
        control().raiseClick();
    }

private:
    MouseClicks clicks_;
};

void CommandButtonPeer::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QRect r = rect();
    const QPalette& pal = palette();
    const platform::Control& c = control();
    const bool graphical = c.style().graphical;
    // The face is exactly the back colour; the desktop's style never paints a button.
    p.fillRect(r, graphical ? toQColor(c.backColor(), pal) : toQColor(platform::colors::ButtonFace, pal));

    // Picture and caption, centred, one pixel down and right while pressed.
    const bool down = c.pressed();
    const int shift = down ? 1 : 0;
    const bool hasPicture = graphical && !c.picture().isNull();
    const bool hasCaption = !c.caption().empty();
    const int captionHeight = hasCaption ? QFontMetrics(font()).height() : 0;
    if (hasPicture) {
        QPixmap pixmap = renderPicture(c.picture(), devicePixelRatioF());
        if (!isEnabled())
            pixmap = embossed(pixmap, pal);
        const QSizeF size = pixmap.deviceIndependentSize();
        const int left = (r.width() - qRound(size.width())) / 2;
        const int top = (r.height() - qRound(size.height()) - captionHeight) / 2;
        p.drawPixmap(QPointF(left + shift, top + shift), pixmap);
    }
    if (hasCaption) {
        const QString caption = toQString(c.caption());
        const int flags = Qt::AlignHCenter | (hasPicture ? Qt::AlignBottom : Qt::AlignVCenter) | Qt::TextShowMnemonic;
        const QRect box = r.adjusted(3, 3, -3, -3).translated(shift, shift);
        p.setFont(font());
        if (isEnabled()) {
            p.setPen(toQColor(c.foreColor(), pal));
            p.drawText(box, flags, caption);
        } else {
            p.setPen(toQColor(platform::colors::Highlight3D, pal));
            p.drawText(box.translated(1, 1), flags, caption);
            p.setPen(toQColor(platform::colors::ButtonShadow, pal));
            p.drawText(box, flags, caption);
        }
    }

    // The edge, in the system's 3-D colours, turns inward while pressed: each ring swaps
    // its colours. A flat button has a one-pixel frame.
    using namespace platform::colors;
    const auto ring = [&](int inset, platform::Color topLeft, platform::Color bottomRight) {
        drawEdgeRing(p, r, inset, toQColor(down ? bottomRight : topLeft, pal),
                     toQColor(down ? topLeft : bottomRight, pal));
    };
    ring(0, Highlight3D, c.style().flat ? ButtonShadow : DarkShadow3D);
    if (!c.style().flat)
        ring(1, Light3D, ButtonShadow);
    if (hasFocus()) {
        p.setPen(QPen(toQColor(ButtonText, pal), 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(r.adjusted(3, 3, -4, -4)).translated(0.5, 0.5));
    }
}

} // namespace

QWidget* newCommandButtonPeer(platform::Control& control, QWidget* parent)
{
    return new CommandButtonPeer(control, parent);
}

} // namespace qtplatform

#include "CommandButtonPeer.moc"
