// Key-to-pixel time of a window on an X display: presses a key through XTEST and waits until
// the X server reports the window's first drawing after it (DAMAGE), for keys taken in turns.
//
//   key_to_pixel WINDOW_ID ROUNDS KEYSYM...      (keysyms in hexadecimal, e.g. ffab for KP_Add)
//
// Prints the median and the 90th percentile in milliseconds. The window must have the focus.
#include <poll.h>
#include <xcb/damage.h>
#include <xcb/xcb.h>
#include <xcb/xtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using Milliseconds = std::chrono::duration<double, std::milli>;

// Time for the rest of a key's drawing (its result blink, the key's release) before the next.
constexpr std::chrono::milliseconds kSettle(150);
constexpr int kEventWaitMilliseconds = 2000;

struct Free {
    void operator()(void* reply) const { std::free(reply); }
};
template <typename Reply>
using Owned = std::unique_ptr<Reply, Free>;

std::optional<xcb_keycode_t> KeycodeOf(xcb_connection_t* connection, xcb_keysym_t keysym) {
    const xcb_setup_t* setup = xcb_get_setup(connection);
    const int count = setup->max_keycode - setup->min_keycode + 1;
    const Owned<xcb_get_keyboard_mapping_reply_t> mapping(xcb_get_keyboard_mapping_reply(
        connection, xcb_get_keyboard_mapping(connection, setup->min_keycode, count), nullptr));
    if (!mapping) {
        return std::nullopt;
    }
    const xcb_keysym_t* keysyms = xcb_get_keyboard_mapping_keysyms(mapping.get());
    const int perCode = mapping->keysyms_per_keycode;
    for (int code = 0; code < count; ++code) {
        if (keysyms[code * perCode] == keysym) {
            return static_cast<xcb_keycode_t>(setup->min_keycode + code);
        }
    }
    return std::nullopt;
}

// Waits for the next DamageNotify, dropping other events; false when none came in time.
bool AwaitDamage(xcb_connection_t* connection, std::uint8_t damageEvent) {
    pollfd descriptor{xcb_get_file_descriptor(connection), POLLIN, 0};
    for (;;) {
        while (Owned<xcb_generic_event_t> event{xcb_poll_for_event(connection)}) {
            if ((event->response_type & 0x7f) == damageEvent + XCB_DAMAGE_NOTIFY) {
                return true;
            }
        }
        if (poll(&descriptor, 1, kEventWaitMilliseconds) <= 0) {
            return false;
        }
    }
}

void DropEvents(xcb_connection_t* connection) {
    while (Owned<xcb_generic_event_t> event{xcb_poll_for_event(connection)}) {
    }
}

void FakeKey(xcb_connection_t* connection, std::uint8_t type, xcb_keycode_t code) {
    xcb_test_fake_input(connection, type, code, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
    xcb_flush(connection);
}

double Percentile(std::vector<double> values, double share) {
    std::sort(values.begin(), values.end());
    return values[static_cast<std::size_t>(share * static_cast<double>(values.size() - 1))];
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 4) {
        std::fputs("usage: key_to_pixel WINDOW_ID ROUNDS KEYSYM...\n", stderr);
        return 2;
    }
    const auto window = static_cast<xcb_window_t>(std::stoul(argv[1], nullptr, 0));
    const int rounds = std::stoi(argv[2]);
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection) != 0) {
        std::fputs("key_to_pixel: no X display\n", stderr);
        return 1;
    }
    const xcb_query_extension_reply_t* damage = xcb_get_extension_data(connection, &xcb_damage_id);
    if (damage == nullptr || damage->present == 0) {
        std::fputs("key_to_pixel: the X server has no DAMAGE extension\n", stderr);
        return 1;
    }
    Owned<xcb_damage_query_version_reply_t>(xcb_damage_query_version_reply(
        connection, xcb_damage_query_version(connection, 1, 1), nullptr));
    std::vector<xcb_keycode_t> codes;
    for (int index = 3; index < argc; ++index) {
        const auto code =
            KeycodeOf(connection, static_cast<xcb_keysym_t>(std::stoul(argv[index], nullptr, 16)));
        if (!code) {
            std::fprintf(stderr, "key_to_pixel: no key has keysym %s\n", argv[index]);
            return 1;
        }
        codes.push_back(*code);
    }
    const xcb_damage_damage_t watch = xcb_generate_id(connection);
    xcb_damage_create(connection, watch, window, XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
    std::vector<double> times;
    for (int round = 0; round < rounds; ++round) {
        const xcb_keycode_t code = codes[static_cast<std::size_t>(round) % codes.size()];
        xcb_damage_subtract(connection, watch, XCB_NONE, XCB_NONE);
        Owned<xcb_get_input_focus_reply_t>(
            xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
        DropEvents(connection);
        const Clock::time_point pressed = Clock::now();
        FakeKey(connection, XCB_KEY_PRESS, code);
        if (!AwaitDamage(connection, damage->first_event)) {
            std::fputs("key_to_pixel: the window drew nothing after a key\n", stderr);
            return 1;
        }
        times.push_back(Milliseconds(Clock::now() - pressed).count());
        FakeKey(connection, XCB_KEY_RELEASE, code);
        std::this_thread::sleep_for(kSettle);
    }
    xcb_damage_destroy(connection, watch);
    xcb_disconnect(connection);
    std::printf("%.3f %.3f\n", Percentile(times, 0.5), Percentile(times, 0.9));
    return 0;
}
