// Milliseconds from starting a program to its window with a given title being
// mapped on the X server. The time is taken when the server's own MapNotify
// event arrives, so nothing polls the server while the program starts: the
// measurement takes no processor time from the program it measures.
// Usage: time_to_window <title> <program> [arguments...]
// Prints the milliseconds; the program is stopped once its window is shown.
// Watches the top-level windows of a bare X server (no window manager, which
// would put the window inside a frame of its own).

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>
#include <xcb/xcb.h>

extern char **environ;

namespace {

double nowMs()
{
    timespec ts {};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
}

struct FreeDeleter
{
    void operator()(void *p) const { std::free(p); }
};

xcb_atom_t atom(xcb_connection_t *c, const char *name)
{
    const std::unique_ptr<xcb_intern_atom_reply_t, FreeDeleter> reply(xcb_intern_atom_reply(
        c, xcb_intern_atom(c, 0, uint16_t(std::strlen(name)), name), nullptr));
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

std::string property(xcb_connection_t *c, xcb_window_t window, xcb_atom_t name)
{
    const std::unique_ptr<xcb_get_property_reply_t, FreeDeleter> reply(xcb_get_property_reply(
        c, xcb_get_property(c, 0, window, name, XCB_GET_PROPERTY_TYPE_ANY, 0, 1024), nullptr));
    if (!reply)
        return {};
    return { static_cast<const char *>(xcb_get_property_value(reply.get())),
             size_t(xcb_get_property_value_length(reply.get())) };
}

void stop(pid_t child)
{
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: time_to_window <title> <program> [arguments...]\n");
        return 2;
    }
    const std::string title = argv[1];
    xcb_connection_t *c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "time_to_window: cannot open the display\n");
        return 1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &mask);
    const xcb_atom_t netWmName = atom(c, "_NET_WM_NAME"); // also waits for the mask to be set

    pid_t child = 0;
    const double start = nowMs();
    if (posix_spawn(&child, argv[2], nullptr, nullptr, argv + 2, environ) != 0) {
        std::fprintf(stderr, "time_to_window: cannot start %s\n", argv[2]);
        return 1;
    }
    pollfd server { xcb_get_file_descriptor(c), POLLIN, 0 };
    for (;;) {
        while (xcb_generic_event_t *event = xcb_poll_for_event(c)) {
            const std::unique_ptr<xcb_generic_event_t, FreeDeleter> owned(event);
            if ((event->response_type & 0x7f) != XCB_MAP_NOTIFY)
                continue;
            const double shown = nowMs();
            const xcb_window_t window = reinterpret_cast<xcb_map_notify_event_t *>(event)->window;
            if (property(c, window, netWmName) == title
                || property(c, window, XCB_ATOM_WM_NAME) == title) {
                std::printf("%.1f\n", shown - start);
                stop(child);
                xcb_disconnect(c);
                return 0;
            }
        }
        if (xcb_connection_has_error(c) || waitpid(child, nullptr, WNOHANG) == child
            || nowMs() - start > 20000) {
            std::fprintf(stderr, "time_to_window: no window \"%s\" from %s\n", title.c_str(),
                         argv[2]);
            if (waitpid(child, nullptr, WNOHANG) == 0)
                stop(child);
            return 1;
        }
        poll(&server, 1, 100);
    }
}
