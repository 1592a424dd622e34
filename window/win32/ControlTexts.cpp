#include "window/win32/ControlTexts.h"

std::wstring LoadText(HINSTANCE instance, Texts::Id id)
{
    // With no buffer, LoadString points into the resource itself, which is
    // not terminated.
    const wchar_t* text = nullptr;
    const int length = LoadStringW(instance, id + 1, reinterpret_cast<LPWSTR>(&text), 0); // NOLINT
    return length > 0 ? std::wstring(text, static_cast<std::size_t>(length)) : std::wstring();
}

std::vector<ControlText> ControlTexts(HINSTANCE instance, const ControlHandles& controls)
{
    std::vector<ControlText> texts;
    for (std::size_t i = 0; i < Controls::Count; ++i) {
        const Controls::Control& design = Controls::Table[i];
        if (design.accessibleName != Controls::NoText) {
            texts.push_back({controls[i], LoadText(instance, design.accessibleName),
                             LoadText(instance, design.accessibleDescription)});
        }
    }
    return texts;
}
