#include "runtime/qt/WindowActivation.h"

#include <QGuiApplication>
#include <QWindow>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <xcb/xcb.h>

namespace Runtime {

namespace {

xcb_atom_t atom(xcb_connection_t* connection, const char* name)
{
    const xcb_intern_atom_cookie_t cookie =
        xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    const xcb_atom_t found = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return found;
}

xcb_window_t rootOf(xcb_connection_t* connection, xcb_window_t window)
{
    xcb_get_geometry_reply_t* geometry =
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), nullptr);
    const xcb_window_t root = geometry ? geometry->root : xcb_window_t{XCB_WINDOW_NONE};
    std::free(geometry);
    return root;
}

// _NET_ACTIVE_WINDOW from an application (source 1), at the time of the
// user's action: a window manager that prevents focus stealing compares it
// with the time of the last input to the window that has the focus.
void requestActiveWindow(xcb_connection_t* connection, xcb_window_t root, xcb_window_t window,
                         std::uint32_t time)
{
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = window;
    event.type = atom(connection, "_NET_ACTIVE_WINDOW");
    event.data.data32[0] = 1;
    event.data.data32[1] = time;
    xcb_send_event(connection, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&event));
}

// The startup notification protocol's "remove" message, which ends the
// launcher's busy cursor or taskbar entry for that start: a nul-terminated
// text sent to the root window twenty bytes at a time.
void endStartup(xcb_connection_t* connection, xcb_window_t root, xcb_window_t window,
                const QString& id)
{
    QByteArray value = id.toUtf8();
    value.replace('\\', "\\\\").replace('"', "\\\"");
    const QByteArray message = "remove: ID=\"" + value + '"';
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 8;
    event.window = window;
    event.type = atom(connection, "_NET_STARTUP_INFO_BEGIN");
    const xcb_atom_t more = atom(connection, "_NET_STARTUP_INFO");
    const qsizetype length = message.size() + 1; // with the nul
    for (qsizetype sent = 0; sent < length; sent += 20) {
        std::memset(event.data.data8, 0, sizeof event.data.data8);
        std::memcpy(event.data.data8, message.constData() + sent,
                    static_cast<std::size_t>(std::min<qsizetype>(20, length - sent)));
        xcb_send_event(connection, 0, root, XCB_EVENT_MASK_PROPERTY_CHANGE,
                       reinterpret_cast<const char*>(&event));
        event.type = more;
    }
}

bool activateOnX11(QWindow& window, const LaunchToken& token)
{
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    const std::optional<std::uint32_t> time = token.startupTime();
    if (!connection || (!time && token.startupId.isEmpty())) {
        return false;
    }
    const auto id = static_cast<xcb_window_t>(window.winId());
    const xcb_window_t root = rootOf(connection, id);
    if (root == XCB_WINDOW_NONE) {
        return false;
    }
    if (time) {
        requestActiveWindow(connection, root, id, *time);
    }
    if (!token.startupId.isEmpty()) {
        endStartup(connection, root, id, token.startupId);
    }
    xcb_flush(connection);
    return time.has_value();
}

} // namespace

void ActivateWindow(QWindow& window, const LaunchToken& token)
{
    const QString platform = QGuiApplication::platformName();
    if (platform == u"wayland") {
        // Qt's Wayland backend hands the compositor this token with the
        // activation request, and takes it out of the environment.
        if (!token.activationToken.isEmpty()) {
            qputenv("XDG_ACTIVATION_TOKEN", token.activationToken.toUtf8());
        }
    } else if (platform == u"xcb" && activateOnX11(window, token)) {
        return;
    }
    // Without a token, Qt asks with what it has: on X11 the time of the
    // last event the program saw.
    window.requestActivate();
}

} // namespace Runtime
