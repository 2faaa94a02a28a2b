#include "QtCommandButton.h"

#include "QtConvert.h"
#include "QtPeerSupport.h"
#include "platform/Control.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

namespace qtplatform {

using platform::Property;

QtCommandButton::QtCommandButton(platform::Control& control, QWidget* parent)
    : QAbstractButton(parent), control_(control)
{
    setFocusPolicy(control.style().tabStop ? Qt::TabFocus : Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::ArrowCursor);
    applyAll(this, control_);
    control_.attach(this);
}

void QtCommandButton::propertyChanged(Property property)
{
    if (!applyCommon(this, control_, property))
        update();
}

QSize QtCommandButton::sizeHint() const { return size(); }

void QtCommandButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QRect r = rect();
    const QPalette& pal = palette();
    const bool graphical = control_.style().graphical;
    const QColor face = graphical ? toQColor(control_.backColor(), pal) : pal.color(QPalette::Button);
    p.fillRect(r, face);

    // Picture (graphical style) or caption, centred, nudged by one pixel when sunken.
    const int shift = sunken_ ? 1 : 0;
    if (graphical && !control_.picture().isNull()) {
        const QPixmap pixmap = renderPicture(control_.picture(), devicePixelRatioF());
        const QSizeF logical = pixmap.deviceIndependentSize();
        const QPointF topLeft((r.width() - logical.width()) / 2.0 + shift, (r.height() - logical.height()) / 2.0 + shift);
        if (!isEnabled()) {
            p.setOpacity(0.5);
        }
        p.drawPixmap(topLeft, pixmap);
        p.setOpacity(1.0);
    } else if (!control_.caption().empty()) {
        p.setFont(font());
        p.setPen(isEnabled() ? toQColor(control_.foreColor(), pal) : pal.color(QPalette::Disabled, QPalette::ButtonText));
        p.drawText(r.translated(shift, shift), Qt::AlignCenter | Qt::TextShowMnemonic, toQString(control_.caption()));
    }

    // Bevel: a flat button has a single dark line; a raised one a two-pixel 3-D edge.
    const QColor light = pal.color(QPalette::Light);
    const QColor midlight = pal.color(QPalette::Midlight);
    const QColor dark = pal.color(QPalette::Dark);
    const QColor shadow = pal.color(QPalette::Shadow);
    const int w = r.width() - 1;
    const int h = r.height() - 1;
    auto edge = [&](const QColor& topLeft, const QColor& bottomRight, int inset) {
        p.setPen(topLeft);
        p.drawLine(inset, inset, w - inset, inset);
        p.drawLine(inset, inset, inset, h - inset);
        p.setPen(bottomRight);
        p.drawLine(inset, h - inset, w - inset, h - inset);
        p.drawLine(w - inset, inset, w - inset, h - inset);
    };
    if (control_.style().flat) {
        if (sunken_)
            edge(dark, light, 0);
        else
            edge(light, dark, 0);
    } else if (sunken_) {
        edge(shadow, shadow, 0);
        edge(dark, dark, 1);
    } else {
        edge(light, shadow, 0);
        edge(midlight, dark, 1);
    }
}

void QtCommandButton::mousePressEvent(QMouseEvent* event)
{
    held_ |= event->button();
    if (event->button() == Qt::LeftButton) {
        sunken_ = true;
        update();
    }
    control_.raiseMouseDown(toMouseButton(event->button()));
}

void QtCommandButton::mouseMoveEvent(QMouseEvent* event)
{
    if (held_ & Qt::LeftButton) {
        const bool inside = rect().contains(event->position().toPoint());
        if (inside != sunken_) {
            sunken_ = inside;
            update();
        }
    }
}

void QtCommandButton::mouseReleaseEvent(QMouseEvent* event)
{
    const bool wasHeld = held_.testFlag(event->button());
    held_ &= ~event->button();
    const bool clicked = wasHeld && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton) {
        sunken_ = false;
        update();
    }
    QPointer<QtCommandButton> self(this);
    platform::Control& control = control_;
    if (clicked)
        control.raiseClick();
    // The release follows the click's judgement, and always goes to the pressed control.
    if (self && wasHeld)
        control.raiseMouseUp(toMouseButton(event->button()));
}

void QtCommandButton::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat()) {
        sunken_ = true;
        update();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void QtCommandButton::keyReleaseEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat() && sunken_) {
        sunken_ = false;
        update();
        control_.raiseClick();
        return;
    }
    QAbstractButton::keyReleaseEvent(event);
}

} // namespace qtplatform
