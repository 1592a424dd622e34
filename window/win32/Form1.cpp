#include "window/win32/Form1.h"

#include "runtime/win32/Locale.h"
#include "window/Contrast.h"
#include "window/win32/ControlTexts.h"

#include <commctrl.h>

namespace {

constexpr wchar_t ClassName[] = L"ZandrelForm1";

HFONT messageFont(UINT dpi)
{
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    metrics.lfMessageFont.lfHeight = MulDiv(metrics.lfMessageFont.lfHeight, static_cast<int>(dpi),
                                            static_cast<int>(GetDpiForSystem()));
    return CreateFontIndirectW(&metrics.lfMessageFont);
}

Contrast::Rgb rgb(COLORREF colour)
{
    return {GetRValue(colour), GetGValue(colour), GetBValue(colour)};
}

} // namespace

Form1::Form1(HINSTANCE instance)
    : m_instance(instance)
    , m_decimalPoint(Runtime::Win32::DecimalPoint())
{
    const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX),
                                       ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&classes);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    windowClass.hbrBackground = GetSysColorBrush(COLOR_3DFACE);
    windowClass.lpszClassName = ClassName;
    RegisterClassExW(&windowClass);
}

Form1::~Form1()
{
    if (m_toolTips) {
        DestroyWindow(m_toolTips);
    }
    if (m_font) {
        DeleteObject(m_font);
    }
    if (m_resultBrush) {
        DeleteObject(m_resultBrush);
    }
}

bool Form1::Load()
{
    // A fixed-size utility: no maximise box, no sizing border.
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
    m_window = CreateWindowExW(WS_EX_CONTROLPARENT, ClassName, L"Zandrel", style, CW_USEDEFAULT,
                               CW_USEDEFAULT, 400, 200, nullptr, nullptr, m_instance, this);
    if (!m_window) {
        return false;
    }
    m_clipboardWriter.setOwner(m_window);
    createControls(GetDpiForWindow(m_window));
    // What the first frame does not show comes once it is on the screen: a
    // timer's message comes after the first paint.
    SetTimer(m_window, FinishTimer, 0, nullptr);

    ShowWindow(m_window, SW_SHOWNORMAL);
    UpdateWindow(m_window);
    SetFocus(m_controls[Controls::StartsWithFocus]);
    selectEntry(m_controls[Controls::StartsWithFocus]);
    return true;
}

void Form1::createControls(UINT dpi)
{
    using Controls::Kind;
    m_dpi = dpi;
    m_font = messageFont(dpi);
    const auto make = [this](std::size_t index, const RECT& r) {
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
            style = SS_ETCHEDHORZ;
            break;
        case Kind::Button:
            kind = L"BUTTON";
            style = WS_TABSTOP | BS_PUSHBUTTON;
            break;
        }
        const std::wstring caption(design.caption.begin(), design.caption.end());
        const HWND control = CreateWindowExW(
            exStyle, kind, caption.c_str(), WS_CHILD | WS_VISIBLE | style, r.left, r.top,
            r.right - r.left, r.bottom - r.top, m_window,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(ControlId(index))), m_instance, nullptr);
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(m_font), FALSE);
        return control;
    };
    // Created in the order of the tab indices: the dialog manager's Tab
    // follows the creation order. The first, a box in the font, gives the
    // layout its margins; the others are made where the layout puts them.
    const auto order = Controls::InTabOrder();
    static_assert(Controls::IsBox(Controls::Text1) &&
                  Controls::Table[Controls::Text1].tabIndex == 0);
    m_controls[order[0]] = make(order[0], {});
    const Placement p = MeasureLayout(m_controls[order[0]], m_font, dpi, m_decimalPoint);
    MoveTo(m_controls[order[0]], p.places[order[0]]);
    for (std::size_t k = 1; k < Controls::Count; ++k) {
        const std::size_t i = order[k];
        m_controls[i] = make(i, p.places[i]);
        if (Controls::Table[i].kind == Kind::Line) {
            // An etched line made at a size grows by its edge; moved, it keeps it.
            MoveTo(m_controls[i], p.places[i]);
        }
    }
    fitWindow(p.client, nullptr);

    for (std::size_t i = 0; i < Controls::Count; ++i) {
        if (Controls::IsBox(i)) {
            m_boxes[i] = std::make_unique<EditBox>(m_controls[i]);
        }
        // Clicks in the input boxes, and a screen reader's first question to
        // any control it names.
        if (Controls::TakesFocus(i)) {
            SetWindowSubclass(m_controls[i], controlProc, 0, reinterpret_cast<DWORD_PTR>(this));
        }
    }
    // Connected once the boxes hold their "0": nothing converts before the
    // first edit.
    for (std::size_t i = 0; i < Controls::Count; ++i) {
        if (Controls::IsInput(i)) {
            const Controls::Control& design = Controls::Table[i];
            m_rows[i].emplace(*m_boxes[i], *m_boxes[design.result], *design.rule, m_clipboard);
        }
    }
    applyColours();
}

