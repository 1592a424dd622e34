// zandrel-clipboard-keeper: keeps Zandrel's last result on the X clipboard
// after the program has ended, on a desktop without a clipboard manager to
// take it over. It reads the text from its standard input, waits until the
// program's own hold on the clipboard is gone, takes the clipboard and serves
// the text until another client takes it or the X server goes away. Plain
// xcb, so that it stays small in memory while it waits.
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <iterator>
#include <memory>
#include <string>
#include <string_view>
#include <thread>
#include <xcb/xcb.h>

namespace {

// More than any result; the X protocol would want incremental transfers
// for far larger texts.
constexpr std::size_t MaximumText = 64 * 1024;

struct Free {
    void operator()(void* pointer) const { std::free(pointer); }
};
template <typename T>
using Reply = std::unique_ptr<T, Free>;

struct Atoms {
    xcb_atom_t clipboard;
    xcb_atom_t targets;
    xcb_atom_t utf8String;
    xcb_atom_t text;
    xcb_atom_t timestamp;
};

xcb_atom_t intern(xcb_connection_t* connection, std::string_view name)
{
    const Reply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
        connection,
        xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(name.size()), name.data()),
        nullptr));
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

xcb_window_t owner(xcb_connection_t* connection, xcb_atom_t selection)
{
    const Reply<xcb_get_selection_owner_reply_t> reply(xcb_get_selection_owner_reply(
        connection, xcb_get_selection_owner(connection, selection), nullptr));
    return reply ? reply->owner : xcb_window_t{XCB_WINDOW_NONE};
}

// The program's window holds the clipboard until its connection closes. If
// someone else takes it first, there is nothing left to keep.
bool waitForRelease(xcb_connection_t* connection, xcb_atom_t clipboard)
{
    const xcb_window_t program = owner(connection, clipboard);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (std::chrono::steady_clock::now() < deadline) {
        const xcb_window_t now = owner(connection, clipboard);
        if (now == XCB_WINDOW_NONE) {
            return true;
        }
        if (now != program) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

// A server time for taking the selection, as ICCCM asks: the time of a
// property change on our own window.
xcb_timestamp_t serverTime(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t property)
{
    xcb_change_property(connection, XCB_PROP_MODE_APPEND, window, property, XCB_ATOM_STRING, 8, 0,
                        nullptr);
    xcb_flush(connection);
    while (const Reply<xcb_generic_event_t> event{xcb_wait_for_event(connection)}) {
        if ((event->response_type & 0x7f) == XCB_PROPERTY_NOTIFY) {
            return reinterpret_cast<const xcb_property_notify_event_t*>(event.get())->time;
        }
    }
    return XCB_CURRENT_TIME;
}

std::string latin1(std::string_view utf8)
{
    std::string out;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        if (byte < 0x80) {
            out += static_cast<char>(byte);
        } else if ((byte & 0xe0) == 0xc0 && byte <= 0xc3 && i + 1 < utf8.size()) {
            const auto next = static_cast<unsigned char>(utf8[++i]);
            out += static_cast<char>(((byte & 0x03) << 6) | (next & 0x3f));
        } else {
            out += '?';
            while (i + 1 < utf8.size() &&
                   (static_cast<unsigned char>(utf8[i + 1]) & 0xc0) == 0x80) {
                ++i;
            }
        }
    }
    return out;
}

void answer(xcb_connection_t* connection, const Atoms& atoms, const std::string& text,
            const xcb_selection_request_event_t& request)
{
    // Clients from before ICCCM 2 name no property: use the target.
    xcb_atom_t property = request.property == XCB_ATOM_NONE ? request.target : request.property;
    if (request.target == atoms.targets) {
        const std::array<xcb_atom_t, 4> targets{atoms.targets, atoms.utf8String, atoms.text,
                                                XCB_ATOM_STRING};
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, request.requestor, property,
                            XCB_ATOM_ATOM, 32, targets.size(), targets.data());
    } else if (request.target == atoms.utf8String || request.target == atoms.text) {
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, request.requestor, property,
                            atoms.utf8String, 8, static_cast<std::uint32_t>(text.size()),
                            text.data());
    } else if (request.target == XCB_ATOM_STRING) {
        const std::string bytes = latin1(text);
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, request.requestor, property,
                            XCB_ATOM_STRING, 8, static_cast<std::uint32_t>(bytes.size()),
                            bytes.data());
    } else {
        property = XCB_ATOM_NONE; // refused
    }
    xcb_selection_notify_event_t notify{};
    notify.response_type = XCB_SELECTION_NOTIFY;
    notify.time = request.time;
    notify.requestor = request.requestor;
    notify.selection = request.selection;
    notify.target = request.target;
    notify.property = property;
    xcb_send_event(connection, 0, request.requestor, XCB_EVENT_MASK_NO_EVENT,
                   reinterpret_cast<const char*>(&notify));
    xcb_flush(connection);
}

} // namespace

int main()
{
    std::string text{std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>()};
    if (text.empty() || text.size() > MaximumText) {
        return 0;
    }

    int screenNumber = 0;
    xcb_connection_t* connection = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(connection)) {
        return 1;
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; i < screenNumber && screens.rem > 0; ++i) {
        xcb_screen_next(&screens);
    }
    const Atoms atoms{intern(connection, "CLIPBOARD"), intern(connection, "TARGETS"),
                      intern(connection, "UTF8_STRING"), intern(connection, "TEXT"),
                      intern(connection, "_ZANDREL_KEEPER_TIME")};

    const xcb_window_t window = xcb_generate_id(connection);
    const std::uint32_t eventMask = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_create_window(connection, XCB_COPY_FROM_PARENT, window, screens.data->root, 0, 0, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK,
                      &eventMask);

    if (!waitForRelease(connection, atoms.clipboard)) {
        xcb_disconnect(connection);
        return 0;
    }
    const xcb_timestamp_t time = serverTime(connection, window, atoms.timestamp);
    xcb_set_selection_owner(connection, window, atoms.clipboard, time);
    if (owner(connection, atoms.clipboard) != window) {
        xcb_disconnect(connection);
        return 0;
    }

    // Until another client takes the clipboard, or the server goes away
    // (xcb_wait_for_event() then gives nothing).
    while (const Reply<xcb_generic_event_t> event{xcb_wait_for_event(connection)}) {
        const int type = event->response_type & 0x7f;
        if (type == XCB_SELECTION_REQUEST) {
            answer(connection, atoms, text,
                   *reinterpret_cast<const xcb_selection_request_event_t*>(event.get()));
        } else if (type == XCB_SELECTION_CLEAR) {
            break;
        }
    }
    xcb_disconnect(connection);
    return 0;
}
