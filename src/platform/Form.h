#pragma once

#include "Control.h"
#include "Keyboard.h"
#include "Peers.h"

#include <memory>
#include <string>
#include <vector>

namespace platform {

class Runtime;

enum class BorderStyle { None, FixedSingle, Sizable, FixedDialog };

// Why a window is asked to close.
enum class CloseReason { CloseBox = 0, Code = 1, SessionEnd = 2, TaskManager = 3 };

struct FormStyle {
    BorderStyle border = BorderStyle::Sizable;
    bool minButton = true;
    bool maxButton = true;
    bool showInTaskbar = true;
    bool centered = true;
    bool crossCursor = false; // a cross-hair pointer over the window's own surface
    // Laid out mirrored, right to left, when the player's language runs that way. A
    // window whose picture is the game keeps its places in every language.
    bool mirroredRightToLeft = false;
    float clientWidth = 0; // twips
    float clientHeight = 0; // twips
    Picture icon;
    Color backColor = colors::ButtonFace;
};

// A window class with exactly one instance for the whole run. Showing a window that
// is not loaded loads it first: the layout is built afresh and Form_Load runs to its
// end before the show returns. Unloading destroys the native window and every
// control's peer; timers stop and browsers close with it.
class Form {
public:
    Form(Runtime& runtime, std::string className);
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;
    virtual ~Form();

    Runtime& runtime() const { return runtime_; }
    const std::string& className() const { return className_; }

    void show();
    void unload();
    bool isLoaded() const { return loaded_; }
    bool isVisible() const { return visible_; }

    // The native window, while the window is loaded.
    WindowPeer* peer() const { return peer_.get(); }

    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption);
    float scaleWidth() const;
    float scaleHeight() const;

    const FormStyle& style() const { return style_; }
    FormStyle& style() { return style_; }
    // Every control in stacking order from the top down; contained controls follow
    // the controls of the window itself.
    const std::vector<Control*>& controls() const { return controls_; }
    Control* findControl(const std::string& name, int index = -1) const;

    // A close request from the user, the window manager or the session. Runs
    // Form_QueryUnload and unloads the window unless it cancels.
    void requestClose(CloseReason reason);
    // Raised by the window peer when the inner size has changed.
    void raiseResize();
    // Raised by the window peer for the keys pressed and released while the window
    // has the keyboard, whichever of its controls has the focus (`focus`, or null
    // for the window itself). True if the window used the key, which then goes no
    // further.
    bool raiseKeyDown(const KeyEvent& key, const Control* focus);
    bool raiseKeyUp(const KeyEvent& key, const Control* focus);
    // Raised when the window has lost the keyboard: keys held down will not report
    // their release to it.
    void raiseKeyboardLost();

    // Window events. Form_Load runs at every load.
    virtual void Form_Load() {}
    virtual void Form_Resize() {}
    virtual void Form_QueryUnload(int& cancel, int unloadMode)
    {
        (void)cancel;
        (void)unloadMode;
    }
    // Keyboard events of the whole window; by default the window uses no key.
    virtual bool Form_KeyDown(const KeyEvent& key, const Control* focus);
    virtual bool Form_KeyUp(const KeyEvent& key, const Control* focus);
    virtual void Form_KeyboardLost() {}

    // Used by the Control constructor.
    void registerControl(Control& control);
    void unregisterControl(Control& control);

protected:
    // Builds the window's settings and every control's laid-out properties. Runs at
    // each load, before the native window exists and before Form_Load.
    virtual void layout() = 0;

private:
    void load();
    Runtime& runtime_;
    std::string className_;
    std::string caption_;
    FormStyle style_;
    std::vector<Control*> controls_;
    std::unique_ptr<WindowPeer> peer_;
    bool loaded_ = false;
    bool loading_ = false;
    bool visible_ = false;
};

} // namespace platform
