#pragma once

#include "platform/Control.h"

namespace ui {

// Puts a control back to the defaults of its kind at the given place in twips, with
// its place in the stacking order (0 on top) and its tab index. Each window's layout
// starts every control from here, at every load.
void resetControl(platform::Control& control, float left, float top, float width, float height, int zOrder,
                  int tabIndex);

} // namespace ui
