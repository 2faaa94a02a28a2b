#pragma once

#include "platform/Peers.h"

#include <QWidget>

namespace platform {
class Control;
}

namespace qtplatform {

// A shape drawn on its container's surface. It takes no input: clicks reach the container.
class ShapePeer : public QWidget, public platform::ControlPeer {
    Q_OBJECT
public:
    ShapePeer(platform::Control& control, QWidget* parent);
    void propertyChanged(platform::Property property) override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    platform::Control& control_;
};

} // namespace qtplatform
