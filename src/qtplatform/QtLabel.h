#pragma once

#include "platform/Peers.h"

#include <QWidget>

namespace platform {
class Control;
}

namespace qtplatform {

// A caption drawn on its container's surface: wrapped to its box, aligned, with an
// access key marked by "&" ("&&" is a literal ampersand), greyed when disabled.
class QtLabel : public QWidget, public platform::ControlPeer {
public:
    QtLabel(platform::Control& control, QWidget* parent);
    void propertyChanged(platform::Property property) override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void updateAccessKey();
    void focusNextInTabOrder();

    platform::Control& control_;
    QObject* shortcut_ = nullptr;
    bool pressed_ = false;
};

} // namespace qtplatform
