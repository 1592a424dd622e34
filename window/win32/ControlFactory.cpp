#include "window/win32/ControlFactory.h"

#include <string>

HWND MakeControl(std::size_t index, const Twips::Rect& place, HWND parent, HINSTANCE instance,
                 HFONT font)
{
    using Controls::Kind;
    const Controls::Control& design = Controls::Table[index];
    constexpr DWORD box = WS_TABSTOP | ES_AUTOHSCROLL | ES_LEFT;
    const wchar_t* kind = L"STATIC";
    DWORD style = 0;
    DWORD exStyle = 0;
    switch (design.kind) {
    case Kind::Input:
    case Kind::Result:
        kind = L"EDIT";
        style = design.kind == Kind::Result ? box | ES_READONLY : box;
        exStyle = WS_EX_CLIENTEDGE;
        break;
    case Kind::Label:
        style = SS_LEFT | SS_NOPREFIX;
        break;
    case Kind::Line:
        // Painted in the text's colour (Form1::controlColours()).
        style = SS_LEFT;
        break;
    case Kind::Button:
        kind = L"BUTTON";
        style = WS_TABSTOP | BS_PUSHBUTTON;
        break;
    }
    const std::wstring caption(design.caption.begin(), design.caption.end());
    const HWND control = CreateWindowExW(
        exStyle, kind, caption.c_str(), WS_CHILD | WS_VISIBLE | style, place.left, place.top,
        place.width, place.height, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(Controls::Number(index))), instance, nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    // Each control carries its kind, which picks its colours.
    SetWindowLongPtrW(control, GWLP_USERDATA, static_cast<LONG_PTR>(design.kind) + 1);
    return control;
}
