// What Windows tells Form1, turned into the behaviour's events, and the
// drawing and settings that are the window's own.
#include "runtime/win32/AppMode.h"
#include "runtime/win32/Locale.h"
#include "window/win32/ControlTexts.h"
#include "window/win32/Form1.h"

#include <commctrl.h>

int Form1::Run()
{
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (message.message == WM_KEYDOWN &&
            (message.wParam == VK_RETURN || message.wParam == VK_ESCAPE) &&
            IsChild(m_window, message.hwnd)) {
            m_behaviour.keyPressed(message.wParam == VK_RETURN ? Key::Enter : Key::Escape,
                                   inputRow(message.hwnd));
            continue;
        }
        // Tab and Shift+Tab; a box the focus reaches meanwhile was tabbed into.
        const bool tab = message.message == WM_KEYDOWN && message.wParam == VK_TAB;
        m_entering = tab ? Entry::Tab : Entry::Program;
        const bool handled = IsDialogMessageW(m_window, &message);
        m_entering = Entry::Program;
        if (handled) {
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

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
    if (message == WM_GETOBJECT) {
        form->describeOnFirstQuestion();
    }
    // A focus that arrives while the button goes down came with a click.
    if (message == WM_LBUTTONDOWN) {
        form->m_entering = Entry::Click;
    }
    const LRESULT result = DefSubclassProc(control, message, wParam, lParam);
    if (message == WM_LBUTTONDOWN) {
        form->m_entering = Entry::Program;
    } else if (message == WM_LBUTTONUP) {
        if (const auto row = form->inputRow(control)) {
            form->m_behaviour.inputClicked(*row);
        }
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
        describeOnFirstQuestion();
        break;
    case WM_TIMER:
        if (onTimer(wParam)) {
            return 0;
        }
        break;
    case EnteredMessage:
        m_behaviour.inputEntered(static_cast<Row>(wParam), static_cast<Entry>(lParam));
        return 0;
    case StartedAgainMessage:
        if (m_ending) {
            return 0;
        }
        bringForward();
        m_behaviour.startedAgain();
        return StartedAgainAnswer;
    case WM_ACTIVATE:
        onActivate(LOWORD(wParam) != WA_INACTIVE);
        return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
        if (const HBRUSH brush =
                controlColours(reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam))) {
            return reinterpret_cast<LRESULT>(brush);
        }
        break;
    case WM_SYSCOMMAND:
        if ((wParam & 0xfff0u) == KeepOnTopCommand) {
            m_behaviour.keepOnTopToggled();
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
        onSettingChange(wParam, lParam);
        break;
    case WM_ERASEBKGND:
        if (m_colours.eraseWindow(m_window, reinterpret_cast<HDC>(wParam))) {
            return 1;
        }
        break;
    case WM_NOTIFY:
        return onNotify(*reinterpret_cast<const NMHDR*>(lParam));
    case WM_CLOSE:
        m_behaviour.closeRequested();
        return 0;
    case WM_ENDSESSION:
        if (wParam) {
            m_behaviour.sessionEnding();
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
    if (timer == TypingPauseTimer) {
        KillTimer(m_window, TypingPauseTimer);
        m_behaviour.typingPaused();
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
    // Windows gives the focus back to no control of a window that is not a
    // dialog: the window does, and the box it reaches learns that the window
    // came back.
    m_entering = Entry::WindowBack;
    SetFocus(m_lastFocus ? m_lastFocus : m_controls[Controls::Of(Controls::StartsWithFocus).input]);
    m_entering = Entry::Program;
}

HBRUSH Form1::controlColours(HWND control, HDC dc) const
{
    const LONG_PTR kind = GetWindowLongPtrW(control, GWLP_USERDATA) - 1;
    return GetParent(control) == m_window && kind >= 0
               ? m_colours.control(static_cast<Controls::Kind>(kind), dc)
               : nullptr;
}

// The button in the dark scheme is drawn by the window.
LRESULT Form1::onNotify(const NMHDR& header)
{
    if (header.code == NM_CUSTOMDRAW && header.hwndFrom == m_controls[Controls::ExitButton]) {
        return m_colours.drawButton(header, m_font);
    }
    return 0;
}

void Form1::onColoursChanged(UINT message, WPARAM wParam, LPARAM lParam)
{
    // Common controls learn of new colours only from their parent.
    for (HWND child = GetWindow(m_window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        SendMessageW(child, message, wParam, lParam);
    }
    applyColours();
}

void Form1::onSettingChange(WPARAM setting, LPARAM name)
{
    // The user may change any of these while we run.
    m_decimalPoint = Runtime::Win32::DecimalPoint();
    if (setting == SPI_SETHIGHCONTRAST || Runtime::Win32::NamesAppMode(name)) {
        applyColours();
    } else if (setting == SPI_SETNONCLIENTMETRICS || setting == SPI_SETICONTITLELOGFONT) {
        applyDpi(m_dpi, nullptr); // a new message font ("Make text bigger")
    }
}

// A control's notification names the control itself: no lookup by id, which
// under Wine asks the server, on every keystroke.
void Form1::onCommand(HWND control, int code)
{
    if (code == BN_CLICKED && control == m_controls[Controls::ExitButton]) {
        m_behaviour.exitPressed();
        return;
    }
    const std::optional<Row> row = inputRow(control);
    if (!row) {
        return; // a result box: the program never reacts to it
    }
    if (code == EN_CHANGE) {
        m_behaviour.inputChanged(*row, m_decimalPoint);
    } else if (code == EN_SETFOCUS) {
        // After the dialog manager's own selection of a box it tabs into,
        // which comes after this notification.
        PostMessageW(m_window, EnteredMessage, static_cast<WPARAM>(*row),
                     static_cast<LPARAM>(m_entering));
    }
}

void Form1::describeOnFirstQuestion()
{
    if (!m_described) {
        m_described = true; // before the system answers the question
        DescribeControls(m_instance, m_controls);
    }
}
