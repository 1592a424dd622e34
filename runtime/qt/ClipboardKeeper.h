#pragma once

#include <QString>

namespace Runtime {

// The clipboard's text outlives the program. On X11 the text lives in the
// program that owns the clipboard; when it ends, Qt hands the text to the
// desktop's clipboard manager, if there is one and it takes it. Where there
// is none, or it did not take the text, a small keeper process
// (zandrel-clipboard-keeper) holds it until another client takes the
// clipboard. On Wayland, see KeepOnWayland(); Windows and macOS keep the
// clipboard themselves.
class ClipboardKeeper
{
public:
    // While the application still exists, after its event loop has ended.
    void beforeHandOver();
    // Once the application object, and with it Qt's hand-over, is gone.
    void afterHandOver();

private:
    QString m_keeper;  // the keeper's path
    QString m_pending; // text to keep if the manager did not take it
};

} // namespace Runtime
