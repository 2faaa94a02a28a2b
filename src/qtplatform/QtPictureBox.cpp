#include "QtPictureBox.h"

#include "QtConvert.h"
#include "QtPeerSupport.h"
#include "platform/Control.h"

#include <QPainter>

namespace qtplatform {

QtPictureBox::QtPictureBox(platform::Control& control, QWidget* parent) : QWidget(parent), control_(control)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    applyAll(this, control_);
    control_.attach(this);
}

void QtPictureBox::propertyChanged(platform::Property property)
{
    if (!applyCommon(this, control_, property))
        update();
}

void QtPictureBox::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QPalette& pal = palette();
    const int border = borderWidth(control_);
    p.fillRect(rect(), toQColor(control_.backColor(), pal));
    if (!control_.picture().isNull())
        p.drawPixmap(QPointF(border, border), renderPicture(control_.picture(), devicePixelRatioF()));

    const int w = width() - 1;
    const int h = height() - 1;
    if (border == 1) {
        p.setPen(pal.color(QPalette::WindowText));
        p.drawRect(0, 0, w, h);
    } else if (border == 2) {
        // Sunken 3-D edge.
        p.setPen(pal.color(QPalette::Dark));
        p.drawLine(0, 0, w, 0);
        p.drawLine(0, 0, 0, h);
        p.setPen(pal.color(QPalette::Light));
        p.drawLine(0, h, w, h);
        p.drawLine(w, 0, w, h);
        p.setPen(pal.color(QPalette::Shadow));
        p.drawLine(1, 1, w - 1, 1);
        p.drawLine(1, 1, 1, h - 1);
        p.setPen(pal.color(QPalette::Midlight));
        p.drawLine(1, h - 1, w - 1, h - 1);
        p.drawLine(w - 1, 1, w - 1, h - 1);
    }
}

} // namespace qtplatform
