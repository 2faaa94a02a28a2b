#include "ShapePeer.h"

#include "PeerSupport.h"
#include "platform/Control.h"
#include "qtplatform/Conversions.h"

#include <QPainter>

namespace qtplatform {

using platform::ShapeKind;

ShapePeer::ShapePeer(platform::Control& control, QWidget* parent) : QWidget(parent), control_(control)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    applyAll(this, control_);
    control_.attach(this);
}

void ShapePeer::propertyChanged(platform::Property property)
{
    if (!applyCommon(this, control_, property))
        update();
}

void ShapePeer::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const auto& style = control_.style();
    p.setPen(style.borderStyle == 0 ? QPen(Qt::NoPen) : QPen(toQColor(control_.foreColor(), palette())));
    p.setBrush(style.fillStyle == 0 ? QBrush(toQColor(style.fillColor, palette())) : QBrush(Qt::NoBrush));
    QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    if (style.shape == ShapeKind::Circle || style.shape == ShapeKind::Square ||
        style.shape == ShapeKind::RoundedSquare) {
        const qreal side = std::min(box.width(), box.height());
        box = QRectF(box.center().x() - side / 2, box.center().y() - side / 2, side, side);
    }
    switch (style.shape) {
    case ShapeKind::Circle:
    case ShapeKind::Oval: p.drawEllipse(box); break;
    case ShapeKind::RoundedRectangle:
    case ShapeKind::RoundedSquare: p.drawRoundedRect(box, box.width() / 8, box.height() / 8); break;
    default: p.drawRect(box); break;
    }
}

} // namespace qtplatform
