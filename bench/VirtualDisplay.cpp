#include "VirtualDisplay.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <stdexcept>

extern char** environ;

namespace bench {

namespace {

struct FreeDeleter {
    void operator()(void* p) const { std::free(p); }
};
template<typename T>
using Reply = std::unique_ptr<T, FreeDeleter>;

} // namespace

VirtualDisplay::VirtualDisplay()
{
    // Xvfb picks a free display and writes its number to the pipe.
    int fds[2];
    if (pipe(fds) != 0)
        throw std::runtime_error("pipe failed");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], 3);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    std::string args[] = {"Xvfb", "-displayfd", "3", "-screen", "0", "1280x1024x24", "-nolisten", "tcp", "-noreset"};
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    const int spawned = posix_spawnp(&server_, "Xvfb", &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    if (spawned != 0) {
        close(fds[0]);
        server_ = -1;
        throw std::runtime_error("cannot start Xvfb (install the xvfb package)");
    }
    std::string number;
    char c;
    pollfd pfd{fds[0], POLLIN, 0};
    while (poll(&pfd, 1, 10000) > 0 && read(fds[0], &c, 1) == 1 && c != '\n')
        number += c;
    close(fds[0]);
    if (number.empty())
        throw std::runtime_error("Xvfb did not start");
    name_ = ":" + number;

    connection_ = xcb_connect(name_.c_str(), nullptr);
    if (xcb_connection_has_error(connection_))
        throw std::runtime_error("cannot connect to " + name_);
    root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &mask);
    Reply<xcb_intern_atom_reply_t> atom(
        xcb_intern_atom_reply(connection_, xcb_intern_atom(connection_, 0, 12, "_NET_WM_PID"), nullptr));
    if (atom)
        pidAtom_ = atom->atom;
    xcb_flush(connection_);
}

VirtualDisplay::~VirtualDisplay()
{
    if (connection_)
        xcb_disconnect(connection_);
    if (server_ > 0) {
        kill(server_, SIGTERM);
        waitpid(server_, nullptr, 0);
    }
}

pid_t VirtualDisplay::windowPid(xcb_window_t window)
{
    Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        connection_, xcb_get_property(connection_, 0, window, pidAtom_, XCB_ATOM_CARDINAL, 0, 1), nullptr));
    if (!reply || xcb_get_property_value_length(reply.get()) < 4)
        return -1;
    return static_cast<pid_t>(*static_cast<uint32_t*>(xcb_get_property_value(reply.get())));
}

std::optional<VirtualDisplay::Mapped> VirtualDisplay::waitForMap(pid_t pid, Clock::duration timeout)
{
    const auto deadline = Clock::now() + timeout;
    for (;;) {
        while (Reply<xcb_generic_event_t> event{xcb_poll_for_event(connection_)}) {
            if ((event->response_type & 0x7f) != XCB_MAP_NOTIFY)
                continue;
            const Clock::time_point when = Clock::now();
            auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event.get());
            if (map->event != root_ || map->override_redirect)
                continue;
            // Qt marks its windows with the process id; a window without one is
            // taken as the program's, since nothing else runs on this display.
            const pid_t owner = windowPid(map->window);
            if (owner == pid || owner < 0)
                return Mapped{map->window, when};
        }
        if (xcb_connection_has_error(connection_))
            throw std::runtime_error("lost the virtual display");
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0)
            return std::nullopt;
        pollfd pfd{xcb_get_file_descriptor(connection_), POLLIN, 0};
        poll(&pfd, 1, static_cast<int>(left));
    }
}

void VirtualDisplay::drain()
{
    Reply<xcb_get_input_focus_reply_t> sync(
        xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr));
    while (Reply<xcb_generic_event_t> event{xcb_poll_for_event(connection_)}) {}
}

Rect VirtualDisplay::geometry(xcb_window_t window)
{
    Rect rect;
    Reply<xcb_get_geometry_reply_t> geo(
        xcb_get_geometry_reply(connection_, xcb_get_geometry(connection_, window), nullptr));
    Reply<xcb_translate_coordinates_reply_t> at(xcb_translate_coordinates_reply(
        connection_, xcb_translate_coordinates(connection_, window, root_, 0, 0), nullptr));
    if (geo) {
        rect.width = geo->width;
        rect.height = geo->height;
    }
    if (at) {
        rect.x = at->dst_x;
        rect.y = at->dst_y;
    }
    return rect;
}

std::vector<std::uint8_t> VirtualDisplay::image(xcb_window_t window)
{
    const Rect rect = geometry(window);
    Reply<xcb_get_image_reply_t> reply(
        xcb_get_image_reply(connection_,
                            xcb_get_image(connection_, XCB_IMAGE_FORMAT_Z_PIXMAP, window, 0, 0,
                                          static_cast<uint16_t>(rect.width), static_cast<uint16_t>(rect.height), ~0u),
                            nullptr));
    if (!reply)
        return {};
    const uint8_t* data = xcb_get_image_data(reply.get());
    return {data, data + xcb_get_image_data_length(reply.get())};
}

} // namespace bench
