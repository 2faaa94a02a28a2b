#pragma once

#include "platform/Peers.h"

#include <QLineEdit>

namespace platform {
class Control;
}

namespace qtplatform {

// A one-line text box; what the user types goes back into the control's Text.
class TextBoxPeer : public QLineEdit, public platform::ControlPeer {
    Q_OBJECT
public:
    TextBoxPeer(platform::Control& control, QWidget* parent);
    void propertyChanged(platform::Property property) override;

private:
    void applyColors();
    platform::Control& control_;
    bool updating_ = false;
};

} // namespace qtplatform
