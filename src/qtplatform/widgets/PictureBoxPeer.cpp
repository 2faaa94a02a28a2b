#include "PictureBoxPeer.h"

#include "PeerSupport.h"
#include "platform/Control.h"
#include "qtplatform/Conversions.h"

#include <QPainter>

namespace qtplatform {

PictureBoxPeer::PictureBoxPeer(platform::Control& control, QWidget* parent) : QWidget(parent), control_(control)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::ArrowCursor); // its own pointer, not its window's
    applyAll(this, control_);
    control_.attach(this);
}

void PictureBoxPeer::propertyChanged(platform::Property property)
{
    if (!applyCommon(this, control_, property))
        update();
}

void PictureBoxPeer::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QPalette& pal = palette();
    const int border = borderWidth(control_);
    p.fillRect(rect(), toQColor(control_.backColor(), pal));
    if (!control_.picture().isNull())
        p.drawPixmap(QPointF(border, border), renderPicture(control_.picture(), devicePixelRatioF()));

    if (border == 1) {
        drawEdgeRing(p, rect(), 0, pal.color(QPalette::WindowText), pal.color(QPalette::WindowText));
    } else if (border == 2) {
        // Sunken 3-D edge.
        using namespace platform::colors;
        drawEdgeRing(p, rect(), 0, toQColor(ButtonShadow, pal), toQColor(Highlight3D, pal));
        drawEdgeRing(p, rect(), 1, toQColor(DarkShadow3D, pal), toQColor(Light3D, pal));
    }
}

} // namespace qtplatform
