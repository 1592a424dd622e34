#pragma once

#include <QString>

namespace Runtime {

// The system clipboard as the program uses it: plain text replaces whatever
// text it held. Shared by every caller; reached through Clipboard::instance().
class Clipboard
{
public:
    // Created on first use and kept for the rest of the run.
    static Clipboard& instance();

    // Never ends the program: if the window system refuses the text (another
    // program holding the clipboard, a lost connection), the text is dropped
    // and the caller's own state stays as it is.
    void SetText(const QString& text);

    Clipboard(const Clipboard&) = delete;
    Clipboard& operator=(const Clipboard&) = delete;

private:
    Clipboard() = default;
};

} // namespace Runtime
