// Form1's event handling on Win32.
#include "runtime/win32/Locale.h"
#include "window/win32/ControlTexts.h"
#include "window/win32/Form1.h"

#include <commctrl.h>
#include <initguid.h>
#include <oleacc.h>

LRESULT CALLBACK Form1::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        auto* form = static_cast<Form1*>(create->lpCreateParams);
        form->m_window = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    }
    auto* form = reinterpret_cast<Form1*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    return form ? form->handle(message, wParam, lParam)
                : DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK Form1::controlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR /*id*/, DWORD_PTR data)
{
    auto* form = reinterpret_cast<Form1*>(data);
    if (message == WM_GETOBJECT && !form->m_described) {
        form->describeControls(); // before the system answers the question
    }
    const LRESULT result = DefSubclassProc(control, message, wParam, lParam);
    // The input boxes: a click anywhere in one selects its leading text, so
    // that no bare caret is left inside the number.
    if (message == WM_LBUTTONUP && Controls::IsInput(form->indexOf(control))) {
        form->selectEntry(control);
    }
    return result;
}

LRESULT Form1::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        onCommand(reinterpret_cast<HWND>(lParam), HIWORD(wParam));
        return 0;
    case WM_GETOBJECT:
        if (!m_described) {
            describeControls();
        }
        break;
    case WM_TIMER:
        if (onTimer(wParam)) {
            return 0;
        }
        break;
    case SelectEntryMessage:
        selectEntry(reinterpret_cast<HWND>(wParam));
        return 0;
    case WM_ACTIVATE:
        onActivate(LOWORD(wParam) != WA_INACTIVE);
        return 0;
    case WM_CTLCOLORSTATIC:
        if (const HBRUSH brush =
                resultColours(reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam))) {
            return reinterpret_cast<LRESULT>(brush);
        }
        break;
    case WM_SYSCOMMAND:
        if ((wParam & 0xfff0u) == KeepOnTopCommand) {
            toggleKeepOnTop();
            return 0;
        }
        break;
    case WM_DPICHANGED:
        applyDpi(HIWORD(wParam), reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_SYSCOLORCHANGE:
    case WM_THEMECHANGED:
        onColoursChanged(message, wParam, lParam);
        return 0;
    case WM_SETTINGCHANGE:
        onSettingChange(wParam);
        break;
    case WM_ENDSESSION:
        if (wParam) {
            DestroyWindow(m_window);
        }
        return 0;
    case WM_DESTROY:
        // The last result still waiting for the clipboard gets a last chance;
        // the program ends normally either way.
        m_clipboardWriter.flush(ClipboardFlushMilliseconds);
        PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return DefWindowProcW(m_window, message, wParam, lParam);
}

bool Form1::onTimer(WPARAM timer)
{
    if (timer == FinishTimer) {
        KillTimer(m_window, FinishTimer);
        finishAfterFirstPaint();
        return true;
    }
    if (timer == ClipboardTimer) {
        m_clipboardWriter.retry();
        return true;
    }
    return false;
}

void Form1::onActivate(bool active)
{
    if (!active) {
        const HWND focus = GetFocus();
        m_lastFocus = IsChild(m_window, focus) ? focus : m_lastFocus;
        return;
    }
    // Coming back to the window is not entering a box: the caret and the
    // selection stay as the user left them.
    m_activating = true;
    SetFocus(m_lastFocus ? m_lastFocus : m_controls[Controls::StartsWithFocus]);
    m_activating = false;
}

// The result boxes, read-only edits, are drawn as statics: in the result
// shade. Nothing for the other controls.
HBRUSH Form1::resultColours(HWND control, HDC dc) const
{
    if (!Controls::IsResult(indexOf(control))) {
        return nullptr;
    }
    SetBkColor(dc, m_resultShade);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    return m_resultBrush;
}

void Form1::toggleKeepOnTop()
{
    m_onTop = !m_onTop;
    SetWindowPos(m_window, m_onTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    CheckMenuItem(GetSystemMenu(m_window, FALSE), KeepOnTopCommand,
                  static_cast<UINT>(MF_BYCOMMAND | (m_onTop ? MF_CHECKED : MF_UNCHECKED)));
}

void Form1::onColoursChanged(UINT message, WPARAM wParam, LPARAM lParam)
{
    // Common controls learn of new colours only from their parent.
    for (HWND child = GetWindow(m_window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        SendMessageW(child, message, wParam, lParam);
    }
    applyColours();
}

void Form1::onSettingChange(WPARAM setting)
{
    // The user may change any of these while we run.
    m_decimalPoint = Runtime::Win32::DecimalPoint();
    if (setting == SPI_SETHIGHCONTRAST) {
        applyColours();
    } else if (setting == SPI_SETNONCLIENTMETRICS || setting == SPI_SETICONTITLELOGFONT) {
        applyDpi(m_dpi, nullptr); // a new message font ("Make text bigger")
    }
}

// A control's notification names the control itself: no lookup by id, which
// under Wine asks the server, on every keystroke.
void Form1::onCommand(HWND control, int code)
{
    const std::size_t i = indexOf(control);
    if (Controls::IsInput(i)) {
        if (code == EN_CHANGE) {
            m_rows[i]->onChange(m_decimalPoint);
        } else if (code == EN_SETFOCUS && !m_activating) {
            // The dialog manager selects the whole text of a box it tabs
            // into after this notification; ours comes after that.
            PostMessageW(m_window, SelectEntryMessage, reinterpret_cast<WPARAM>(m_controls[i]), 0);
        }
    } else if (i < Controls::Count && Controls::Table[i].kind == Controls::Kind::Button &&
               code == BN_CLICKED) {
        DestroyWindow(m_window); // ends the program, status 0
    }
}

namespace {

// Loaded when a screen reader first asks, so that a program nobody reads
// aloud never loads COM at all.
template <typename Function>
Function* systemFunction(const wchar_t* library, const char* name)
{
    HMODULE module = LoadLibraryW(library);
    FARPROC function = module ? GetProcAddress(module, name) : nullptr;
    return reinterpret_cast<Function*>(reinterpret_cast<void (*)()>(function));
}

} // namespace

// Screen readers read a box by the label before it; ours follow their boxes,
// so each box is named explicitly, and described, as in the Qt window.
void Form1::describeControls()
{
    m_described = true;
    const auto initialize =
        systemFunction<decltype(CoInitializeEx)>(L"ole32.dll", "CoInitializeEx");
    const auto create =
        systemFunction<decltype(CoCreateInstance)>(L"ole32.dll", "CoCreateInstance");
    IAccPropServices* services = nullptr;
    if (!initialize || !create || FAILED(initialize(nullptr, COINIT_APARTMENTTHREADED)) ||
        FAILED(create(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                      reinterpret_cast<void**>(&services)))) {
        return; // no accessibility services: nothing to annotate
    }
    for (const ControlText& text : ControlTexts(m_instance, m_controls)) {
        services->SetHwndPropStr(text.control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                 PROPID_ACC_NAME, text.name.c_str());
        services->SetHwndPropStr(text.control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                 PROPID_ACC_DESCRIPTION, text.description.c_str());
    }
    services->Release();
}
