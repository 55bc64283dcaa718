// Times one start of a program on an X display: from the moment it is executed to the first drawing
// into its top-level window of the given title, as the X server sees it, which is what a user sees.
// Watching from outside needs nothing of the program, so Scrivlet and the bare Qt program are timed
// alike. Prints the milliseconds and ends the program.
//
// Usage: startup_clock TITLE PROGRAM [ARGUMENTS...]   (on the display DISPLAY names)

#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <unordered_map>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int GiveUpMilliseconds = 30000;

int fail(const char* message) {
    std::fprintf(stderr, "startup_clock: %s\n", message);
    return 2;
}

std::string titleOf(xcb_connection_t* x, xcb_window_t window) {
    const xcb_get_property_cookie_t cookie =
        xcb_get_property(x, 0, window, XCB_ATOM_WM_NAME, XCB_GET_PROPERTY_TYPE_ANY, 0, 1024);
    std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
        xcb_get_property_reply(x, cookie, nullptr), &std::free);
    if (!reply)
        return {};
    return {static_cast<const char*>(xcb_get_property_value(reply.get())),
            static_cast<std::size_t>(xcb_get_property_value_length(reply.get()))};
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 3)
        return fail("usage: startup_clock TITLE PROGRAM [ARGUMENTS...]");
    const std::string title = argv[1];
    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x))
        return fail("no X display");
    const xcb_query_extension_reply_t* damage = xcb_get_extension_data(x, &xcb_damage_id);
    if (damage == nullptr || !damage->present)
        return fail("the X server has no Damage extension");
    std::free(xcb_damage_query_version_reply(x, xcb_damage_query_version(x, 1, 1), nullptr));

    // Every top-level window is watched from its creation, before the program can draw into it.
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, root, XCB_CW_EVENT_MASK, &mask);
    std::free(xcb_get_input_focus_reply(x, xcb_get_input_focus(x), nullptr));

    const Clock::time_point start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        // What the program prints is not what is measured.
        const int nothing = open("/dev/null", O_WRONLY);
        dup2(nothing, STDOUT_FILENO);
        dup2(nothing, STDERR_FILENO);
        execvp(argv[2], argv + 2);
        _exit(127);
    }
    if (child < 0)
        return fail("could not start the program");

    std::unordered_map<xcb_drawable_t, xcb_damage_damage_t> watched;
    double milliseconds = -1;
    bool ended = false;
    pollfd connection{xcb_get_file_descriptor(x), POLLIN, 0};
    while (milliseconds < 0) {
        xcb_generic_event_t* event = xcb_poll_for_event(x);
        if (event == nullptr) {
            const auto waited = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start);
            ended = waitpid(child, nullptr, WNOHANG) == child;
            if (ended || xcb_connection_has_error(x) || waited.count() > GiveUpMilliseconds)
                break;
            poll(&connection, 1, 100);
            continue;
        }
        const uint8_t type = event->response_type & 0x7f;
        if (type == XCB_CREATE_NOTIFY) {
            const xcb_window_t window = reinterpret_cast<xcb_create_notify_event_t*>(event)->window;
            const xcb_damage_damage_t id = xcb_generate_id(x);
            xcb_damage_create(x, id, window, XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
            watched[window] = id;
            xcb_flush(x);
        } else if (type == damage->first_event + XCB_DAMAGE_NOTIFY) {
            const auto* notify = reinterpret_cast<xcb_damage_notify_event_t*>(event);
            if (titleOf(x, notify->drawable) == title)
                milliseconds = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
            else
                xcb_damage_subtract(x, notify->damage, XCB_NONE, XCB_NONE);
            xcb_flush(x);
        }
        std::free(event);
    }
    if (!ended) {
        kill(child, SIGTERM);
        waitpid(child, nullptr, 0);
    }
    xcb_disconnect(x);
    if (milliseconds < 0)
        return fail("the window never drew: wrong title, or the program ended or hung");
    std::printf("%.1f\n", milliseconds);
    return 0;
}
