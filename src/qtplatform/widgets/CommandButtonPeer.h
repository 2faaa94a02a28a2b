#pragma once

#include "PeerSupport.h"
#include "platform/Peers.h"

#include <QAbstractButton>

namespace platform {
class Control;
}

namespace qtplatform {

// A classic raised button, painted by us so that its back colour is exact under every
// desktop style: 3-D bevel, back colour, centred picture, sunken while its control is pressed.
class CommandButtonPeer : public QAbstractButton, public platform::ControlPeer {
    Q_OBJECT
public:
    CommandButtonPeer(platform::Control& control, QWidget* parent);
    void propertyChanged(platform::Property property) override;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    platform::Control& control_;
    MouseClicks clicks_;
};

} // namespace qtplatform
