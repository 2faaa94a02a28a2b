#pragma once

#include <functional>

class QAccessibleEvent;
class QWidget;

namespace platform {
class Control;
enum class Property;
} // namespace platform

namespace qtplatform {

// Makes the painted controls readable and usable through Qt's accessibility (AT-SPI
// on Linux): their names, roles and states, the description of the picture a button
// shows, and the "Press" action of buttons and clickable captions. Hidden controls,
// and those whose layout keeps them out, are left out of their window's children.
// Safe to call more than once.
void installAccessibility();

// Tells assistive tools of a change to a property that they read from the control.
void accessibleChanged(QWidget* widget, const platform::Control& control, platform::Property property);

// Also hands every event that accessibleChanged sends to an observer. Qt drops the
// events while no assistive tool listens, and on platforms without one (offscreen),
// so this is how tests there hear them. An empty function removes the observer.
void observeAccessibleEvents(std::function<void(QAccessibleEvent*)> observer);

} // namespace qtplatform
