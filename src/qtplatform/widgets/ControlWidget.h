#pragma once

#include "Accessibility.h"
#include "platform/Control.h"
#include "platform/Peers.h"

#include <QColor>
#include <QRect>
#include <QWidget>

#include <functional>
#include <vector>

class QMouseEvent;
class QPainter;

namespace platform {
class ComboBox;
class Toolbar;
} // namespace platform

namespace qtplatform {

// Applies the properties that every windowed control shares: geometry, enabled,
// visible, font. Returns true if the property was one of those.
bool applyCommon(QWidget* widget, const platform::Control& control, platform::Property property);

// Names the widget after its control ("cmdLight_2" for one of an array) and sets every
// shared property at once, when the widget is created.
void applyAll(QWidget* widget, const platform::Control& control);

// What every control's widget is besides a widget: the peer of one control.
class ControlPeerBase : public platform::ControlPeer {
public:
    explicit ControlPeerBase(platform::Control& control) : control_(control) {}
    platform::Control& control() const { return control_; }

private:
    platform::Control& control_;
};

// The control that a widget of a loaded window shows; null for a widget of Qt's own
// (such as a combo box's text).
platform::Control* controlOf(const QWidget* widget);

// The widget of a control of kind `Model`, on the Qt widget class `QtBase`, with the
// arrow pointer of its own (the help window's surface has a cross-hair). A peer sets
// itself up and calls attach() last; a property that is not a shared one is told to
// assistive tools and goes to changed(), which repaints unless the peer handles it.
// Q_OBJECT is on each peer, as moc reads no templates.
template<class QtBase, class Model = platform::Control>
class ControlWidget : public QtBase, public ControlPeerBase {
public:
    Model& control() const { return static_cast<Model&>(ControlPeerBase::control()); }
    void propertyChanged(platform::Property property) override
    {
        if (applyCommon(this, control(), property))
            return;
        accessibleChanged(this, control(), property);
        changed(property);
    }

protected:
    ControlWidget(Model& control, QWidget* parent) : QtBase(parent), ControlPeerBase(control)
    {
        this->setCursor(Qt::ArrowCursor);
    }
    void attach()
    {
        applyAll(this, control());
        control().attach(this);
    }
    virtual void changed(platform::Property) { this->update(); }
};

// Each kind's widget, in a file of the peer's name (CommandButtonPeer.cpp and so on).
QWidget* newCommandButtonPeer(platform::Control& control, QWidget* parent);
QWidget* newLabelPeer(platform::Control& control, QWidget* parent);
QWidget* newTextBoxPeer(platform::Control& control, QWidget* parent);
QWidget* newPictureBoxPeer(platform::Control& control, QWidget* parent);
QWidget* newShapePeer(platform::Control& control, QWidget* parent);
QWidget* newComboBoxPeer(platform::ComboBox& control, QWidget* parent);
QWidget* newToolbarPeer(platform::Toolbar& control, QWidget* parent);

// Width of the border that a picture box, the one kind that holds controls, draws
// inside its own rectangle.
int borderWidth(const platform::Control& control);

// The mouse buttons held down on one control. A click gives the control press, click,
// release, in that order: Qt reports the release first, so the release waits until the
// click's handler (message box included) has finished. A release goes to the control
// that the button was pressed on, and nowhere if the click unloaded its window.
class MouseClicks {
public:
    bool holds(Qt::MouseButton button) const { return held_.testFlag(button); }
    // A press, or the second press of a double-click, which Qt's widgets hand to
    // mousePressEvent too. The game does not handle that one: held, so that its
    // release is the control's, but neither a press nor a click.
    void press(platform::Control& control, const QMouseEvent& event);
    // `widget` is the control's peer, the owner of this object.
    void release(QWidget* widget, platform::Control& control, const QMouseEvent& event);

private:
    Qt::MouseButtons held_;
    Qt::MouseButtons doubled_;
};

// One ring of a 3-D edge, `inset` pixels inside `box`: the top and left sides in one
// colour, the bottom and right in the other. Drawn as whole logical pixels, so that it
// covers exactly its own device pixels at any pixel ratio.
// Our own, not qDrawWinPanel: its one-device-pixel lines leave half of a ring unlit at ratio 2.
void drawEdgeRing(QPainter& painter, const QRect& box, int inset, const QColor& topLeft, const QColor& bottomRight);

// The controls that `takesFocus` accepts, in tab order: by tab index, and controls of
// the same index in their order on the form.
using TabStopFilter = std::function<bool(const platform::Control&)>;
std::vector<platform::Control*> inTabOrder(const std::vector<platform::Control*>& controls,
                                           const TabStopFilter& takesFocus);

// The first of them whose tab index is above `after`; null if there is none.
platform::Control* nextInTabOrder(const std::vector<platform::Control*>& controls, int after,
                                  const TabStopFilter& takesFocus);

} // namespace qtplatform
