#pragma once

#include "Figures.h"

#include <xcb/xcb.h>

#include <sys/types.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace bench {

struct Rect {
    int x = 0, y = 0, width = 0, height = 0;
};

// A virtual X server (Xvfb) of the benchmark's own, with a connection that hears
// every top-level window being mapped. No window manager runs on it.
class VirtualDisplay {
public:
    VirtualDisplay();
    ~VirtualDisplay();
    VirtualDisplay(const VirtualDisplay&) = delete;
    VirtualDisplay& operator=(const VirtualDisplay&) = delete;

    const std::string& name() const { return name_; }

    struct Mapped {
        xcb_window_t window = 0;
        Clock::time_point when;
    };
    // Waits for the next top-level window that process pid maps; nothing on time-out.
    std::optional<Mapped> waitForMap(pid_t pid, Clock::duration timeout);
    // Drops the window events received so far.
    void drain();

    // The window's inner area in root coordinates.
    Rect geometry(xcb_window_t window);
    // The window's pixels as the server holds them.
    std::vector<std::uint8_t> image(xcb_window_t window);

private:
    pid_t windowPid(xcb_window_t window);
    pid_t server_ = -1;
    std::string name_;
    xcb_connection_t* connection_ = nullptr;
    xcb_window_t root_ = 0;
    xcb_atom_t pidAtom_ = 0;
};

} // namespace bench
