#pragma once

#include "platform/Control.h"

#include <QColor>
#include <QPoint>
#include <QRect>

class QMouseEvent;
class QPainter;
class QWidget;

namespace qtplatform {

// Width of the border that a control draws inside its own rectangle.
int borderWidth(const platform::Control& control);

// Top left of the inner area of a control's container, in the parent widget's pixels.
QPoint containerOrigin(const platform::Control& control);

// Applies the properties that every windowed control shares: geometry, enabled,
// visible, focus. Returns true if the property was one of those.
bool applyCommon(QWidget* widget, const platform::Control& control, platform::Property property);

// Sets every shared property at once, when the widget is created.
void applyAll(QWidget* widget, const platform::Control& control);

// The mouse buttons held down on one control. A click gives the control press, click,
// release, in that order: Qt reports the release first, so the release waits until the
// click's handler (message box included) has finished. A release goes to the control
// that the button was pressed on, and nowhere if the click unloaded its window.
class MouseClicks {
public:
    bool holds(Qt::MouseButton button) const { return held_.testFlag(button); }
    void press(platform::Control& control, Qt::MouseButton button);
    // The second press of a double-click, which the game does not handle: held, so
    // that its release is the control's, but neither a press nor a click.
    void doublePress(Qt::MouseButton button);
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

} // namespace qtplatform
