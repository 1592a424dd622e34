// Another program, for the Windows end-to-end test and the screenshots: it
// holds the clipboard open, as clipboard history or remote-desktop sync does,
// reads Zandrel's boxes from outside and opens its window menu. Commands, one
// a line on standard input:
//   hold          opens the clipboard and keeps it open; answers "held"
//   release       closes it; answers "released"
//   text ID       answers the text of Zandrel's control ID
//   menu          opens Zandrel's window menu, as Alt+Space would; answers "menu"
// The clipboard is closed at the end of input.
#include <cstdio>
#include <cstring>
#include <windows.h>

namespace {

void answer(const char* text)
{
    std::printf("%s\n", text);
    std::fflush(stdout);
}

void controlText(int id)
{
    const HWND form = FindWindowW(L"ZandrelForm1", nullptr);
    const HWND control = form ? GetDlgItem(form, id) : nullptr;
    wchar_t text[64] = L"";
    if (control) {
        SendMessageW(control, WM_GETTEXT, 64, reinterpret_cast<LPARAM>(text));
    }
    char utf8[256] = "";
    WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof utf8, nullptr, nullptr);
    answer(control ? utf8 : "(no control)");
}

} // namespace

int main()
{
    char line[64];
    bool held = false;
    while (std::fgets(line, sizeof line, stdin)) {
        int id = 0;
        if (std::strncmp(line, "hold", 4) == 0) {
            held = held || OpenClipboard(nullptr) != FALSE;
            answer(held ? "held" : "busy");
        } else if (std::strncmp(line, "release", 7) == 0) {
            held = held && CloseClipboard() == FALSE;
            answer("released");
        } else if (std::strncmp(line, "menu", 4) == 0) {
            const HWND form = FindWindowW(L"ZandrelForm1", nullptr);
            SetForegroundWindow(form);
            PostMessageW(form, WM_SYSCOMMAND, SC_KEYMENU, ' ');
            answer("menu");
        } else if (std::sscanf(line, "text %d", &id) == 1) {
            controlText(id);
        }
    }
    if (held) {
        CloseClipboard();
    }
    return 0;
}
