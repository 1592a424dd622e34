#include "window/qt/SystemClipboard.h"

#include "runtime/qt/Clipboard.h"
#include "runtime/qt/QtNumbers.h"

void SystemClipboard::setText(std::u16string_view text)
{
    Runtime::Clipboard::instance().SetText(Runtime::ToQString(text));
}
