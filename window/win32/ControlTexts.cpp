#include "window/win32/ControlTexts.h"

std::wstring LoadText(HINSTANCE instance, Texts::Id id)
{
    // With no buffer, LoadString points into the resource itself, which is
    // not terminated.
    const wchar_t* text = nullptr;
    const int length = LoadStringW(instance, id + 1, reinterpret_cast<LPWSTR>(&text), 0); // NOLINT
    return length > 0 ? std::wstring(text, static_cast<std::size_t>(length)) : std::wstring();
}

std::array<ControlText, 5> ControlTexts(HINSTANCE instance, const Controls& c)
{
    using namespace Texts;
    const auto text = [instance](Id name, Id description, HWND control) {
        return ControlText{control, LoadText(instance, name), LoadText(instance, description)};
    };
    return {{
        text(Text1Name, Text1Description, c.Text1),
        text(Text2Name, Text2Description, c.Text2),
        text(Text3Name, Text3Description, c.Text3),
        text(Text4Name, Text4Description, c.Text4),
        text(Command1Name, Command1Description, c.Command1),
    }};
}
