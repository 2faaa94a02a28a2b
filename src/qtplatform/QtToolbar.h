#pragma once

#include "platform/Peers.h"

#include <QToolBar>

namespace platform {
class Toolbar;
}

namespace qtplatform {

// A toolbar of picture buttons, each with its key as tooltip.
class QtToolbar : public QToolBar, public platform::ControlPeer {
public:
    QtToolbar(platform::Toolbar& control, QWidget* parent);
    void propertyChanged(platform::Property property) override;

private:
    void rebuild();
    platform::Toolbar& control_;
};

} // namespace qtplatform
