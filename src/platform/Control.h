#pragma once

#include "Color.h"
#include "Font.h"
#include "Peers.h"
#include "Picture.h"

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace platform {

class Form;

enum class ControlKind {
    CommandButton,
    Label,
    TextBox,
    PictureBox,
    Shape,
    Timer,
    Browser,
    ComboBox,
    Toolbar,
    ImageList
};
enum class Alignment { Left, Right, Center };
enum class ShapeKind { Rectangle, Circle };

// What a control is to assistive tools. Automatic follows its kind: a button is a
// button, a caption is text, a picture box a picture (or a pane when it holds
// controls). None keeps a control out of their view altogether.
enum class AccessibleRole { Automatic, Button, None };

// Settings fixed by a window's layout; they do not change at run time.
struct ControlStyle {
    Alignment alignment = Alignment::Left;
    bool transparent = false; // a caption drawn without its back colour
    bool border = true; // a border round a text box or picture box
    bool flat = false; // flat look instead of the 3-D one
    bool graphical = false; // a button that shows its back colour and picture
    bool tabStop = true;
    int tabIndex = 0;
    ShapeKind shape = ShapeKind::Rectangle;
    int fillStyle = 1; // shapes: 0 solid, 1 transparent
    int borderStyle = 1; // shapes: 0 no outline, 1 solid
    Color fillColor = colors::Black;
    bool alignTop = false; // kept at the top edge, spanning the container's width
    int zOrder = 0; // place in the stacking order of its container, 0 on top
    AccessibleRole accessibleRole = AccessibleRole::Automatic;
    std::string accessibleName; // empty: the caption's words
    bool checkable = false; // a caption that shows a choice by its checked state
};

enum class MouseButton { Left = 1, Right = 2, Middle = 4 };

// A caption as it shows: "&x" marks x as the access key and shows as x, "&&" shows as one
// "&". If accessKey is given, it receives the byte offset in the result of the first
// access key, or -1 if there is none.
std::string plainCaption(const std::string& caption, int* accessKey = nullptr);

// A control of a window: its properties, as the platform layer keeps them, and its
// events. Setting a property updates the native peer, if the window is loaded.
class Control {
public:
    Control(Form& form, ControlKind kind, std::string name, int index = -1);
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control();

    Form& form() const { return form_; }
    ControlKind kind() const { return kind_; }
    const std::string& name() const { return name_; }
    int index() const { return index_; }
    Control* container() const { return container_; }

    float left() const { return left_; }
    float top() const { return top_; }
    float width() const { return width_; }
    float height() const { return height_; }
    void move(float left, float top);
    void setWidth(float width);
    void setHeight(float height);
    void setGeometry(float left, float top, float width, float height);

    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption);
    const std::string& text() const { return text_; }
    void setText(std::string text);
    Color backColor() const { return backColor_; }
    void setBackColor(Color color);
    Color foreColor() const { return foreColor_; }
    void setForeColor(Color color);
    const Picture& picture() const { return picture_; }
    void setPicture(Picture picture);
    bool enabled() const { return enabled_; }
    virtual void setEnabled(bool enabled);
    bool visible() const { return visible_; }
    void setVisible(bool visible);
    const Font& font() const { return font_; }
    void setFont(Font font);

    // Held down, by a key (see KeyClicks) or by the mouse over it: drawn pressed.
    bool pressed() const { return pressed_; }
    void setPressed(bool pressed);
    // The choice a checkable control shows; only assistive tools are told of it.
    bool checked() const { return checked_; }
    void setChecked(bool checked);
    // What assistive tools call the control: the layout's name for it, or else its
    // caption's words without access-key marks and surrounding spaces.
    std::string accessibleName() const;
    // What they say of it: the description of the picture it shows.
    const std::string& accessibleDescription() const { return picture_.description(); }

    ControlStyle& style() { return style_; }
    const ControlStyle& style() const { return style_; }
    void setContainer(Control* container) { container_ = container; }

    // Event handlers, set by the window that owns the control.
    std::function<void()> onClick;
    std::function<void(MouseButton)> onMouseDown;
    std::function<void(MouseButton)> onMouseUp;
    std::function<void(std::int16_t& keyAscii)> onKeyPress;

    // Entry points for the user's input, raised by the native peer (or by a test).
    // Input reaches a handler only on a loaded, visible and enabled control and
    // never while a modal message box is open.
    void raiseClick();
    void raiseMouseDown(MouseButton button = MouseButton::Left);
    void raiseMouseUp(MouseButton button = MouseButton::Left);
    void raiseKeyPress(std::int16_t keyAscii);
    // A whole click as the mouse gives it, for assistive tools: the press, the
    // click, then the release once the click's handler has finished.
    void raiseFullClick();
    // Whether input reaches the control's handlers now.
    bool acceptsInput() const;

    // Called by the form when it loads and unloads.
    virtual void attach(ControlPeer* peer);
    virtual void detach();
    ControlPeer* peer() const { return peer_; }

protected:
    void notify(Property property);
    // Runs an input handler through the dispatcher if the control takes input now.
    void raiseInput(const std::function<void()>& handler);

private:
    Form& form_;
    ControlKind kind_;
    std::string name_;
    int index_;
    Control* container_ = nullptr;
    float left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    std::string caption_;
    std::string text_;
    Color backColor_ = colors::ButtonFace;
    Color foreColor_ = colors::ButtonText;
    Picture picture_;
    bool enabled_ = true;
    bool visible_ = true;
    bool pressed_ = false;
    bool checked_ = false;
    Font font_;
    ControlStyle style_;
    ControlPeer* peer_ = nullptr;
};

} // namespace platform
