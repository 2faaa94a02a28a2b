#include "KeyForwarding.h"

#include "FormWindowPeer.h"
#include "platform/Form.h"

#include <QKeyEvent>
#include <QPointer>
#include <QWindow>

namespace qtplatform {

namespace keys = platform::keys;

std::optional<platform::KeyEvent> toKeyEvent(const QKeyEvent& event)
{
    const int key = event.key();
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    auto code = [](int base, int offset) { return static_cast<std::int16_t>(base + offset); };
    std::int16_t keyCode = 0;
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        keyCode = code(modifiers.testFlag(Qt::KeypadModifier) ? keys::Numpad0 : keys::Digit0, key - Qt::Key_0);
    else if (key >= Qt::Key_A && key <= Qt::Key_Z)
        keyCode = code(keys::A, key - Qt::Key_A);
    else if (key >= Qt::Key_F1 && key <= Qt::Key_F12)
        keyCode = code(keys::F1, key - Qt::Key_F1);
    else {
        switch (key) {
        case Qt::Key_Return:
        case Qt::Key_Enter: keyCode = keys::Return; break;
        case Qt::Key_Escape: keyCode = keys::Escape; break;
        case Qt::Key_Space: keyCode = keys::Space; break;
        case Qt::Key_Home: keyCode = keys::Home; break;
        case Qt::Key_Left: keyCode = keys::Left; break;
        case Qt::Key_Up: keyCode = keys::Up; break;
        case Qt::Key_Right: keyCode = keys::Right; break;
        case Qt::Key_Down: keyCode = keys::Down; break;
        default: return std::nullopt;
        }
    }
    std::int16_t shift = 0;
    if (modifiers.testFlag(Qt::ShiftModifier))
        shift |= keys::ShiftMask;
    if (modifiers.testFlag(Qt::ControlModifier))
        shift |= keys::CtrlMask;
    if (modifiers.testFlag(Qt::AltModifier))
        shift |= keys::AltMask;
    return platform::KeyEvent{keyCode, shift, event.isAutoRepeat()};
}

namespace {

// On the native window, which receives every key before the widget with the focus.
class KeyForwarder : public QObject {
    Q_OBJECT

public:
    explicit KeyForwarder(FormWidget* window) : QObject(window->windowHandle()), window_(window) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // Null once the window is being destroyed, while its native window still
        // delivers the focus change: the form must not be reached then.
        auto* window = qobject_cast<FormWidget*>(window_.data());
        if (!window || watched != parent())
            return false;
        platform::Form* form = window->form();
        if (!form)
            return false;
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease: {
            const auto key = toKeyEvent(*static_cast<QKeyEvent*>(event));
            if (!key)
                return false;
            const platform::Control* focus = nullptr;
            for (QWidget* w = window->focusWidget(); w && w != window && !focus; w = w->parentWidget())
                focus = FormWidget::controlOf(w);
            return event->type() == QEvent::KeyPress ? form->raiseKeyDown(*key, focus) : form->raiseKeyUp(*key, focus);
        }
        case QEvent::FocusOut: form->raiseKeyboardLost(); return false;
        default: return false;
        }
    }

private:
    QPointer<QWidget> window_;
};

} // namespace

void forwardKeys(FormWidget* window)
{
    QWindow* native = window->windowHandle();
    if (!native)
        return;
    native->installEventFilter(new KeyForwarder(window));
}

} // namespace qtplatform

#include "KeyForwarding.moc"
