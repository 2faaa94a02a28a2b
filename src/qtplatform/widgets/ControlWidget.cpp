#include "ControlWidget.h"

#include "FormWindowPeer.h"
#include "qtplatform/Conversions.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

#include <algorithm>

namespace qtplatform {

using platform::Control;
using platform::Property;

int borderWidth(const Control& control)
{
    if (!control.style().border)
        return 0;
    return control.style().flat ? 1 : 2;
}

bool applyCommon(QWidget* widget, const Control& control, Property property)
{
    switch (property) {
    case Property::Geometry: {
        // Places inside a container are measured from inside its border.
        const int origin = control.container() ? borderWidth(*control.container()) : 0;
        const int width = std::max(0, toPixels(control.width()));
        int left = origin + toPixels(control.left());
        // In a window that runs right to left, the left edge is measured from the right.
        if (widget->isRightToLeft() && widget->parentWidget())
            left = widget->parentWidget()->width() - left - width;
        widget->setGeometry(left, origin + toPixels(control.top()), width, std::max(0, toPixels(control.height())));
        return true;
    }
    case Property::Enabled: widget->setEnabled(control.enabled()); return true; // Qt repaints it
    case Property::Visible: widget->setVisible(control.visible()); return true;
    case Property::Font: widget->setFont(toQFont(control.font())); return true;
    default: return false;
    }
}

void applyAll(QWidget* widget, const Control& control)
{
    widget->setObjectName(
        toQString(control.index() >= 0 ? control.name() + "_" + std::to_string(control.index()) : control.name()));
    for (const Property property : {Property::Geometry, Property::Enabled, Property::Font, Property::Visible})
        applyCommon(widget, control, property);
    // Only where there is a name: setting one makes Qt build the widget's interface.
    if (const std::string name = control.accessibleName(); !name.empty())
        widget->setAccessibleName(toQString(name));
}

Control* controlOf(const QWidget* widget)
{
    const auto* peer = dynamic_cast<const ControlPeerBase*>(widget);
    const auto* window = peer ? qobject_cast<const FormWidget*>(widget->window()) : nullptr;
    // Once its window has unloaded, a widget's control may be gone.
    return window && window->form() ? &peer->control() : nullptr;
}

namespace {

platform::MouseButton toMouseButton(Qt::MouseButton button)
{
    switch (button) {
    case Qt::RightButton: return platform::MouseButton::Right;
    case Qt::MiddleButton: return platform::MouseButton::Middle;
    default: return platform::MouseButton::Left;
    }
}

} // namespace

void MouseClicks::press(Control& control, const QMouseEvent& event)
{
    held_ |= event.button();
    if (event.type() == QEvent::MouseButtonDblClick)
        doubled_ |= event.button();
    else
        control.raiseMouseDown(toMouseButton(event.button()));
}

void MouseClicks::release(QWidget* widget, Control& control, const QMouseEvent& event)
{
    const Qt::MouseButton button = event.button();
    const bool wasHeld = held_.testFlag(button);
    const bool doubled = doubled_.testFlag(button);
    held_ &= ~button;
    doubled_ &= ~button;
    const bool clicked =
        wasHeld && !doubled && button == Qt::LeftButton && widget->rect().contains(event.position().toPoint());
    // The click's handler may unload the window and delete the widget, and this with it.
    const QPointer<QWidget> alive(widget);
    if (clicked)
        control.raiseClick();
    if (alive && wasHeld)
        control.raiseMouseUp(toMouseButton(button));
}

void drawEdgeRing(QPainter& painter, const QRect& box, int inset, const QColor& topLeft, const QColor& bottomRight)
{
    const QRect r = box.adjusted(inset, inset, -inset, -inset);
    if (r.width() < 1 || r.height() < 1)
        return;
    painter.fillRect(QRect(r.left(), r.top(), r.width() - 1, 1), topLeft);
    painter.fillRect(QRect(r.left(), r.top(), 1, r.height() - 1), topLeft);
    painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), bottomRight);
    painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), bottomRight);
}

std::vector<Control*> inTabOrder(const std::vector<Control*>& controls, const TabStopFilter& takesFocus)
{
    std::vector<Control*> ordered;
    std::copy_if(controls.begin(), controls.end(), std::back_inserter(ordered),
                 [&](Control* c) { return takesFocus(*c); });
    std::stable_sort(ordered.begin(), ordered.end(),
                     [](Control* a, Control* b) { return a->style().tabIndex < b->style().tabIndex; });
    return ordered;
}

Control* nextInTabOrder(const std::vector<Control*>& controls, int after, const TabStopFilter& takesFocus)
{
    for (Control* control : inTabOrder(controls, takesFocus))
        if (control->style().tabIndex > after)
            return control;
    return nullptr;
}

} // namespace qtplatform
