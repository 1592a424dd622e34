#include "window/win32/Form1.h"

#include "runtime/win32/AppMode.h"
#include "runtime/win32/Dpi.h"
#include "runtime/win32/Locale.h"
#include "runtime/win32/Notification.h"
#include "window/win32/ControlFactory.h"
#include "window/win32/ControlTexts.h"

#include <commctrl.h>

namespace {

HFONT messageFont(UINT dpi)
{
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    metrics.lfMessageFont.lfHeight = MulDiv(metrics.lfMessageFont.lfHeight, static_cast<int>(dpi),
                                            static_cast<int>(Runtime::Win32::SystemDpi()));
    return CreateFontIndirectW(&metrics.lfMessageFont);
}

DWORD frameStyle(const FormDesign::Frame& frame)
{
    static_assert(!FormDesign::WindowFrame.resizable, "the layout is worked out for one size");
    return WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN |
           (frame.minimiseBox ? WS_MINIMIZEBOX : 0u) | (frame.maximiseBox ? WS_MAXIMIZEBOX : 0u);
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
    windowClass.lpszClassName = WindowClass;
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
}

bool Form1::Load()
{
    const std::wstring title(FormDesign::Title.begin(), FormDesign::Title.end());
    m_window = CreateWindowExW(WS_EX_CONTROLPARENT, WindowClass, title.c_str(),
                               frameStyle(FormDesign::WindowFrame), CW_USEDEFAULT, CW_USEDEFAULT,
                               400, 200, nullptr, nullptr, m_instance, this);
    if (!m_window) {
        return false;
    }
    m_clipboardWriter.setOwner(m_window);
    createControls(Runtime::Win32::WindowDpi(m_window));
    // What the first frame does not show comes once it is on the screen: a
    // timer's message comes after the first paint.
    SetTimer(m_window, FinishTimer, 0, nullptr);

    ShowWindow(m_window, SW_SHOWNORMAL);
    UpdateWindow(m_window);
    m_behaviour.shown();
    return true;
}

void Form1::createControls(UINT dpi)
{
    m_dpi = dpi;
    m_font = messageFont(dpi);
    const auto make = [this](std::size_t index, const Twips::Rect& r) {
        return MakeControl(index, r, m_window, m_instance, m_font);
    };
    // Created in the order of the tab indices: the dialog manager's Tab
    // follows the creation order. The first, a box in the font at its size
    // in the design, gives the layout its margins; the others are made where
    // the layout puts them.
    const auto order = Controls::InTabOrder();
    static_assert(Controls::IsBox(Controls::Text1) &&
                  Controls::Table[Controls::Text1].tabIndex == 0);
    m_controls[order[0]] =
        make(order[0], Twips::Scale().rect(FormDesign::Text1.left, FormDesign::Text1.top,
                                           FormDesign::Text1.width, FormDesign::Text1.height));
    const Layout layout = MeasureLayout(m_controls[order[0]], m_font, dpi, m_decimalPoint);
    MoveTo(m_controls[order[0]], layout.places[order[0]]);
    for (std::size_t k = 1; k < Controls::Count; ++k) {
        m_controls[order[k]] = make(order[k], layout.places[order[k]]);
    }
    fitWindow(layout.client, nullptr);

    for (const Row row : Controls::Rows) {
        const auto r = static_cast<std::size_t>(row);
        m_inputs[r].attach(m_controls[Controls::Of(row).input]);
        m_results[r].attach(m_controls[Controls::Of(row).result]);
    }
    for (std::size_t i = 0; i < Controls::Count; ++i) {
        // Clicks, and a screen reader's first question to any control it
        // names.
        if (Controls::TakesFocus(i)) {
            SetWindowSubclass(m_controls[i], controlProc, 0, reinterpret_cast<DWORD_PTR>(this));
        }
    }
    applyColours();
}

// The icon, the window menu's item and the tooltips: none is in the first
// frame, and under Wine they cost a tenth of the time to it.
void Form1::finishAfterFirstPaint()
{
    const auto icon = [this](int size) {
        return reinterpret_cast<LPARAM>(LoadImageW(
            m_instance, MAKEINTRESOURCEW(1), IMAGE_ICON, Runtime::Win32::SystemMetric(size, m_dpi),
            Runtime::Win32::SystemMetric(size, m_dpi), LR_SHARED));
    };
    SendMessageW(m_window, WM_SETICON, ICON_BIG, icon(SM_CXICON));
    SendMessageW(m_window, WM_SETICON, ICON_SMALL, icon(SM_CXSMICON));

    HMENU menu = GetSystemMenu(m_window, FALSE);
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING, KeepOnTopCommand, LoadText(m_instance, Texts::KeepOnTop).c_str());

