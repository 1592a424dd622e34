#pragma once

#include "window/TextBox.h"

// The system clipboard, through the runtime, as the window's behaviour sees it.
class SystemClipboard : public ClipboardText
{
public:
    void setText(std::u16string_view text) override;
};
