#pragma once

#include <string>

// The native side of the forms runtime. The platform layer owns the model of every
// window and control; a peer is the native object that shows it. Peers are created
// when a window loads and destroyed when it unloads.

namespace platform {

class Control;
class Form;

enum class Property {
    Geometry,
    Caption,
    Text,
    BackColor,
    ForeColor,
    Picture,
    Enabled,
    Visible,
    Font,
    ListItems,
    Pressed,
    Checked,
};

class ControlPeer {
public:
    virtual ~ControlPeer() = default;
    virtual void propertyChanged(Property property) = 0;
};

class WindowPeer {
public:
    virtual ~WindowPeer() = default;
    virtual void show() = 0;
    virtual void captionChanged() = 0;
    // Inner size of the window in twips.
    virtual float clientWidth() const = 0;
    virtual float clientHeight() const = 0;
};

class TimerPeer {
public:
    virtual ~TimerPeer() = default;
    // Starts the count afresh: the first tick comes one full interval from now,
    // and the timer goes on ticking at that interval until disarmed.
    virtual void arm(int intervalMs) = 0;
    virtual void disarm() = 0;
};

class BrowserPeer {
public:
    virtual ~BrowserPeer() = default;
    virtual void navigate(const std::string& address) = 0;
    virtual void goBack() = 0;
    virtual void goForward() = 0;
    virtual void refresh() = 0;
    virtual void stop() = 0;
    virtual bool busy() const = 0;
    virtual std::string locationName() const = 0;
    virtual std::string locationUrl() const = 0;
};

// Plays one sound file at a time for a media browser; play() always restarts.
class AudioOutput {
public:
    virtual ~AudioOutput() = default;
    virtual void play(const std::string& soundFile, bool loop) = 0;
    virtual void stop() = 0;
};

} // namespace platform
