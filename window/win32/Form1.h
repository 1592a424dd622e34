#pragma once

#include "window/ConversionRow.h"
#include "window/win32/EditBox.h"
#include "window/win32/Layout.h"
#include "window/win32/WindowsClipboard.h"

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <windows.h>

// The program's one window on Win32: two conversion rows, millimetres to
// mils above and mils to millimetres below, separated by a line, and an
// exit button; the same behaviour as the Qt window, through window/.
class Form1
{
public:
    explicit Form1(HINSTANCE instance);
    ~Form1();
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    // Creates and shows the window, then puts the caret into the mil input
    // with its text selected. False if the window could not be created.
    bool Load();
    // Runs the window until the program ends; returns the exit status.
    int Run();
    [[nodiscard]] HWND handle() const { return m_window; }

    // The window menu's "Keep on top"; system menu ids are multiples of 16.
    static constexpr UINT KeepOnTopCommand = 0x0100;
    // The ids of the controls that take the focus (Layout.h).
    enum ControlIdOf : int {
        IdText1 = ControlId(Controls::Text1),
        IdText2 = ControlId(Controls::Text2),
        IdText3 = ControlId(Controls::Text3),
        IdText4 = ControlId(Controls::Text4),
        IdCommand1 = ControlId(Controls::Command1),
    };

private:
    // After the dialog manager's own selection of a box it tabs into.
    static constexpr UINT SelectEntryMessage = WM_APP + 1;
    static constexpr UINT_PTR FinishTimer = 1;
    static constexpr UINT_PTR ClipboardTimer = 2;
    // How long a result still waiting for the clipboard holds up the end.
    static constexpr DWORD ClipboardFlushMilliseconds = 1000;

    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK controlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam,
                                        UINT_PTR id, DWORD_PTR data);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    bool onTimer(WPARAM timer);
    void onActivate(bool active);
    [[nodiscard]] HBRUSH resultColours(HWND control, HDC dc) const;
    void toggleKeepOnTop();
    void onColoursChanged(UINT message, WPARAM wParam, LPARAM lParam);
    void onSettingChange(WPARAM setting);
    void createControls(UINT dpi);
    void finishAfterFirstPaint();
    void describeControls();
    void applyColours();
    void applyDpi(UINT dpi, const RECT* suggested);
    void fitWindow(SIZE client, const RECT* suggested);
    void onCommand(HWND control, int code);
    // The control's place in the table of controls; Controls::None for a
    // window that is none of them.
    [[nodiscard]] std::size_t indexOf(HWND control) const;
    [[nodiscard]] HWND measuringBox() const;
    void selectEntry(HWND edit);

    HINSTANCE m_instance;
    HWND m_window = nullptr;
    HWND m_toolTips = nullptr;
    ControlHandles m_controls{};
    HFONT m_font = nullptr;
    HBRUSH m_resultBrush = nullptr;
    COLORREF m_resultShade = 0;
    UINT m_dpi = 96;
    // By place in the table; the boxes only.
    std::array<std::unique_ptr<EditBox>, Controls::Count> m_boxes;
    Runtime::Win32::ClipboardWriter m_clipboardWriter{ClipboardTimer};
    WindowsClipboard m_clipboard{m_clipboardWriter};
    // By the place of each row's input box in the table.
    std::array<std::optional<ConversionRow>, Controls::Count> m_rows;
    std::u16string m_decimalPoint;
    HWND m_lastFocus = nullptr;
    bool m_activating = false;
    bool m_onTop = false;
    bool m_described = false;
};
