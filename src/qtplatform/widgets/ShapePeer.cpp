#include "ControlWidget.h"
#include "qtplatform/Conversions.h"

#include <QPainter>

namespace qtplatform {

namespace {

// A shape drawn on its container's surface. It takes no input: clicks reach the container.
class ShapePeer : public ControlWidget<QWidget> {
    Q_OBJECT
public:
    ShapePeer(platform::Control& control, QWidget* parent) : ControlWidget(control, parent)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        attach();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const auto& style = control().style();
        p.setPen(style.borderStyle == 0 ? QPen(Qt::NoPen) : QPen(toQColor(control().foreColor(), palette())));
        p.setBrush(style.fillStyle == 0 ? QBrush(toQColor(style.fillColor, palette())) : QBrush(Qt::NoBrush));
        const QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
        if (style.shape == platform::ShapeKind::Circle) {
            const qreal side = std::min(box.width(), box.height());
            p.drawEllipse(QRectF(box.center().x() - side / 2, box.center().y() - side / 2, side, side));
        } else {
            p.drawRect(box);
        }
    }
};

} // namespace

QWidget* newShapePeer(platform::Control& control, QWidget* parent) { return new ShapePeer(control, parent); }

} // namespace qtplatform

#include "ShapePeer.moc"
