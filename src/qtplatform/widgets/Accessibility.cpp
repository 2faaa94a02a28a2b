#include "Accessibility.h"

#include "ControlWidget.h"
#include "FormWindowPeer.h"
#include "qtplatform/Conversions.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QTimer>
#include <QVariant>
#include <QWidget>

#include <algorithm>

namespace qtplatform {

using platform::AccessibleRole;
using platform::Control;
using platform::ControlKind;
using platform::Property;

namespace {

QAccessible::Role roleOf(const Control& control, const QWidget* widget)
{
    switch (control.style().accessibleRole) {
    case AccessibleRole::Button: return QAccessible::Button;
    case AccessibleRole::None: return QAccessible::NoRole;
    case AccessibleRole::Automatic: break;
    }
    switch (control.kind()) {
    case ControlKind::CommandButton: return QAccessible::Button;
    case ControlKind::Label: return QAccessible::StaticText;
    case ControlKind::PictureBox: {
        // One that holds controls is a pane of them.
        const QWidgetList children = widget->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        const bool holds = std::any_of(children.begin(), children.end(), [](QWidget* w) { return !w->isWindow(); });
        return holds ? QAccessible::Pane : QAccessible::Graphic;
    }
    default: return QAccessible::NoRole;
    }
}

// The children that assistive tools see.
QWidgetList exposedChildren(const QWidget* widget)
{
    QWidgetList children = widget->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    children.removeIf([](const QWidget* child) {
        if (child->isWindow() || child->isHidden())
            return true;
        const Control* control = controlOf(child);
        // A widget of Qt's own, such as the text box, keeps its own interface.
        return control && (!control->visible() || control->kind() == ControlKind::Shape ||
                           control->style().accessibleRole == AccessibleRole::None);
    });
    // Read in the layout's tab order; Qt's own widgets keep their place at the end.
    auto tabIndex = [](const QWidget* w) {
        const Control* control = controlOf(w);
        return control ? control->style().tabIndex : 1 << 20;
    };
    std::stable_sort(children.begin(), children.end(),
                     [&](QWidget* a, QWidget* b) { return tabIndex(a) < tabIndex(b); });
    return children;
}

// A window or a picture box that holds controls: only the controls a player can see.
class ContainerAccessible : public QAccessibleWidget {
public:
    using QAccessibleWidget::QAccessibleWidget;

    int childCount() const override { return static_cast<int>(exposedChildren(widget()).size()); }
    QAccessibleInterface* child(int index) const override
    {
        return QAccessible::queryAccessibleInterface(exposedChildren(widget()).value(index));
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child ? static_cast<int>(exposedChildren(widget()).indexOf(child->object())) : -1;
    }
};

// A painted button, caption, picture box or shape, read from its control. The
// control is looked up at each call: it is gone once its window has unloaded.
class ControlAccessible : public ContainerAccessible {
public:
    explicit ControlAccessible(QWidget* widget) : ContainerAccessible(widget) {}

    QAccessible::Role role() const override
    {
        const Control* c = control();
        return c ? roleOf(*c, widget()) : QAccessible::NoRole;
    }

    QString text(QAccessible::Text t) const override
    {
        const Control* c = control();
        if (!c)
            return {};
        switch (t) {
        // A word joiner (Chinese "Start") only keeps a caption's line whole; it is not read.
        case QAccessible::Name: return toQString(c->accessibleName()).remove(QChar(0x2060));
        case QAccessible::Description: return toQString(c->accessibleDescription());
        default: return ContainerAccessible::text(t);
        }
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = ContainerAccessible::state();
        if (const Control* c = control(); c && role() == QAccessible::Button) {
            s.pressed = c->pressed();
            s.checkable = c->style().checkable;
            s.checked = c->style().checkable && c->checked();
        }
        return s;
    }

    QStringList actionNames() const override
    {
        if (role() == QAccessible::Button)
            return {pressAction()};
        return ContainerAccessible::actionNames();
    }

    void doAction(const QString& name) override
    {
        // A press clicks later, on the event loop: a message box that the click opens
        // must not hold up the assistive tool's call until it is closed.
        if (Control* c = control(); c && role() == QAccessible::Button && name == pressAction())
            QTimer::singleShot(0, widget(), [c] { c->raiseFullClick(); });
        else
            ContainerAccessible::doAction(name);
    }

private:
    Control* control() const { return controlOf(widget()); }
};

// An address box with a drop-down list. Qt's own interface takes the typed text for
// the name on Linux, where a label is meant to name it; our caption is no Qt label.
class ComboBoxAccessible : public QAccessibleWidget {
public:
    explicit ComboBoxAccessible(QComboBox* combo) : QAccessibleWidget(combo, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return static_cast<QComboBox*>(widget())->currentText();
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override { return {showMenuAction()}; }
    void doAction(const QString& name) override
    {
        if (name == showMenuAction())
            static_cast<QComboBox*>(widget())->showPopup();
    }
};

QAccessibleInterface* factory(const QString&, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (auto* window = qobject_cast<FormWidget*>(widget))
        return new ContainerAccessible(window, QAccessible::Window);
    const Control* control = controlOf(widget);
    if (!control)
        return nullptr;
    switch (control->kind()) {
    case ControlKind::CommandButton:
    case ControlKind::Label:
    case ControlKind::PictureBox:
    case ControlKind::Shape: return new ControlAccessible(widget);
    case ControlKind::ComboBox: return new ComboBoxAccessible(static_cast<QComboBox*>(widget));
    default: return nullptr; // Qt's own interface: text boxes, toolbars, the document browser
    }
}

std::function<void(QAccessibleEvent*)> observer;

void send(QAccessibleEvent& event)
{
    if (observer)
        observer(&event);
    QAccessible::updateAccessibility(&event);
}

} // namespace

// Qt installs a factory once, however often it is given.
void installAccessibility() { QAccessible::installFactory(factory); }

void accessibleChanged(QWidget* widget, const Control& control, Property property)
{
    switch (property) {
    case Property::Picture: {
        // The quarry arriving on a light, or leaving it.
        const QString description = toQString(control.accessibleDescription());
        static const char* const sent = "glimmerkinDescription";
        if (widget->property(sent).toString() == description)
            return;
        widget->setProperty(sent, description);
        QAccessibleEvent event(widget, QAccessible::DescriptionChanged);
        send(event);
        break;
    }
    case Property::Caption:
        if (control.style().accessibleName.empty()) {
            QAccessibleEvent event(widget, QAccessible::NameChanged);
            send(event);
        }
        break;
    case Property::Pressed:
    case Property::Checked: {
        QAccessible::State changed;
        changed.pressed = property == Property::Pressed;
        changed.checked = property == Property::Checked;
        QAccessibleStateChangeEvent event(widget, changed);
        send(event);
        break;
    }
    default: break;
    }
}

void observeAccessibleEvents(std::function<void(QAccessibleEvent*)> events) { observer = std::move(events); }

} // namespace qtplatform
