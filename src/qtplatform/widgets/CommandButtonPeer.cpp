#include "CommandButtonPeer.h"

#include "Accessibility.h"
#include "PeerSupport.h"
#include "platform/Control.h"
#include "qtplatform/Conversions.h"

#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace qtplatform {

using platform::Property;

CommandButtonPeer::CommandButtonPeer(platform::Control& control, QWidget* parent)
    : QAbstractButton(parent), control_(control)
{
    setFocusPolicy(control.style().tabStop ? Qt::TabFocus : Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::ArrowCursor);
    applyAll(this, control_);
    control_.attach(this);
}

void CommandButtonPeer::propertyChanged(Property property)
{
    accessibleChanged(this, control_, property);
    if (!applyCommon(this, control_, property))
        update();
}

QSize CommandButtonPeer::sizeHint() const { return size(); }

namespace {

// The classic disabled picture: its dark pixels embossed in the 3-D highlight and
// shadow colours, everything else left out.
QPixmap embossed(const QPixmap& picture, const QPalette& palette)
{
    const QImage source = picture.toImage().convertToFormat(QImage::Format_ARGB32);
    QImage shape(source.size(), QImage::Format_ARGB32);
    shape.fill(Qt::transparent);
    for (int y = 0; y < source.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(shape.scanLine(y));
        for (int x = 0; x < source.width(); ++x)
            if (qAlpha(in[x]) >= 128 && qGray(in[x]) < 128)
                out[x] = qRgb(0, 0, 0);
    }
    const qreal ratio = picture.devicePixelRatio();
    QImage result(source.size(), QImage::Format_ARGB32_Premultiplied);
    result.fill(Qt::transparent);
    {
        QPainter p(&result);
        auto tinted = [&](const QColor& color) {
            QImage copy = shape;
            QPainter t(&copy);
            t.setCompositionMode(QPainter::CompositionMode_SourceIn);
            t.fillRect(copy.rect(), color);
            return copy;
        };
        const int offset = qRound(ratio);
        p.drawImage(QPoint(offset, offset), tinted(toQColor(platform::colors::Highlight3D, palette)));
        p.drawImage(QPoint(0, 0), tinted(toQColor(platform::colors::ButtonShadow, palette)));
    }
    result.setDevicePixelRatio(ratio);
    return QPixmap::fromImage(result);
}

} // namespace

void CommandButtonPeer::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QRect r = rect();
    const QPalette& pal = palette();
    const bool graphical = control_.style().graphical;
    const bool flat = control_.style().flat;
    // The face is exactly the back colour; the desktop's style never paints a button.
    p.fillRect(r, graphical ? toQColor(control_.backColor(), pal) : toQColor(platform::colors::ButtonFace, pal));

    // Picture and caption, centred, one pixel down and right while pressed, by the
    // mouse or by the key that stands for the button.
    const bool down = control_.pressed();
    const int shift = down ? 1 : 0;
    const bool hasPicture = graphical && !control_.picture().isNull();
    const bool hasCaption = !control_.caption().empty();
    QFontMetrics metrics(font());
    const int captionHeight = hasCaption ? metrics.height() : 0;
    if (hasPicture) {
        QPixmap pixmap = renderPicture(control_.picture(), devicePixelRatioF());
        if (!isEnabled())
            pixmap = embossed(pixmap, pal);
        const QSizeF size = pixmap.deviceIndependentSize();
        const int left = (r.width() - qRound(size.width())) / 2;
        const int top = (r.height() - qRound(size.height()) - captionHeight) / 2;
        p.drawPixmap(QPointF(left + shift, top + shift), pixmap);
    }
    if (hasCaption) {
        const QString caption = toQString(control_.caption());
        const int flags = Qt::AlignHCenter | (hasPicture ? Qt::AlignBottom : Qt::AlignVCenter) | Qt::TextShowMnemonic;
        const QRect box = r.adjusted(3, 3, -3, -3).translated(shift, shift);
        p.setFont(font());
        if (isEnabled()) {
            p.setPen(toQColor(control_.foreColor(), pal));
            p.drawText(box, flags, caption);
        } else {
            p.setPen(toQColor(platform::colors::Highlight3D, pal));
            p.drawText(box.translated(1, 1), flags, caption);
            p.setPen(toQColor(platform::colors::ButtonShadow, pal));
            p.drawText(box, flags, caption);
        }
    }

    // The edge, in the system's 3-D colours.
    const QColor highlight = toQColor(platform::colors::Highlight3D, pal);
    const QColor light = toQColor(platform::colors::Light3D, pal);
    const QColor shadow = toQColor(platform::colors::ButtonShadow, pal);
    const QColor darkShadow = toQColor(platform::colors::DarkShadow3D, pal);
    auto edge = [&](const QColor& topLeft, const QColor& bottomRight, int inset) {
        drawEdgeRing(p, r, inset, topLeft, bottomRight);
    };
    if (flat) {
        // A flat button has a one-pixel frame that turns inward while pressed.
        if (down)
            edge(shadow, highlight, 0);
        else
            edge(highlight, shadow, 0);
    } else if (down) {
        edge(darkShadow, highlight, 0);
        edge(shadow, light, 1);
    } else {
        edge(highlight, darkShadow, 0);
        edge(light, shadow, 1);
    }
    if (hasFocus()) {
        QPen dotted(toQColor(platform::colors::ButtonText, pal), 1, Qt::DotLine);
        p.setPen(dotted);
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(r.adjusted(3, 3, -4, -4)).translated(0.5, 0.5));
    }
}

void CommandButtonPeer::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        control_.setPressed(true);
    clicks_.press(control_, event->button());
}

void CommandButtonPeer::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        control_.setPressed(true);
    clicks_.doublePress(event->button());
}

void CommandButtonPeer::mouseMoveEvent(QMouseEvent* event)
{
    if (clicks_.holds(Qt::LeftButton))
        control_.setPressed(rect().contains(event->position().toPoint()));
}

void CommandButtonPeer::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        control_.setPressed(false);
    clicks_.release(this, control_, *event);
}

bool CommandButtonPeer::event(QEvent* event)
{
    // A message box opened while the button is held takes its release.
    if (event->type() == QEvent::WindowBlocked)
        control_.setPressed(false);
    return QAbstractButton::event(event);
}

void CommandButtonPeer::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat()) {
        control_.setPressed(true);
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void CommandButtonPeer::keyReleaseEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat() && control_.pressed()) {
        control_.setPressed(false);
        control_.raiseClick();
        return;
    }
    QAbstractButton::keyReleaseEvent(event);
}

} // namespace qtplatform
