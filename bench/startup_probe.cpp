// Starts a program on the X display of $DISPLAY and times, from just before the exec: the
// mapping of its window, the first frame drawn into it (its first damage, as the window has
// no background of its own), the finished frame (the last drawing before the window stays
// unchanged for 150 ms, what the user sees), and, once it has been idle a while, the time
// from a click on "Uscita" to the process's exit. Prints
// "map_ms frame_ms finished_ms exit_ms peak_rss_kb cpu_ms" on one line; the CPU time is the
// program's, user and system, over its whole run.
//
// startup_probe PROGRAM [ARGS...]
#include "window/layout.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <poll.h>
#include <spawn.h>
#include <string_view>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <xcb/damage.h>
#include <xcb/xcb.h>
#include <xcb/xtest.h>

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

[[noreturn]] void fail(const char *what)
{
    std::fprintf(stderr, "startup_probe: %s\n", what);
    std::exit(1);
}

struct Free {
    void operator()(void *p) const { std::free(p); }
};
template<typename T>
using Reply = std::unique_ptr<T, Free>;

// The centre of "Uscita", in the window's pixels.
std::pair<int, int> exitButtonCentre()
{
    const window::Control &exit = window::layoutTable[window::row::CmdUscita];
    return { window::toPixels(exit.left + exit.width / 2),
        window::toPixels(exit.top + exit.height / 2) };
}

void click(xcb_connection_t *connection, xcb_window_t root, int x, int y)
{
    xcb_test_fake_input(connection, XCB_MOTION_NOTIFY, 0, XCB_CURRENT_TIME, root,
        static_cast<int16_t>(x), static_cast<int16_t>(y), 0);
    xcb_test_fake_input(connection, XCB_BUTTON_PRESS, 1, XCB_CURRENT_TIME, root, 0, 0, 0);
    xcb_test_fake_input(connection, XCB_BUTTON_RELEASE, 1, XCB_CURRENT_TIME, root, 0, 0, 0);
    xcb_flush(connection);
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 2)
        fail("usage: startup_probe PROGRAM [ARGS...]");
    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection))
        fail("cannot open the display");
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const xcb_query_extension_reply_t *damageExtension
        = xcb_get_extension_data(connection, &xcb_damage_id);
    if (!damageExtension || !damageExtension->present)
        fail("the display has no DAMAGE extension");
    const Reply<xcb_damage_query_version_reply_t> version(xcb_damage_query_version_reply(
        connection, xcb_damage_query_version(connection, 1, 1), nullptr));
    if (!version)
        fail("the display's DAMAGE extension does not answer");
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection);

    const Clock::time_point start = Clock::now();
    pid_t child = 0;
    if (posix_spawn(&child, argv[1], nullptr, nullptr, argv + 1, environ) != 0)
        fail("cannot start the program");

    // Every top-level window the program creates is watched for damage from its creation on,
    // so that no frame drawn right after the mapping is missed. Each report is acknowledged,
    // so that the next drawing is reported too.
    xcb_window_t mapped = XCB_NONE;
    double mapMs = -1, frameMs = -1, lastDrawnMs = -1;
    constexpr double quietMs = 150;
    for (;;) {
        Reply<xcb_generic_event_t> event(xcb_poll_for_event(connection));
        if (!event) {
            if (xcb_connection_has_error(connection))
                fail("lost the display");
            // Before the first frame, wait as long as it takes; after it, until the window has
            // stayed unchanged for 150 ms.
            int timeout = -1;
            if (lastDrawnMs >= 0) {
                const double quietFor = millisecondsSince(start) - lastDrawnMs;
                if (quietFor >= quietMs)
                    break;
                timeout = static_cast<int>(quietMs - quietFor) + 1;
            }
            pollfd display { xcb_get_file_descriptor(connection), POLLIN, 0 };
            poll(&display, 1, timeout);
            continue;
        }
        const uint8_t type = event->response_type & 0x7f;
        if (type == XCB_CREATE_NOTIFY) {
            const auto *created = reinterpret_cast<xcb_create_notify_event_t *>(event.get());
            xcb_damage_create(connection, xcb_generate_id(connection), created->window,
                XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
            xcb_flush(connection);
        } else if (type == XCB_MAP_NOTIFY && mapped == XCB_NONE) {
            mapped = reinterpret_cast<xcb_map_notify_event_t *>(event.get())->window;
            mapMs = millisecondsSince(start);
        } else if (type == damageExtension->first_event + XCB_DAMAGE_NOTIFY) {
            // Acknowledged, so that the next drawing is reported too.
            const auto *damaged = reinterpret_cast<xcb_damage_notify_event_t *>(event.get());
            xcb_damage_subtract(connection, damaged->damage, XCB_NONE, XCB_NONE);
            xcb_flush(connection);
            if (mapped != XCB_NONE && damaged->drawable == mapped) {
                lastDrawnMs = millisecondsSince(start);
                frameMs = frameMs < 0 ? lastDrawnMs : frameMs;
            }
        }
    }

    // Let the program settle, as a user would take a moment before the click.
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    Reply<xcb_translate_coordinates_reply_t> origin(xcb_translate_coordinates_reply(
        connection, xcb_translate_coordinates(connection, mapped, root, 0, 0), nullptr));
    if (!origin)
        fail("the window went away");
    const auto [x, y] = exitButtonCentre();
    const Clock::time_point clicked = Clock::now();
    click(connection, root, origin->dst_x + x, origin->dst_y + y);

    int status = 0;
    rusage usage {};
    if (wait4(child, &status, 0, &usage) != child)
        fail("lost the program");
    const double exitMs = millisecondsSince(clicked);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        fail("the program did not exit with 0");

    const auto milliseconds = [](timeval t) {
        return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_usec) / 1e3;
    };
    std::printf("%.2f %.2f %.2f %.2f %ld %.2f\n", mapMs, frameMs, lastDrawnMs, exitMs,
        usage.ru_maxrss, milliseconds(usage.ru_utime) + milliseconds(usage.ru_stime));
    xcb_disconnect(connection);
    return 0;
}