// The icon, the window menu's item and the tooltips: none is in the first
// frame, and under Wine they cost a tenth of the time to it.
void Form1::finishAfterFirstPaint()
{
    const auto icon = [this](int size) {
        return reinterpret_cast<LPARAM>(LoadImageW(m_instance, MAKEINTRESOURCEW(1), IMAGE_ICON,
                                                   GetSystemMetricsForDpi(size, m_dpi),
                                                   GetSystemMetricsForDpi(size, m_dpi), LR_SHARED));
    };
    SendMessageW(m_window, WM_SETICON, ICON_BIG, icon(SM_CXICON));
    SendMessageW(m_window, WM_SETICON, ICON_SMALL, icon(SM_CXSMICON));

    // Pinning above the CAD program it feeds; not remembered between runs.
    HMENU menu = GetSystemMenu(m_window, FALSE);
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING, KeepOnTopCommand, LoadText(m_instance, Texts::KeepOnTop).c_str());

    // Owned by nobody: Wine will not make a window topmost (Keep on top)
    // while a topmost popup it owns stands first in the z-order.
    m_toolTips = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                                 CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                 nullptr, nullptr, m_instance, nullptr);
    for (const auto& box : m_boxes) {
        if (box) {
            box->attachToolTips(m_toolTips);
        }
    }
}

// The theme's light 3-D shade marks the result boxes, unless it is (nearly)
// the input boxes' own background. Computed again whenever the user changes
// the colours, so that the result never stands in a shade of the old scheme.
void Form1::applyColours()
{
    const Contrast::Rgb shade =
        Contrast::ResultShade(rgb(GetSysColor(COLOR_WINDOW)), rgb(GetSysColor(COLOR_3DLIGHT)),
                              rgb(GetSysColor(COLOR_WINDOWTEXT)));
    m_resultShade = RGB(shade.red, shade.green, shade.blue);
    const HBRUSH old = m_resultBrush;
    m_resultBrush = CreateSolidBrush(m_resultShade);
    if (old) {
        DeleteObject(old);
    }
    RedrawWindow(m_window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

// The font follows the system's message font at the window's DPI; the
// layout follows the font.
void Form1::applyDpi(UINT dpi, const RECT* suggested)
{
    m_dpi = dpi;
    const HFONT old = m_font;
    m_font = messageFont(dpi);
    for (std::size_t i = 0; i < Controls::Count; ++i) {
        if (Controls::Table[i].kind != Controls::Kind::Line) {
            SendMessageW(m_controls[i], WM_SETFONT, reinterpret_cast<WPARAM>(m_font), TRUE);
        }
    }
    if (old) {
        DeleteObject(old);
    }
    const Placement placement = MeasureLayout(measuringBox(), m_font, dpi, m_decimalPoint);
    Place(m_controls, placement);
    fitWindow(placement.client, suggested);
    // A new font or size can make a result fit, or no longer fit.
    for (std::size_t i = 0; i < Controls::Count; ++i) {
        if (Controls::IsResult(i)) {
            ShowWholeTextInToolTip(*m_boxes[i]);
        }
    }
}

// The window's frame around a client area of this size, at the window's
// DPI; moved to `suggested` if given.
void Form1::fitWindow(SIZE client, const RECT* suggested)
{
    RECT frame{0, 0, client.cx, client.cy};
    AdjustWindowRectExForDpi(&frame, static_cast<DWORD>(GetWindowLongW(m_window, GWL_STYLE)), FALSE,
                             static_cast<DWORD>(GetWindowLongW(m_window, GWL_EXSTYLE)), m_dpi);
    const int x = suggested ? suggested->left : 0;
    const int y = suggested ? suggested->top : 0;
    // A window nobody sees yet needs no asking about its size limits
    // (WM_GETMINMAXINFO): under Wine, asking is half the cost of the resize.
    const UINT unseen = IsWindowVisible(m_window) ? 0 : SWP_NOSENDCHANGING;
    SetWindowPos(m_window, nullptr, x, y, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOZORDER | SWP_NOACTIVATE | (suggested ? 0 : SWP_NOMOVE) | unseen);
}

std::size_t Form1::indexOf(HWND control) const
{
    for (std::size_t i = 0; i < Controls::Count; ++i) {
        if (m_controls[i] == control) {
            return i;
        }
    }
    return Controls::None;
}

// The box the layout takes its margins from: the first in tab order.
HWND Form1::measuringBox() const
{
    return m_controls[Controls::InTabOrder()[0]];
}

void Form1::selectEntry(HWND edit)
{
    const std::size_t i = indexOf(edit);
    if (Controls::IsBox(i)) {
        SelectEntry(*m_boxes[i]);
    }
}

int Form1::Run()
{
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (message.message == WM_KEYDOWN &&
            (message.wParam == VK_RETURN || message.wParam == VK_ESCAPE) &&
            IsChild(m_window, message.hwnd)) {
            // Enter selects the input box's leading text again and inserts
            // nothing; neither key ever presses the button.
            if (message.wParam == VK_RETURN && Controls::IsInput(indexOf(message.hwnd))) {
                SetFocus(message.hwnd);
                selectEntry(message.hwnd);
            }
            continue;
        }
        if (IsDialogMessageW(m_window, &message)) {
            continue; // Tab and Shift+Tab
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
