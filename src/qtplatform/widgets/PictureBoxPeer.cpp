#include "ControlWidget.h"
#include "qtplatform/Conversions.h"

#include <QPainter>

namespace qtplatform {

namespace {

// A picture box: back colour, its picture at the top left of the inner area, and a
// 3-D or flat border. Controls it contains are its child widgets.
class PictureBoxPeer : public ControlWidget<QWidget> {
    Q_OBJECT
public:
    PictureBoxPeer(platform::Control& control, QWidget* parent) : ControlWidget(control, parent)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
        attach();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        const QPalette& pal = palette();
        const int border = borderWidth(control());
        p.fillRect(rect(), toQColor(control().backColor(), pal));
        p.drawPixmap(QPointF(border, border), renderPicture(control().picture(), devicePixelRatioF()));
        if (border == 1) {
            drawEdgeRing(p, rect(), 0, pal.color(QPalette::WindowText), pal.color(QPalette::WindowText));
        } else if (border == 2) {
            // Sunken 3-D edge.
            using namespace platform::colors;
            drawEdgeRing(p, rect(), 0, toQColor(ButtonShadow, pal), toQColor(Highlight3D, pal));
            drawEdgeRing(p, rect(), 1, toQColor(DarkShadow3D, pal), toQColor(Light3D, pal));
        }
    }
};

} // namespace

QWidget* newPictureBoxPeer(platform::Control& control, QWidget* parent) { return new PictureBoxPeer(control, parent); }

} // namespace qtplatform

#include "PictureBoxPeer.moc"