    // Owned by nobody: Wine will not make a window topmost (Keep on top)
    // while a topmost popup it owns stands first in the z-order.
    m_toolTips = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                                 CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                 nullptr, nullptr, m_instance, nullptr);
    m_colours.colourToolTips(m_toolTips);
    for (auto* boxes : {&m_inputs, &m_results}) {
        for (auto& box : *boxes) {
            box.attachToolTips(m_toolTips);
        }
    }
}

// The system's colours, or the dark scheme when the user's app mode is dark
// and high contrast is off; chosen again whenever the user changes either,
// so that no control stays in the colours of the old ones.
void Form1::applyColours()
{
    const bool wasDark = m_colours.dark();
    m_colours.follow();
    const bool dark = m_colours.dark();
    if (dark || wasDark) {
        Runtime::Win32::UseDarkTitleBar(m_window, dark);
    }
    if (m_toolTips) {
        m_colours.colourToolTips(m_toolTips);
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
    // Every control, the line too: each holds the font until it has another.
    for (const HWND control : m_controls) {
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(m_font), TRUE);
    }
    if (old) {
        DeleteObject(old);
    }
    const Layout layout = MeasureLayout(measuringBox(), m_font, dpi, m_decimalPoint);
    Place(m_controls, layout.places);
    fitWindow(layout.client, suggested);
    m_behaviour.laidOut();
}

// The window's frame around a client area of this size, at the window's
// DPI; moved to `suggested` if given.
void Form1::fitWindow(SIZE client, const RECT* suggested)
{
    RECT frame{0, 0, client.cx, client.cy};
    Runtime::Win32::FrameAround(frame, static_cast<DWORD>(GetWindowLongW(m_window, GWL_STYLE)),
                                static_cast<DWORD>(GetWindowLongW(m_window, GWL_EXSTYLE)), m_dpi);
    const int x = suggested ? suggested->left : 0;
    const int y = suggested ? suggested->top : 0;
    // A window nobody sees yet needs no asking about its size limits
    // (WM_GETMINMAXINFO): under Wine, asking is half the cost of the resize.
    const UINT unseen = IsWindowVisible(m_window) ? 0 : SWP_NOSENDCHANGING;
    SetWindowPos(m_window, nullptr, x, y, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOZORDER | SWP_NOACTIVATE | (suggested ? 0 : SWP_NOMOVE) | unseen);
}

std::optional<Controls::Row> Form1::inputRow(HWND control) const
{
    for (const Row row : Controls::Rows) {
        if (control == m_controls[Controls::Of(row).input]) {
            return row;
        }
    }
    return std::nullopt;
}

// The box the layout takes its margins from: the first in tab order.
HWND Form1::measuringBox() const
{
    return m_controls[Controls::InTabOrder()[0]];
}

TextBox& Form1::input(Row row)
{
    return m_inputs[static_cast<std::size_t>(row)];
}

TextBox& Form1::result(Row row)
{
    return m_results[static_cast<std::size_t>(row)];
}

void Form1::focusInput(Row row)
{
    SetFocus(m_controls[Controls::Of(row).input]);
}

// The process that sent StartedAgainMessage has let this one take the
// foreground.
void Form1::bringForward()
{
    if (IsIconic(m_window)) {
        ShowWindow(m_window, SW_RESTORE);
    }
    SetForegroundWindow(m_window);
}

// Pinning above the CAD program it feeds, with a tick in the window menu.
void Form1::keepOnTop(bool on)
{
    SetWindowPos(m_window, on ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    CheckMenuItem(GetSystemMenu(m_window, FALSE), KeepOnTopCommand,
                  static_cast<UINT>(MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED)));
}

// Setting a timer again restarts it.
void Form1::restartTypingPause(std::chrono::milliseconds pause)
{
    SetTimer(m_window, TypingPauseTimer, static_cast<UINT>(pause.count()), nullptr);
}

// Raised on the row's result box, whose text it is.
void Form1::announce(Row row, std::u16string_view text)
{
    Runtime::Win32::Notify(m_controls[Controls::Of(row).result],
                           std::wstring(text.begin(), text.end()));
}

// The program ends when its window is gone (WM_DESTROY), with status 0.
void Form1::end()
{
    m_ending = true;
    DestroyWindow(m_window);
}
