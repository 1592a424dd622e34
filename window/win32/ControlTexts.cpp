#include "window/win32/ControlTexts.h"

std::array<ControlText, 5> ControlTexts(const Controls& c)
{
    return {{
        {c.Text1, L"Millimetres",
         L"Type a length in millimetres. It is converted to mils as you type; the result is in "
         L"the next box (Tab) and is copied to the clipboard."},
        {c.Text2, L"Mils result",
         L"The length typed in millimetres, in mils, with two decimals. The same number is on "
         L"the clipboard."},
        {c.Text3, L"Mils",
         L"Type a length in mils. It is converted to millimetres as you type; the result is in "
         L"the next box (Tab) and is copied to the clipboard."},
        {c.Text4, L"Millimetres result",
         L"The length typed in mils, in millimetres, with three decimals. The same number is on "
         L"the clipboard."},
        {c.Command1, L"Exit",
         L"Ends Zandrel; the last result stays on the clipboard. Its caption, \u96e2\u958b, "
         L"means leave."},
    }};
}
