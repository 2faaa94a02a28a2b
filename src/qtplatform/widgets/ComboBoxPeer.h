#pragma once

#include "platform/ComboBox.h"
#include "platform/Peers.h"

#include <QComboBox>

namespace platform {
class ComboBox;
}

namespace qtplatform {

// An editable text with a drop-down list. Choosing an entry raises Click; every key
// typed into the text raises KeyPress, Enter as keys::Return.
class ComboBoxPeer : public QComboBox, public platform::ControlPeer {
    Q_OBJECT
public:
    ComboBoxPeer(platform::ComboBox& control, QWidget* parent);
    void propertyChanged(platform::Property property) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void reloadItems();
    // Hands the typed text to the control.
    void syncText();
    // Raises KeyPress keys::Return for Enter and returns true; false for any other key.
    bool enterPressed(const QKeyEvent* key);
    // Raises KeyPress for a key with a 7-bit character.
    void typed(const QKeyEvent* key);
    platform::ComboBox& control_;
    bool updating_ = false;
};

} // namespace qtplatform
