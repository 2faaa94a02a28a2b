#include "LayoutSupport.h"

namespace ui {

using namespace platform;

void resetControl(Control& c, float left, float top, float width, float height, int zOrder, int tabIndex)
{
    c.setGeometry(left, top, width, height);
    c.setCaption({});
    c.setText({});
    c.setPicture({});
    c.setEnabled(true);
    c.setVisible(true);
    c.setFont(Font{});
    c.setBackColor(colors::ButtonFace);
    c.setForeColor(colors::ButtonText);
    c.style() = ControlStyle{};
    c.style().zOrder = zOrder;
    c.style().tabIndex = tabIndex;
}

} // namespace ui
