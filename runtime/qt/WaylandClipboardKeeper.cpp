#include "runtime/qt/WaylandClipboardKeeper.h"

#include <QProcess>
#include <QStandardPaths>

#include <cstring>
#include <unistd.h>
#include <wayland-client.h>

namespace Runtime {

namespace {

// wlroots' protocol, and its successor in wayland-protocols' staging area.
bool isDataControl(const char* interface)
{
    return std::strcmp(interface, "zwlr_data_control_manager_v1") == 0 ||
           std::strcmp(interface, "ext_data_control_manager_v1") == 0;
}

// A connection of our own, since Qt 6.4 does not hand out its display: one
// round trip lists the compositor's globals.
bool compositorOffersDataControl()
{
    wl_display* display = wl_display_connect(nullptr);
    if (!display) {
        return false;
    }
    bool found = false;
    static const wl_registry_listener listener{
        [](void* data, wl_registry*, std::uint32_t, const char* interface, std::uint32_t) {
            *static_cast<bool*>(data) = *static_cast<bool*>(data) || isDataControl(interface);
        },
        [](void*, wl_registry*, std::uint32_t) {}};
    wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &listener, &found);
    wl_display_roundtrip(display);
    wl_registry_destroy(registry);
    wl_display_disconnect(display);
    return found;
}

} // namespace

bool KeepOnWayland(const QString& text)
{
    const QString wlCopy = QStandardPaths::findExecutable(QStringLiteral("wl-copy"));
    if (text.isEmpty() || wlCopy.isEmpty() || !compositorOffersDataControl()) {
        return false;
    }
    QProcess process;
    process.setProgram(wlCopy);
    process.setArguments({QStringLiteral("--type"), QStringLiteral("text/plain;charset=utf-8")});
    // Its own session: the Ctrl+C or hang-up that ends us must not reach
    // the copy that outlives us.
    process.setChildProcessModifier([] { ::setsid(); });
    // The background copy keeps whatever it inherits open: no pipes of ours.
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start();
    // The text goes in on standard input, never on the command line, where
    // every user of the machine could read it.
    process.write(text.toUtf8());
    process.closeWriteChannel();
    // wl-copy returns once the clipboard is set and its copy runs in the
    // background.
    if (!process.waitForFinished(2000)) {
        qWarning("wl-copy did not set the clipboard: it goes with the program");
        process.kill();
        process.waitForFinished(500);
        return false;
    }
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

} // namespace Runtime
