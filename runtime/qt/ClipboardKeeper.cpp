#include "runtime/qt/ClipboardKeeper.h"

#include "runtime/qt/WaylandClipboardKeeper.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryFile>
#include <QtGui/qguiapplication_platform.h>

#include <chrono>
#include <cstdlib>
#include <memory>
#include <thread>
#include <xcb/xcb.h>

namespace Runtime {

namespace {

// How long a clipboard manager gets to take the clipboard back after the
// hand-over.
constexpr std::chrono::milliseconds ManagerTakeOver{2000};

struct Free {
    void operator()(void* pointer) const { std::free(pointer); }
};

xcb_window_t selectionOwner(xcb_connection_t* connection, const char* name)
{
    const std::unique_ptr<xcb_intern_atom_reply_t, Free> atom(xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 1, static_cast<std::uint16_t>(qstrlen(name)), name),
        nullptr));
    if (!atom || atom->atom == XCB_ATOM_NONE) {
        return XCB_WINDOW_NONE;
    }
    const std::unique_ptr<xcb_get_selection_owner_reply_t, Free> owner(
        xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, atom->atom),
                                      nullptr));
    return owner ? owner->owner : xcb_window_t{XCB_WINDOW_NONE};
}

// Next to the program in the build tree; in the library-executables folder
// once installed.
QString keeperPath()
{
    const QString name = QStringLiteral("zandrel-clipboard-keeper");
    const QDir programDir(QCoreApplication::applicationDirPath());
    const QString beside = programDir.filePath(name);
    if (QFileInfo(beside).isExecutable()) {
        return beside;
    }
    return QDir::cleanPath(
        programDir.filePath(QStringLiteral(ZANDREL_LIBEXEC_FROM_BINDIR "/zandrel/") + name));
}

// The text goes in on the keeper's standard input, never on its command
// line, where every user of the machine could read it.
void startKeeper(const QString& keeper, const QString& text)
{
    QTemporaryFile input;
    if (!input.open() || input.write(text.toUtf8()) < 0 || !input.flush()) {
        return;
    }
    QProcess process;
    process.setProgram(keeper);
    process.setStandardInputFile(input.fileName());
    // The keeper has opened its input by the time this returns; the file
    // can go.
    if (!process.startDetached()) {
        qWarning("could not start %s: the clipboard goes with the program", qPrintable(keeper));
    }
}

} // namespace

void ClipboardKeeper::beforeHandOver()
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard || !clipboard->ownsClipboard()) {
        return; // the clipboard is no longer ours to keep
    }
    const QString text = clipboard->text();
    if (text.isEmpty()) {
        return;
    }
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11) {
        if (QGuiApplication::platformName() == u"wayland") {
            KeepOnWayland(text);
        }
        return;
    }
    m_keeper = keeperPath();
    if (selectionOwner(x11->connection(), "CLIPBOARD_MANAGER") == XCB_WINDOW_NONE) {
        // Nobody to hand over to: the keeper waits for the program's hold
        // on the clipboard to end, then takes it.
        startKeeper(m_keeper, text);
        return;
    }
    m_pending = text;
}

void ClipboardKeeper::afterHandOver()
{
    if (m_pending.isEmpty()) {
        return;
    }
    // Our connection is closed now, and with it our hold on the clipboard. A
    // manager that saved the text takes the clipboard back a moment later
    // (xfce4-clipman does so only once it has seen it without an owner);
    // one that stays without an owner for that long did not take it.
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    bool orphaned = !xcb_connection_has_error(connection);
    const auto deadline = std::chrono::steady_clock::now() + ManagerTakeOver;
    while (orphaned && selectionOwner(connection, "CLIPBOARD") == XCB_WINDOW_NONE &&
           std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    orphaned = orphaned && selectionOwner(connection, "CLIPBOARD") == XCB_WINDOW_NONE;
    xcb_disconnect(connection);
    if (orphaned) {
        startKeeper(m_keeper, m_pending);
    }
    m_pending.clear();
}

} // namespace Runtime
