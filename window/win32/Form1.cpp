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
    SetFocus(m_controls.Text3);
    selectEntry(m_controls.Text3);
    return true;
}

void Form1::createControls(UINT dpi)
{
    m_dpi = dpi;
    m_font = messageFont(dpi);
    const auto make = [this](const wchar_t* kind, const wchar_t* text, DWORD style, DWORD exStyle,
                             int id, const RECT& r) {
        const HWND control =
            CreateWindowExW(exStyle, kind, text, WS_CHILD | WS_VISIBLE | style, r.left, r.top,
                            r.right - r.left, r.bottom - r.top, m_window,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), m_instance, nullptr);
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(m_font), FALSE);
        return control;
    };
    constexpr DWORD box = WS_TABSTOP | ES_AUTOHSCROLL | ES_LEFT;
    constexpr DWORD label = SS_LEFT | SS_NOPREFIX;
    // Created in the order of the tab indices: the dialog manager's Tab
    // follows the creation order. The first box, in the font, gives the
    // layout its margins; the others are made where the layout puts them.
    Controls& c = m_controls;
    c.Text1 = make(L"EDIT", L"0", box, WS_EX_CLIENTEDGE, IdText1, {});
    const Placement p = MeasureLayout(c.Text1, m_font, dpi);
    MoveTo(c.Text1, p.Text1);
    c.Text2 = make(L"EDIT", L"0", box | ES_READONLY, WS_EX_CLIENTEDGE, IdText2, p.Text2);
    c.Text3 = make(L"EDIT", L"0", box, WS_EX_CLIENTEDGE, IdText3, p.Text3);
    c.Text4 = make(L"EDIT", L"0", box | ES_READONLY, WS_EX_CLIENTEDGE, IdText4, p.Text4);
    c.Command1 =
        make(L"BUTTON", Captions::Exit, WS_TABSTOP | BS_PUSHBUTTON, 0, IdCommand1, p.Command1);
    c.Label1 = make(L"STATIC", Captions::Millimetres, label, 0, -1, p.Label1);
    c.Label3 = make(L"STATIC", Captions::Equals, label, 0, -1, p.Label3);
    c.Label2 = make(L"STATIC", Captions::Mils, label, 0, -1, p.Label2);
    // An etched line made at a size grows by its edge; moved, it keeps it.
    c.Line1 = make(L"STATIC", L"", SS_ETCHEDHORZ, 0, -1, p.Line1);
    MoveTo(c.Line1, p.Line1);
    c.Label4 = make(L"STATIC", Captions::Mils, label, 0, -1, p.Label4);
    c.Label6 = make(L"STATIC", Captions::Equals, label, 0, -1, p.Label6);
    c.Label5 = make(L"STATIC", Captions::Millimetres, label, 0, -1, p.Label5);
    fitWindow(p.client, nullptr);

    const HWND boxes[] = {c.Text1, c.Text2, c.Text3, c.Text4};
    for (int i = 0; i < 4; ++i) {
        m_boxes[i] = std::make_unique<EditBox>(boxes[i]);
    }
    // Clicks in the input boxes, and a screen reader's first question to any
    // control it names.
    for (HWND control : {c.Text1, c.Text2, c.Text3, c.Text4, c.Command1}) {
        SetWindowSubclass(control, controlProc, 0, reinterpret_cast<DWORD_PTR>(this));
    }
    // Connected once the boxes hold their "0": nothing converts before the
    // first edit.
    m_millimetreRow.emplace(*m_boxes[0], *m_boxes[1], Conversion::MmToMil, m_clipboard);
    m_milRow.emplace(*m_boxes[2], *m_boxes[3], Conversion::MilToMm, m_clipboard);
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
        box->attachToolTips(m_toolTips);
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
    const Controls& c = m_controls;
    for (HWND control : {c.Text1, c.Text2, c.Text3, c.Text4, c.Label1, c.Label2, c.Label3, c.Label4,
                         c.Label5, c.Label6, c.Command1}) {
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(m_font), TRUE);
    }
    if (old) {
        DeleteObject(old);
    }
    const Placement placement = MeasureLayout(c.Text1, m_font, dpi);
    Place(c, placement);
    fitWindow(placement.client, suggested);
    // A new font or size can make a result fit, or no longer fit.
    ShowWholeTextInToolTip(*m_boxes[1]);
    ShowWholeTextInToolTip(*m_boxes[3]);
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

EditBox* Form1::entry(HWND edit)
{
    for (const auto& box : m_boxes) {
        if (box->handle() == edit) {
            return box.get();
        }
    }
    return nullptr;
}

void Form1::selectEntry(HWND edit)
{
    if (EditBox* box = entry(edit)) {
        SelectEntry(*box);
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
            if (message.wParam == VK_RETURN &&
                (message.hwnd == m_controls.Text1 || message.hwnd == m_controls.Text3)) {
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
