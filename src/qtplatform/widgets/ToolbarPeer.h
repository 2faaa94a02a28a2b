#pragma once

#include "platform/Peers.h"
#include "platform/Toolbar.h"

#include <QIcon>
#include <QList>
#include <QToolBar>

namespace platform {
class Toolbar;
}

namespace qtplatform {

// A toolbar of picture buttons, each with its key as tooltip.
class ToolbarPeer : public QToolBar, public platform::ControlPeer {
    Q_OBJECT
public:
    ToolbarPeer(platform::Toolbar& control, QWidget* parent);
    void propertyChanged(platform::Property property) override;
    // The toolbar's image list, in the order of the control's images.
    const QList<QIcon>& imageList() const { return imageList_; }

private:
    void rebuild();
    platform::Toolbar& control_;
    QList<QIcon> imageList_;
};

} // namespace qtplatform
