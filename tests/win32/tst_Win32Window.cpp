// The Win32 window made in this process, so that the desktop's settings can
// be changed under it and the window read back: colour schemes, the message
// font, a DPI change, what a screen reader hears, and Keep on top. Every
// setting changed is restored.
#include "runtime/win32/Dpi.h"
#include "runtime/win32/Notification.h"
#include "runtime/win32/SingleInstance.h"
#include "window/Contrast.h"
#include "window/FormDesign.h"
#include "window/win32/ControlTexts.h"
#include "window/win32/Form1.h"

#include <commctrl.h>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>
#include <windows.h>

namespace {

int passes = 0;
int failures = 0;

void check(bool ok, const std::string& what)
{
    ok ? ++passes : ++failures;
    if (!ok) {
        std::printf("FAIL: %s\n", what.c_str());
    }
}

// Lets the window handle what the change sent or posted it, and what that
// brought in turn: until no message has come for a while, for two seconds
// at most.
void settle()
{
    const ULONGLONG deadline = GetTickCount64() + 2000;
    constexpr DWORD quiet = 50; // ms without a message that count as settled
    do {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    } while (MsgWaitForMultipleObjects(0, nullptr, FALSE, quiet, QS_ALLINPUT) != WAIT_TIMEOUT &&
             GetTickCount64() < deadline);
}

// Handles the window's messages until `done` or for `ms` at most; whether
// `done` came true.
template <typename Done>
bool pumpUntil(Done done, DWORD ms)
{
    const ULONGLONG deadline = GetTickCount64() + ms;
    while (!done() && GetTickCount64() < deadline) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return done();
}

// The first top-level window of this thread that `matches`.
HWND threadWindow(bool (*matches)(HWND))
{
    struct Search {
        bool (*matches)(HWND);
        HWND found;
    } search{matches, nullptr};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM data) {
            auto* s = reinterpret_cast<Search*>(data);
            s->found = s->matches(window) ? window : nullptr;
            return s->found ? FALSE : TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// The window whose caption is the design's title.
HWND formWindow()
{
    return threadWindow([](HWND window) {
        wchar_t caption[64] = L"";
        GetWindowTextW(window, caption, 64);
        return std::wstring(FormDesign::Title.begin(), FormDesign::Title.end()) == caption;
    });
}

// The window's tooltip control.
HWND toolTips()
{
    return threadWindow([](HWND window) {
        wchar_t kind[32] = L"";
        GetClassNameW(window, kind, 32);
        return lstrcmpiW(kind, TOOLTIPS_CLASSW) == 0;
    });
}

// A control of the window by its number in the table of controls.
HWND control(Controls::Index index)
{
    return GetDlgItem(formWindow(), Controls::Number(index));
}

// The line, which has no number: the child that carries its kind.
HWND lineControl()
{
    HWND found = nullptr;
    EnumChildWindows(
        formWindow(),
        [](HWND child, LPARAM out) -> BOOL {
            if (GetWindowLongPtrW(child, GWLP_USERDATA) !=
                static_cast<LONG_PTR>(Controls::Kind::Line) + 1) {
                return TRUE;
            }
            *reinterpret_cast<HWND*>(out) = child;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

Contrast::Rgb rgb(COLORREF colour)
{
    return {GetRValue(colour), GetGValue(colour), GetBValue(colour)};
}

// The box's background as painted, beside its text.
COLORREF paintedBackground(HWND box)
{
    RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    settle();
    RECT client{};
    GetClientRect(box, &client);
    HDC dc = GetDC(box);
    const COLORREF colour = GetPixel(dc, client.right - 4, client.bottom / 2);
    ReleaseDC(box, dc);
    return colour;
}

SIZE clientSize(HWND window)
{
    RECT r{};
    GetClientRect(window, &r);
    return {r.right, r.bottom};
}

// The client area's size and every control's place in it.
std::vector<long> places(HWND window)
{
    const SIZE client = clientSize(window);
    std::vector<long> all{client.cx, client.cy};
    for (HWND c = GetWindow(window, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        RECT r{};
        GetWindowRect(c, &r);
        MapWindowPoints(HWND_DESKTOP, window, reinterpret_cast<POINT*>(&r), 2);
        all.insert(all.end(), {r.left, r.top, r.right, r.bottom});
    }
    return all;
}

std::wstring text(HWND window)
{
    wchar_t buffer[256] = L"";
    GetWindowTextW(window, buffer, 256);
    return buffer;
}

// Whether a label's text fits in it, in its own font.
bool labelFits(HWND label)
{
    const std::wstring content = text(label);
    HDC dc = GetDC(label);
    const HGDIOBJ old =
        SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(label, WM_GETFONT, 0, 0)));
    SIZE extent{};
    GetTextExtentPoint32W(dc, content.c_str(), static_cast<int>(content.size()), &extent);
    SelectObject(dc, old);
    ReleaseDC(label, dc);
    RECT room{};
    GetClientRect(label, &room);
    return extent.cx <= room.right - room.left;
}

// Whether an edit control shows its whole text, by its own account: the
// character it finds at the right end of its text area is past the last one.
bool editShowsAll(HWND edit)
{
    RECT format{};
    SendMessageW(edit, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
    const auto at = static_cast<DWORD>(SendMessageW(
        edit, EM_CHARFROMPOS, 0, MAKELPARAM(format.right - 1, (format.top + format.bottom) / 2)));
    return LOWORD(at) >= GetWindowTextLengthW(edit);
}

bool allLabelsFit(HWND form)
{
    bool fit = true;
    for (HWND child = GetWindow(form, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t kind[16] = L"";
        GetClassNameW(child, kind, 16);
        if (lstrcmpiW(kind, L"Static") == 0 && !text(child).empty()) {
            fit = fit && labelFits(child);
        }
    }
    return fit;
}

// Whether `a` is above `b` in the desktop's z-order.
bool above(HWND a, HWND b)
{
    for (HWND w = GetTopWindow(nullptr); w; w = GetWindow(w, GW_HWNDNEXT)) {
        if (w == a || w == b) {
            return w == a;
        }
    }
    return false;
}

void colourSchemes()
{
    const int elements[] = {COLOR_WINDOW, COLOR_WINDOWTEXT, COLOR_3DLIGHT, COLOR_BTNFACE};
    COLORREF saved[4];
    for (int i = 0; i < 4; ++i) {
        saved[i] = GetSysColor(elements[i]);
    }
    const struct {
        const char* name;
        COLORREF colours[4];
    } schemes[] = {
        {"dark high contrast",
         {RGB(0, 0, 0), RGB(255, 255, 255), RGB(192, 192, 192), RGB(0, 0, 0)}},
        {"light shade equal to the window",
         {RGB(255, 255, 255), RGB(0, 0, 0), RGB(255, 255, 255), RGB(240, 240, 240)}},
        {"the original scheme", {saved[0], saved[1], saved[2], saved[3]}},
    };
    const HWND result = control(Controls::Text2);
    for (const auto& scheme : schemes) {
        SetSysColors(4, elements, scheme.colours); // broadcasts WM_SYSCOLORCHANGE
        settle();
        const Contrast::Rgb shade = rgb(paintedBackground(result));
        check(Contrast::Ratio(shade, rgb(GetSysColor(COLOR_WINDOWTEXT))) >=
                  Contrast::MinimumTextRatio,
              std::string(scheme.name) + ": result text readable on its shade");
        check(Contrast::Ratio(shade, rgb(GetSysColor(COLOR_WINDOW))) >=
                  Contrast::MinimumShadeRatio - 0.01,
              std::string(scheme.name) + ": result shade apart from the input boxes");
    }
}

// Wine broadcasts the change only when it is also saved.
constexpr UINT Broadcast = SPIF_SENDCHANGE | SPIF_UPDATEINIFILE;

void messageFont()
{
    NONCLIENTMETRICSW saved{};
    saved.cbSize = sizeof saved;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof saved, &saved, 0);
    const SIZE before = clientSize(formWindow());
    const std::vector<long> placesBefore = places(formWindow());
    NONCLIENTMETRICSW larger = saved;
    larger.lfMessageFont.lfHeight = saved.lfMessageFont.lfHeight * 2;
    SystemParametersInfoW(SPI_SETNONCLIENTMETRICS, sizeof larger, &larger, Broadcast);
    settle();
    const SIZE grown = clientSize(formWindow());
    check(grown.cx > before.cx * 3 / 2 && grown.cy > before.cy * 3 / 2,
          "a larger message font grows the window");
    check(allLabelsFit(formWindow()), "a larger message font: every label fits");
    SetWindowTextW(control(Controls::Text1), L"123456");
    settle();
    const HWND result = control(Controls::Text2);
    check(text(result) == L"4860462.72" && editShowsAll(result),
          "a larger message font: a 10-character result fits");
    SystemParametersInfoW(SPI_SETNONCLIENTMETRICS, sizeof saved, &saved, Broadcast);
    settle();
    // Laid out again, not made: the same places as at the start.
    check(places(formWindow()) == placesBefore,
          "the window and every control return to their places with the font");
}

// The tooltip a result box carries, from the window's tooltip control.
std::wstring toolTip(HWND form, HWND box)
{
    HWND tips = toolTips();
    wchar_t buffer[80] = L"";
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = form;
    tool.uId = reinterpret_cast<UINT_PTR>(box);
    tool.lpszText = buffer;
    SendMessageW(tips, TTM_GETTEXTW, std::size(buffer), reinterpret_cast<LPARAM>(&tool));
    return buffer;
}

// A long result that shows whole in a small message font, and not in the
// usual one: its tooltip follows the font, with no new edit.
void toolTipFollowsTheFont()
{
    NONCLIENTMETRICSW saved{};
    saved.cbSize = sizeof saved;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof saved, &saved, 0);
    NONCLIENTMETRICSW smaller = saved;
    smaller.lfMessageFont.lfHeight = saved.lfMessageFont.lfHeight / 2;
    SystemParametersInfoW(SPI_SETNONCLIENTMETRICS, sizeof smaller, &smaller, Broadcast);
    settle();
    SetWindowTextW(control(Controls::Text1), L"123456789");
    settle();
    const HWND result = control(Controls::Text2);
    check(text(result) == L"4860493782.93" && editShowsAll(result) &&
              toolTip(formWindow(), result).empty(),
          "a small message font: a 13-character result shows whole, with no tooltip");
    SystemParametersInfoW(SPI_SETNONCLIENTMETRICS, sizeof saved, &saved, Broadcast);
    settle();
    check(!editShowsAll(result) && toolTip(formWindow(), result) == text(result),
          "the usual font again: the result no longer shows whole and is in its tooltip");
    SetWindowTextW(control(Controls::Text1), L"0");
    settle();
}

void dpiChange()
{
    const HWND box = control(Controls::Text1);
    const auto width = [box] {
        RECT r{};
        GetWindowRect(box, &r);
        return r.right - r.left;
    };
    const int at96 = width();
    for (const UINT dpi : {120u, 144u, 168u, 192u, 96u}) {
        RECT frame{};
        GetWindowRect(formWindow(), &frame);
        RECT suggested{100, 80, 100 + MulDiv(frame.right - frame.left, static_cast<int>(dpi), 96),
                       80 + MulDiv(frame.bottom - frame.top, static_cast<int>(dpi), 96)};
        SendMessageW(formWindow(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                     reinterpret_cast<LPARAM>(&suggested));
        settle();
        RECT now{};
        GetWindowRect(formWindow(), &now);
        check(now.left == 100 && now.top == 80, "the window takes the suggested place");
        const double ratio = width() / static_cast<double>(at96);
        const double want = dpi / 96.0;
        // By the DPI, give or take what the font's size at that DPI rounds
        // to: within 5 % below and 10 % above.
        check(ratio > want * 0.95 && ratio < want * 1.1,
              "at " + std::to_string(dpi) + " dpi the layout scales by " + std::to_string(want) +
                  " (" + std::to_string(ratio) + ")");
        // The line: all of its place inked from end to end, a design pixel
        // at this DPI, give or take one.
        const HWND line = lineControl();
        RECT place{};
        GetClientRect(line, &place);
        HDC dc = GetDC(formWindow());
        const Contrast::Rgb window = rgb(GetPixel(dc, 2, 2));
        ReleaseDC(formWindow(), dc);
        dc = GetDC(line);
        int inked = 0;
        for (int y = 0; y < place.bottom; ++y) {
            bool whole = true;
            for (int x = 0; x < place.right && whole; x += 3) {
                whole = Contrast::Ratio(rgb(GetPixel(dc, x, y)), window) >= 3;
            }
            inked += whole ? 1 : 0;
        }
        ReleaseDC(line, dc);
        check(inked >= 1 && inked == place.bottom && std::abs(inked - want) <= 1,
              "at " + std::to_string(dpi) + " dpi the line is " + std::to_string(inked) +
                  " px thick, of its place's " + std::to_string(place.bottom));
    }
}

// Where the window's DPI comes from, on each Windows: the program's own
// lookup, as each Windows answers it (the real functions where it has them),
// finds the window's own DPI (10), else its monitor's (8.1), else the
// session's (7), and loads shcore only where user32 does not tell.
int pretendVersion = 0; // 70, 81 or 100
std::string lookedFor;
FARPROC asPretended(const wchar_t* library, const char* name)
{
    lookedFor += std::string(name) + ' ';
    const std::string_view function(name);
    if ((function == "GetDpiForWindow" && pretendVersion < 100) ||
        (function == "GetDpiForMonitor" && pretendVersion < 81)) {
        return nullptr;
    }
    return Runtime::Win32::SystemLookup(library, name);
}

void dpiSources()
{
    namespace W = Runtime::Win32;
    const HMONITOR monitor = MonitorFromWindow(formWindow(), MONITOR_DEFAULTTONEAREST);
    const auto realForWindow = reinterpret_cast<decltype(W::DpiSources::forWindow)>(
        reinterpret_cast<void (*)()>(W::SystemLookup(L"user32.dll", "GetDpiForWindow")));
    const auto realForMonitor = reinterpret_cast<decltype(W::DpiSources::forMonitor)>(
        reinterpret_cast<void (*)()>(W::SystemLookup(L"shcore.dll", "GetDpiForMonitor")));
    check(realForWindow && realForMonitor, "Wine has both DPI functions");
    UINT monitorDpi = 0;
    UINT unused = 0;
    if (realForMonitor) {
        realForMonitor(monitor, 0, &monitorDpi, &unused);
    }
    W::DpiSources& sources = W::WindowDpiSources();
    const W::DpiSources program = sources;
    check(program.forWindow == realForWindow && !program.forMonitor,
          "the program's sources on this Windows: the window's own DPI alone");
    const auto monitorFails = [](HMONITOR, int, UINT*, UINT*) -> HRESULT { return E_FAIL; };
    const struct {
        const char* name;
        int version;
        const char* lookedFor;
        HWND window;
        UINT dpi;
        bool monitorFails;
    } cases[] = {
        {"Windows 10: the window's own", 100, "GetDpiForWindow ", formWindow(),
         realForWindow ? realForWindow(formWindow()) : 0, false},
        {"Windows 10, no such window: the session's", 100, "GetDpiForWindow ", nullptr,
         W::SystemDpi(), false},
        {"Windows 8.1: its monitor's", 81, "GetDpiForWindow GetDpiForMonitor ", formWindow(),
         monitorDpi, false},
        {"Windows 8.1, a monitor that cannot tell: the session's", 81,
         "GetDpiForWindow GetDpiForMonitor ", formWindow(), W::SystemDpi(), true},
        {"Windows 7: the session's", 70, "GetDpiForWindow GetDpiForMonitor ", formWindow(),
         W::SystemDpi(), false},
    };
    for (const auto& c : cases) {
        pretendVersion = c.version;
        lookedFor.clear();
        sources = W::FindDpiSources(asPretended);
        const bool found = sources.forWindow == (c.version >= 100 ? realForWindow : nullptr) &&
                           sources.forMonitor == (c.version == 81 ? realForMonitor : nullptr);
        if (c.monitorFails) {
            sources.forMonitor = monitorFails;
        }
        const UINT dpi = W::WindowDpi(c.window);
        check(found && lookedFor == c.lookedFor && dpi == c.dpi && dpi > 0,
              std::string("the window's DPI, ") + c.name + ": " + std::to_string(dpi) +
                  ", looked for " + lookedFor);
    }
    sources = program;
}

// Wine's accessibility proxies ignore dynamic annotation, so what a screen
// reader would hear is read from the texts the window annotates with; the
// window menu is read as it is.
void texts(bool chinese)
{
    ControlHandles controls{};
    for (std::size_t i = 0; i < Controls::Count; ++i) {
        controls[i] =
            Controls::TakesFocus(i) ? GetDlgItem(formWindow(), Controls::Number(i)) : nullptr;
    }
    const struct {
        HWND control;
        const wchar_t* name[2]; // English, Chinese
        const wchar_t* descriptionStart[2];
    } expected[] = {
        {controls[Controls::Text1],
         {L"Millimetres", L"\u516c\u91d0"},
         {L"Type a length in millimetres.", L"\u8f38\u5165\u4ee5\u516c\u91d0"}},
        {controls[Controls::Text2],
         {L"Mils result", L"mil \u63db\u7b97\u7d50\u679c"},
         {L"The length typed in millimetres, in mils", L"\u4ee5\u516c\u91d0\u8f38\u5165"}},
        {controls[Controls::Text3],
         {L"Mils", L"mil"},
         {L"Type a length in mils.", L"\u8f38\u5165\u4ee5 mil"}},
        {controls[Controls::Text4],
         {L"Millimetres result", L"\u516c\u91d0\u63db\u7b97\u7d50\u679c"},
         {L"The length typed in mils, in millimetres", L"\u4ee5 mil \u8f38\u5165"}},
        {controls[Controls::Command1],
         {L"Exit", L"\u96e2\u958b"},
         {L"Ends Zandrel;", L"\u7d50\u675f Zandrel"}},
    };
    const auto texts = ControlTexts(GetModuleHandleW(nullptr), controls);
    const std::string language = chinese ? "zh_TW" : "English";
    for (const auto& want : expected) {
        const ControlText* got = nullptr;
        for (const ControlText& text : texts) {
            got = text.control == want.control ? &text : got;
        }
        const std::string what =
            language + ", control " + std::to_string(GetDlgCtrlID(want.control));
        check(got && got->name == want.name[chinese], what + ": name");
        check(got && got->description.rfind(want.descriptionStart[chinese], 0) == 0,
              what + ": description");
    }
    wchar_t menuText[64] = L"";
    GetMenuStringW(GetSystemMenu(formWindow(), FALSE), Form1::KeepOnTopCommand, menuText, 64,
                   MF_BYCOMMAND);
    check(std::wstring(menuText) ==
              (chinese ? L"\u4fdd\u6301\u5728\u6700\u4e0a\u5c64" : L"Keep on top"),
          language + ": the window menu's Keep on top");
}

// Another program's window, over the form.
HWND otherWindow()
{
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"OtherProgram";
    RegisterClassW(&windowClass);
    return CreateWindowExW(0, L"OtherProgram", L"Another program", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                           0, 0, 400, 300, nullptr, nullptr, windowClass.hInstance, nullptr);
}

void keepOnTop()
{
    const HWND other = otherWindow();
    // Another program coming to the front, as a click on it brings it.
    const auto raise = [](HWND window) {
        SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        SetForegroundWindow(window);
        settle();
    };
    const HMENU menu = GetSystemMenu(formWindow(), FALSE);
    for (const bool onTop : {true, false}) {
        raise(formWindow()); // the window menu is the active window's
        SendMessageW(formWindow(), WM_SYSCOMMAND, Form1::KeepOnTopCommand, 0);
        raise(other);
        const std::string state = onTop ? "chosen" : "chosen again";
        check(above(formWindow(), other) == onTop, "Keep on top " + state + ": the window is " +
                                                       (onTop ? "above" : "below") +
                                                       " another one activated over it");
        check(((GetMenuState(menu, Form1::KeepOnTopCommand, MF_BYCOMMAND) & MF_CHECKED) != 0) ==
                  onTop,
              "Keep on top " + state + ": the menu item's check");
    }
    DestroyWindow(other);
}

// Started again, the program brings this window forward from behind another
// program's or from the taskbar, the mil input entered as by the program;
// Wine's X11 driver shows the first only to a window manager that is asked
// by other means, so it is checked here, on Windows' side.
void startedAgain()
{
    const Runtime::Win32::SingleInstance first(L"zandrel.test"), second(L"zandrel.test");
    check(first.first() && !second.first(), "a second start in the session is not the first");
    const HWND other = otherWindow();
    const HWND input = control(Controls::Text3);
    for (const bool minimised : {false, true}) {
        SetFocus(input);
        SetWindowTextW(input, L"1000");
        SendMessageW(input, EM_SETSEL, 4, 4);
        SetForegroundWindow(other);
        if (minimised) {
            ShowWindow(formWindow(), SW_MINIMIZE);
        }
        settle();
        const bool answered = Runtime::Win32::SingleInstance::BringForward(
            Form1::WindowClass, Form1::StartedAgainMessage, Form1::StartedAgainAnswer);
        settle();
        DWORD start = 1;
        DWORD end = 0;
        SendMessageW(input, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                     reinterpret_cast<LPARAM>(&end));
        const std::string how = minimised ? "minimised" : "behind another window";
        check(answered && GetForegroundWindow() == formWindow() && !IsIconic(formWindow()),
              how + ": started again, the window comes forward");
        check(GetFocus() == input && start == 0 && end == 4,
              how + ": the mil input, 1000 selected");
    }
    DestroyWindow(other);
}

// What announcements() heard.
std::vector<Runtime::Win32::Notification> heard;

// What a screen reader hears while the user types, through the one place
// the window raises its notifications: the result that stands once typing
// pauses, with its unit, on the result box, superseding what came before,
// while the focus stays in the input.
void announcements()
{
    const auto system = Runtime::Win32::RaiseNotification;
    Runtime::Win32::RaiseNotification = [](const Runtime::Win32::Notification& n) {
        heard.push_back(n);
        return true;
    };
    const auto type = [](Controls::Index box, std::wstring_view keys, DWORD gap) {
        SetFocus(control(box));
        settle();
        SetWindowTextW(control(box), L"");
        for (const wchar_t key : keys) {
            SendMessageW(control(box), WM_CHAR, key, 0);
            pumpUntil([] { return false; }, gap);
        }
    };
    const auto last = [] { return heard.empty() ? std::wstring() : heard.back().text; };

    type(Controls::Text3, L"5", 0);
    pumpUntil([] { return !heard.empty(); }, 2000);
    check(heard.size() == 1 && last() == L"0.127 mm", "5 mil: one announcement of 0.127 mm");
    check(!heard.empty() && heard[0].control == control(Controls::Text4) &&
              heard[0].kind == Runtime::Win32::NotificationKindActionCompleted &&
              heard[0].processing == Runtime::Win32::NotificationProcessingMostRecent,
          "raised on the result box, as a completed action, the most recent only");
    check(GetFocus() == control(Controls::Text3), "the focus stays in the mil input");

    heard.clear();
    type(Controls::Text1, L"25.4", 120);
    pumpUntil([&last] { return last() == L"1000.00 mil"; }, 2000);
    pumpUntil([] { return false; }, 600); // anything further would come by now
    check(!heard.empty() && heard.size() <= 2 && last() == L"1000.00 mil",
          "25.4 mm at 120 ms a key: at most two announcements, the last 1000.00 mil; heard " +
              std::to_string(heard.size()));

    heard.clear();
    type(Controls::Text1, L"x", 0);
    pumpUntil([] { return !heard.empty(); }, 1000);
    check(heard.empty(), "x: nothing announced");
    Runtime::Win32::RaiseNotification = system;
}

// The user's app mode while the program runs, as Settings sets it and tells
// every window; high contrast wins over it.
void appMode()
{
    const auto tell = [](DWORD light) {
        RegSetKeyValueW(HKEY_CURRENT_USER,
                        L"Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize",
                        L"AppsUseLightTheme", REG_DWORD, &light, sizeof light);
        SendMessageTimeoutW(HWND_BROADCAST, WM_SETTINGCHANGE, 0,
                            reinterpret_cast<LPARAM>(L"ImmersiveColorSet"), SMTO_NORMAL, 2000,
                            nullptr);
        settle();
    };
    // Wine keeps no high-contrast setting: a scheme of black on white, such
    // as Windows' own high-contrast white, stands for it.
    const int elements[] = {COLOR_WINDOW, COLOR_WINDOWTEXT, COLOR_3DFACE, COLOR_BTNTEXT};
    COLORREF saved[4];
    for (int i = 0; i < 4; ++i) {
        saved[i] = GetSysColor(elements[i]);
    }
    const auto highContrast = [&](bool on) {
        const COLORREF white[] = {RGB(255, 255, 255), RGB(0, 0, 0), RGB(255, 255, 255),
                                  RGB(0, 0, 0)};
        SetSysColors(4, elements, on ? white : saved); // broadcasts WM_SYSCOLORCHANGE
        settle();
    };
    const auto dark = [](HWND control) {
        return Contrast::RelativeLuminance(rgb(paintedBackground(control))) < 0.05;
    };
    const HWND input = control(Controls::Text1);
    const HWND result = control(Controls::Text2);
    const HWND button = control(Controls::Command1);
    const auto windowDark = [] {
        RECT client{};
        GetClientRect(formWindow(), &client);
        HDC dc = GetDC(formWindow());
        const COLORREF colour = GetPixel(dc, 4, client.bottom - 4);
        ReleaseDC(formWindow(), dc);
        return Contrast::RelativeLuminance(rgb(colour)) < 0.05;
    };
    const auto toolTipDark = [] {
        HWND tips = toolTips();
        const auto colour = static_cast<COLORREF>(SendMessageW(tips, TTM_GETTIPBKCOLOR, 0, 0));
        return tips && Contrast::RelativeLuminance(rgb(colour)) < 0.05;
    };
    tell(0);
    check(windowDark(), "app mode dark while running: the window");
    check(dark(input), "app mode dark while running: the input box");
    check(dark(button), "app mode dark while running: the button");
    check(toolTipDark(), "app mode dark while running: the tooltip");
    const Contrast::Rgb shade = rgb(paintedBackground(result));
    check(Contrast::Ratio(shade, rgb(paintedBackground(input))) >= Contrast::MinimumShadeRatio &&
              !dark(result),
          "app mode dark: the result stands apart from the input");
    highContrast(true);
    check(!windowDark(), "high contrast wins over the dark app mode: window");
    check(!dark(input), "high contrast wins over the dark app mode: input");
    highContrast(false);
    check(windowDark() && dark(input), "high contrast off: dark again");
    tell(1);
    check(!windowDark() && !dark(input) && !dark(button) && !toolTipDark(),
          "app mode light again: the window, the input box, the button, the tooltip");
}

} // namespace

// The argument is the language Wine runs in (LANG): with zh_TW the texts
// must be Traditional Chinese, with any other English. The desktop's
// settings are changed in the English run only: the layout's figures are
// those of the fonts Wine picks for English.
int main(int argc, char** argv)
{
    const std::string language = argc > 1 ? argv[1] : "en_US";
    // Per-monitor aware, as the exe's manifest makes the program; newer than
    // the Windows 7 API the window is built against.
    using SetContext = HANDLE WINAPI(HANDLE);
    if (const auto set = reinterpret_cast<SetContext*>(reinterpret_cast<void (*)()>(
            GetProcAddress(GetModuleHandleW(L"user32.dll"), "SetThreadDpiAwarenessContext")))) {
        set(reinterpret_cast<HANDLE>(-4)); // DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2
    }
    Form1 form(GetModuleHandleW(nullptr));
    check(form.Load(), "the window is made");
    settle();
    texts(language == "zh_TW");
    if (language == "en_US") {
        colourSchemes();
        messageFont();
        toolTipFollowsTheFont();
        dpiChange();
        dpiSources();
        keepOnTop();
        startedAgain();
        announcements();
        appMode();
    }
    // The session ending ends the program: the window goes.
    const HWND window = formWindow();
    SendMessageW(window, WM_ENDSESSION, TRUE, 0);
    check(!IsWindow(window), "the session's end closes the window");
    std::printf("%d passed, %d failed\n", passes, failures);
    return failures == 0 ? 0 : 1;
}
