#pragma once

#include "platform/Peers.h"

#include <QWidget>

namespace platform {
class Control;
}

namespace qtplatform {

// A picture box: back colour, its picture at the top left of the inner area, and a
// 3-D or flat border. Controls it contains are its child widgets.
class PictureBoxPeer : public QWidget, public platform::ControlPeer {
    Q_OBJECT
public:
    PictureBoxPeer(platform::Control& control, QWidget* parent);
    void propertyChanged(platform::Property property) override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    platform::Control& control_;
};

} // namespace qtplatform
