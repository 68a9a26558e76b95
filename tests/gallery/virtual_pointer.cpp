// virtual-pointer WIDTH HEIGHT: one virtual pointer on the Wayland compositor's seat for as long as it
// runs, so that the program under test keeps its pointer between moves. It reads lines:
//   move X Y    puts the pointer at X,Y of the WIDTH x HEIGHT output
//   press       presses the left button
//   release     releases it
// and answers each with "ok" once the compositor has taken it.
#include <wayland-client.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <sstream>
#include <string>

namespace {

// The compositor's virtual-pointer protocol, described as its scanner would, with only the requests
// used here.
const wl_interface* kNoTypes[] = {nullptr, nullptr, nullptr, nullptr, nullptr};
const wl_message kPointerRequests[] = {
    {"motion", "uff", kNoTypes}, {"motion_absolute", "uuuuu", kNoTypes},
    {"button", "uuu", kNoTypes}, {"axis", "uuf", kNoTypes},
    {"frame", "", kNoTypes},
};
const wl_interface kPointerInterface = {"zwlr_virtual_pointer_v1", 1, 5, kPointerRequests, 0, nullptr};
const wl_interface* kCreateTypes[] = {&wl_seat_interface, &kPointerInterface};
const wl_message kManagerRequests[] = {{"create_virtual_pointer", "?on", kCreateTypes}};
const wl_interface kManagerInterface = {"zwlr_virtual_pointer_manager_v1", 1, 1, kManagerRequests, 0, nullptr};

enum PointerRequest : std::uint32_t { MotionAbsolute = 1, Button = 2, Frame = 4 };
constexpr std::uint32_t kLeftButton = 0x110; // the kernel's BTN_LEFT
constexpr std::uint32_t kReleased = 0;
constexpr std::uint32_t kPressed = 1;

struct Globals {
    wl_seat* seat = nullptr;
    wl_proxy* manager = nullptr;
};

void announce(void* data, wl_registry* registry, std::uint32_t name, const char* interface, std::uint32_t)
{
    auto& globals = *static_cast<Globals*>(data);
    if (std::strcmp(interface, wl_seat_interface.name) == 0 && globals.seat == nullptr)
        globals.seat = static_cast<wl_seat*>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
    else if (std::strcmp(interface, kManagerInterface.name) == 0)
        globals.manager = static_cast<wl_proxy*>(wl_registry_bind(registry, name, &kManagerInterface, 1));
}

void withdraw(void*, wl_registry*, std::uint32_t) {}

const wl_registry_listener kRegistryListener = {announce, withdraw};

std::uint32_t now()
{
    const auto since = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(since).count());
}

// False for a line that is no command.
bool perform(wl_proxy* pointer, const std::string& line, std::uint32_t width, std::uint32_t height)
{
    std::istringstream words(line);
    std::string command;
    words >> command;
    if (command == "move") {
        std::uint32_t x = 0;
        std::uint32_t y = 0;
        if (!(words >> x >> y) || x >= width || y >= height)
            return false;
        wl_proxy_marshal_flags(pointer, MotionAbsolute, nullptr, 1, 0, now(), x, y, width, height);
    } else if (command == "press" || command == "release") {
        wl_proxy_marshal_flags(pointer, Button, nullptr, 1, 0, now(), kLeftButton,
                               command == "press" ? kPressed : kReleased);
    } else {
        return false;
    }
    wl_proxy_marshal_flags(pointer, Frame, nullptr, 1, 0);
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3 || std::atoi(argv[1]) <= 0 || std::atoi(argv[2]) <= 0) {
        std::fputs("usage: virtual-pointer WIDTH HEIGHT\n", stderr);
        return 2;
    }
    const auto width = static_cast<std::uint32_t>(std::atoi(argv[1]));
    const auto height = static_cast<std::uint32_t>(std::atoi(argv[2]));
    wl_display* display = wl_display_connect(nullptr);
    if (display == nullptr) {
        std::fputs("virtual-pointer: no Wayland compositor to connect to\n", stderr);
        return 1;
    }
    Globals globals;
    wl_registry_add_listener(wl_display_get_registry(display), &kRegistryListener, &globals);
    wl_display_roundtrip(display);
    if (globals.seat == nullptr || globals.manager == nullptr) {
        std::fputs("virtual-pointer: the compositor offers no virtual pointer\n", stderr);
        return 1;
    }
    auto* pointer = wl_proxy_marshal_flags(globals.manager, 0, &kPointerInterface, 1, 0, globals.seat, nullptr);
    // The seat has its pointer from here on, before the first command.
    if (wl_display_roundtrip(display) < 0)
        return 1;
    for (std::string line; std::getline(std::cin, line);) {
        if (!perform(pointer, line, width, height)) {
            std::fprintf(stderr, "virtual-pointer: cannot do '%s'\n", line.c_str());
            return 2;
        }
        if (wl_display_roundtrip(display) < 0)
            return 1;
        std::puts("ok");
        std::fflush(stdout);
    }
    wl_display_disconnect(display);
    return 0;
}
