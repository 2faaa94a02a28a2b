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
    if (style.shape == ShapeKind::Circle) {
        const qreal side = std::min(box.width(), box.height());
        p.drawEllipse(QRectF(box.center().x() - side / 2, box.center().y() - side / 2, side, side));
    } else {
        p.drawRect(box);
    }
}

} // namespace qtplatform
