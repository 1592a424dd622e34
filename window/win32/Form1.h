#pragma once

#include "window/FormBehaviour.h"
#include "window/win32/Colours.h"
#include "window/win32/EditBox.h"
#include "window/win32/Layout.h"
#include "window/win32/WindowsClipboard.h"
#include "window/WindowView.h"

#include <array>
#include <optional>
#include <string>
#include <windows.h>

// The program's one window on Win32: two conversion rows, millimetres to
// mils above and mils to millimetres below, separated by a line, and an
// exit button. It makes, places and draws the controls of the table, and
// reports what happens to them to the window's behaviour, as the Qt window
// does.
class Form1 : private WindowView
{
public:
    explicit Form1(HINSTANCE instance);
    ~Form1() override;
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    // Creates and shows the window; the behaviour then puts the caret into
    // the mil input with its text selected. False if the window could not be
    // created.
    bool Load();
    // Runs the window until the program ends; returns the exit status.
    int Run();

    // The window menu's "Keep on top"; system menu ids are multiples of 16.
    static constexpr UINT KeepOnTopCommand = 0x0100;
    // The class a second start finds the window by, and the message it sends
    // it to come forward.
    // The window answers StartedAgainAnswer once it comes forward; a window
    // on its way out answers 0, and the new start makes a window of its own.
    static constexpr wchar_t WindowClass[] = L"ZandrelForm1";
    static constexpr UINT StartedAgainMessage = WM_APP + 2;
    static constexpr LRESULT StartedAgainAnswer = 1;

private:
    // The focus reached a row's input (wParam: the Row; lParam: how, an
    // Entry), posted so that it comes after the dialog manager's own
    // selection of a box it tabs into.
    static constexpr UINT EnteredMessage = WM_APP + 1;
    static constexpr UINT_PTR FinishTimer = 1;
    static constexpr UINT_PTR ClipboardTimer = 2;
    static constexpr UINT_PTR TypingPauseTimer = 3;
    // How long a result still waiting for the clipboard holds up the end.
    static constexpr DWORD ClipboardFlushMilliseconds = 1000;

    TextBox& input(Row row) override;
    TextBox& result(Row row) override;
    void focusInput(Row row) override;
    void keepOnTop(bool on) override;
    void restartTypingPause(std::chrono::milliseconds pause) override;
    void announce(Row row, std::u16string_view text) override;
    void end() override;

    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK controlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam,
                                        UINT_PTR id, DWORD_PTR data);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    bool onTimer(WPARAM timer);
    void onActivate(bool active);
    void bringForward();
    [[nodiscard]] HBRUSH controlColours(HWND control, HDC dc) const;
    [[nodiscard]] LRESULT onNotify(const NMHDR& header);
    void onColoursChanged(UINT message, WPARAM wParam, LPARAM lParam);
    void onSettingChange(WPARAM setting, LPARAM name);
    void createControls(UINT dpi);
    void finishAfterFirstPaint();
    void applyColours();
    void applyDpi(UINT dpi, const RECT* suggested);
    void fitWindow(SIZE client, const RECT* suggested);
    void onCommand(HWND control, int code);
    // Describes the controls for a screen reader when one first asks.
    void describeOnFirstQuestion();
    // The row whose input this is, if it is one.
    [[nodiscard]] std::optional<Row> inputRow(HWND control) const;
    [[nodiscard]] HWND measuringBox() const;

    HINSTANCE m_instance;
    HWND m_window = nullptr;
    HWND m_toolTips = nullptr;
    ControlHandles m_controls{};
    HFONT m_font = nullptr;
    Colours m_colours;
    UINT m_dpi = 96;
    // By row.
    std::array<EditBox, Controls::RowCount> m_inputs;
    std::array<EditBox, Controls::RowCount> m_results;
    Runtime::Win32::ClipboardWriter m_clipboardWriter{ClipboardTimer};
    WindowsClipboard m_clipboard{m_clipboardWriter};
    // Made with the window object, its boxes' controls attached later: every
    // message the window gets has a behaviour to go to.
    FormBehaviour m_behaviour{static_cast<WindowView&>(*this), m_clipboard};
    std::u16string m_decimalPoint;
    // The control, of any kind, that had the focus when the window was last
    // left: Windows gives a window that is not a dialog no focus back, so
    // the window does, as Qt does. A second start goes by the behaviour's
    // input last entered instead, which this may be another control than.
    HWND m_lastFocus = nullptr;
    // How a focus that arrives now got there: Tab while the dialog manager
    // handles the key, a click while a box handles the button.
    Entry m_entering = Entry::Program;
    bool m_described = false;
    // The end was asked for: the window no longer comes forward for a start.
    bool m_ending = false;
};
