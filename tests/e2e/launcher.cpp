// A launcher on Wayland, for the tests: it shows a small window, which takes
// the focus, and at the first key pressed in it asks the compositor for an
// xdg-activation token with that key's serial and its surface, as a launcher
// asks with the key or click that starts a program. It prints the token, then
// stays, its window with it (a token dies with its surface), until its
// standard input ends.
#include "xdg-activation-v1-client-protocol.h"
#include "xdg-shell-client-protocol.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <poll.h>
#include <string>
#include <sys/mman.h>
#include <unistd.h>
#include <wayland-client.h>

namespace {

constexpr int Width = 160;
constexpr int Height = 80;

struct Launcher {
    wl_compositor* compositor = nullptr;
    wl_shm* shm = nullptr;
    wl_seat* seat = nullptr;
    wl_keyboard* keyboard = nullptr;
    xdg_wm_base* shell = nullptr;
    xdg_activation_v1* activation = nullptr;
    wl_surface* surface = nullptr;
    std::uint32_t keySerial = 0;
    bool pressed = false;
    std::string token;
};

template <typename T>
T* bind(wl_registry* registry, std::uint32_t name, const wl_interface* interface,
        std::uint32_t version)
{
    return static_cast<T*>(wl_registry_bind(registry, name, interface, version));
}

void global(void* data, wl_registry* registry, std::uint32_t name, const char* interface,
            std::uint32_t /*version*/)
{
    auto* launcher = static_cast<Launcher*>(data);
    const std::string which = interface;
    if (which == wl_compositor_interface.name) {
        launcher->compositor = bind<wl_compositor>(registry, name, &wl_compositor_interface, 1);
    } else if (which == wl_shm_interface.name) {
        launcher->shm = bind<wl_shm>(registry, name, &wl_shm_interface, 1);
    } else if (which == wl_seat_interface.name) {
        launcher->seat = bind<wl_seat>(registry, name, &wl_seat_interface, 1);
    } else if (which == xdg_wm_base_interface.name) {
        launcher->shell = bind<xdg_wm_base>(registry, name, &xdg_wm_base_interface, 1);
    } else if (which == xdg_activation_v1_interface.name) {
        launcher->activation =
            bind<xdg_activation_v1>(registry, name, &xdg_activation_v1_interface, 1);
    }
}
void globalRemoved(void*, wl_registry*, std::uint32_t) {}
const wl_registry_listener registryListener{global, globalRemoved};

void ping(void*, xdg_wm_base* shell, std::uint32_t serial)
{
    xdg_wm_base_pong(shell, serial);
}
const xdg_wm_base_listener shellListener{ping};

// One white frame, once the compositor has configured the window.
void configure(void* data, xdg_surface* surface, std::uint32_t serial)
{
    auto* launcher = static_cast<Launcher*>(data);
    xdg_surface_ack_configure(surface, serial);
    const int stride = Width * 4;
    const int size = stride * Height;
    const int fd = memfd_create("launcher", MFD_CLOEXEC);
    if (fd < 0 || ftruncate(fd, size) != 0) {
        return;
    }
    void* pixels = mmap(nullptr, static_cast<std::size_t>(size), PROT_WRITE, MAP_SHARED, fd, 0);
    if (pixels != MAP_FAILED) {
        std::memset(pixels, 0xff, static_cast<std::size_t>(size));
        munmap(pixels, static_cast<std::size_t>(size));
    }
    wl_shm_pool* pool = wl_shm_create_pool(launcher->shm, fd, size);
    wl_buffer* buffer =
        wl_shm_pool_create_buffer(pool, 0, Width, Height, stride, WL_SHM_FORMAT_XRGB8888);
    wl_shm_pool_destroy(pool);
    close(fd);
    wl_surface_attach(launcher->surface, buffer, 0, 0);
    wl_surface_commit(launcher->surface);
}
const xdg_surface_listener surfaceListener{configure};

void keymap(void*, wl_keyboard*, std::uint32_t, std::int32_t fd, std::uint32_t)
{
    close(fd);
}
void enter(void*, wl_keyboard*, std::uint32_t, wl_surface*, wl_array*) {}
void leave(void*, wl_keyboard*, std::uint32_t, wl_surface*) {}
void key(void* data, wl_keyboard*, std::uint32_t serial, std::uint32_t, std::uint32_t,
         std::uint32_t state)
{
    auto* launcher = static_cast<Launcher*>(data);
    if (state == WL_KEYBOARD_KEY_STATE_PRESSED && !launcher->pressed) {
        launcher->keySerial = serial;
        launcher->pressed = true;
    }
}
void modifiers(void*, wl_keyboard*, std::uint32_t, std::uint32_t, std::uint32_t, std::uint32_t,
               std::uint32_t)
{
}
const wl_keyboard_listener keyboardListener{keymap, enter, leave, key, modifiers, nullptr};

// A headless compositor has a keyboard only while a virtual one is there,
// and asking for a keyboard before the seat has one is a protocol error.
void capabilities(void* data, wl_seat* seat, std::uint32_t capabilities)
{
    auto* launcher = static_cast<Launcher*>(data);
    if ((capabilities & WL_SEAT_CAPABILITY_KEYBOARD) != 0 && !launcher->keyboard) {
        launcher->keyboard = wl_seat_get_keyboard(seat);
        wl_keyboard_add_listener(launcher->keyboard, &keyboardListener, launcher);
    }
}
const wl_seat_listener seatListener{capabilities, nullptr};

void done(void* data, xdg_activation_token_v1*, const char* token)
{
    static_cast<Launcher*>(data)->token = token;
}
const xdg_activation_token_v1_listener tokenListener{done};

bool fail(const char* why)
{
    std::fprintf(stderr, "launcher: %s\n", why);
    return false;
}

bool run(wl_display* display, Launcher& launcher)
{
    wl_registry_add_listener(wl_display_get_registry(display), &registryListener, &launcher);
    wl_display_roundtrip(display);
    if (!launcher.compositor || !launcher.shm || !launcher.seat || !launcher.shell) {
        return fail("the compositor lacks a global a window needs");
    }
    if (!launcher.activation) {
        return fail("the compositor has no xdg_activation_v1");
    }
    xdg_wm_base_add_listener(launcher.shell, &shellListener, nullptr);
    wl_seat_add_listener(launcher.seat, &seatListener, &launcher);
    launcher.surface = wl_compositor_create_surface(launcher.compositor);
    xdg_surface* surface = xdg_wm_base_get_xdg_surface(launcher.shell, launcher.surface);
    xdg_surface_add_listener(surface, &surfaceListener, &launcher);
    xdg_toplevel* toplevel = xdg_surface_get_toplevel(surface);
    xdg_toplevel_set_title(toplevel, "Launcher");
    xdg_toplevel_set_app_id(toplevel, "zandrel-test-launcher");
    wl_surface_commit(launcher.surface);
    while (!launcher.pressed) {
        if (wl_display_dispatch(display) < 0) {
            return fail("the compositor went away before a key was pressed");
        }
    }
    xdg_activation_token_v1* token = xdg_activation_v1_get_activation_token(launcher.activation);
    xdg_activation_token_v1_add_listener(token, &tokenListener, &launcher);
    xdg_activation_token_v1_set_serial(token, launcher.keySerial, launcher.seat);
    xdg_activation_token_v1_set_surface(token, launcher.surface);
    xdg_activation_token_v1_set_app_id(token, "io.github.zandrel.zandrel");
    xdg_activation_token_v1_commit(token);
    while (launcher.token.empty()) {
        if (wl_display_dispatch(display) < 0) {
            return fail("the compositor went away before it gave a token");
        }
    }
    std::printf("%s\n", launcher.token.c_str());
    std::fflush(stdout);
    // Serves the window until standard input ends.
    pollfd fds[2] = {{wl_display_get_fd(display), POLLIN, 0}, {STDIN_FILENO, POLLIN, 0}};
    while (wl_display_flush(display) >= 0 && poll(fds, 2, -1) > 0) {
        if (fds[1].revents != 0) {
            char buffer[64];
            if (read(STDIN_FILENO, buffer, sizeof buffer) <= 0) {
                return true;
            }
        }
        if (fds[0].revents != 0 && wl_display_dispatch(display) < 0) {
            return true;
        }
    }
    return true;
}

} // namespace

int main()
{
    wl_display* display = wl_display_connect(nullptr);
    if (!display) {
        return fail("no Wayland display") ? 0 : 1;
    }
    Launcher launcher;
    const bool ok = run(display, launcher);
    wl_display_disconnect(display);
    return ok ? 0 : 1;
}
