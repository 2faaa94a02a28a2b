#pragma once

#include "platform/Control.h"

#include <QPoint>

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

platform::MouseButton toMouseButton(int qtButton);

} // namespace qtplatform
