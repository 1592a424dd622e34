#include "runtime/qt/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace Runtime {

Clipboard& Clipboard::instance()
{
    static Clipboard clipboard;
    return clipboard;
}

void Clipboard::SetText(const QString& text)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard) {
        return;
    }
    // Only the clipboard proper: the X11 primary selection belongs to
    // whatever the user last selected, and it is not ours to overwrite.
    clipboard->setText(text, QClipboard::Clipboard);
}

} // namespace Runtime
