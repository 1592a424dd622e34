#include "window/win32/Layout.h"

#include "window/FormDesign.h"

#include <algorithm>
#include <string>
#include <string_view>

namespace {

int textWidth(HDC dc, std::wstring_view text)
{
    SIZE extent{};
    GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &extent);
    return extent.cx;
}

std::wstring windowText(HWND window)
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

// The widest digit, the minus sign and the wider decimal separator: what a
// number of so many characters needs, measured once.
struct NumberGlyphs {
    int digit = 0;
    int minus = 0;
    int separator = 0;
};

NumberGlyphs numberGlyphs(HDC dc)
{
    NumberGlyphs glyphs;
    for (wchar_t c = L'0'; c <= L'9'; ++c) {
        glyphs.digit = std::max(glyphs.digit, textWidth(dc, std::wstring_view(&c, 1)));
    }
    glyphs.minus = textWidth(dc, L"-");
    glyphs.separator = std::max(textWidth(dc, L"."), textWidth(dc, L","));
    return glyphs;
}

int numberWidth(const NumberGlyphs& glyphs, int characters)
{
    return static_cast<int>(
        FormDesign::NumberWidth(glyphs.digit, glyphs.minus, glyphs.separator, characters));
}

void place(HWND control, const Twips::Scale& scale, const Twips::Rect& design)
{
    const Twips::Rect r = scale.rect(design.left, design.top, design.width, design.height);
    MoveWindow(control, r.left, r.top, r.width, r.height, TRUE);
}

} // namespace

SIZE LayOut(const Controls& c, HFONT font, UINT dpi)
{
    namespace D = FormDesign;
    HDC dc = GetDC(c.Text1);
    const HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    const int edge = MulDiv(GetSystemMetrics(SM_CXEDGE), static_cast<int>(dpi), 96);
    const auto margins = static_cast<DWORD>(SendMessageW(c.Text1, EM_GETMARGINS, 0, 0));
    // Borders, the edit's own margins, a pixel on each side and the caret.
    const int boxFrame = 2 * edge + LOWORD(margins) + HIWORD(margins) + 3;
    const int boxHeight = metrics.tmHeight + 2 * edge + MulDiv(6, static_cast<int>(dpi), 96);
    const int padding = MulDiv(16, static_cast<int>(dpi), 96);
    const auto label = [&](HWND control) { return textWidth(dc, windowText(control)); };
    const NumberGlyphs glyphs = numberGlyphs(dc);
    const Twips::Scale fitting = D::FittingScale({
        .input = boxFrame + numberWidth(glyphs, D::InputCharacters),
        .result = boxFrame + numberWidth(glyphs, D::ResultCharacters),
        .boxHeight = boxHeight,
        .buttonWidth = label(c.Command1) + 2 * padding,
        .buttonHeight = metrics.tmHeight + padding / 2 + 2 * edge,
        .labelHeight = metrics.tmHeight,
        .Label1 = label(c.Label1),
        .Label2 = label(c.Label2),
        .Label3 = label(c.Label3),
        .Label4 = label(c.Label4),
        .Label5 = label(c.Label5),
        .Label6 = label(c.Label6),
    });
    // The design's own size at 96 dpi, grown for the DPI.
    const Twips::Scale scale(std::max(fitting.factor(), dpi / 96.0));

    place(c.Text1, scale, D::Text1);
    place(c.Text2, scale, D::Text2);
    place(c.Text3, scale, D::Text3);
    place(c.Text4, scale, D::Text4);
    place(c.Command1, scale, D::Command1);
    const Twips::Rect line = scale.rect(D::Line1.left, D::Line1.top, D::Line1.width, 0);
    MoveWindow(c.Line1, line.left, line.top, line.width, 2, TRUE);

    // A label stands where its text lines up with the text in the box of
    // its row: an edit control draws its line at the top, inside its border.
    const auto placeLabel = [&](HWND control, const Twips::Rect& design, HWND rowBox) {
        RECT box{};
        GetWindowRect(rowBox, &box);
        MapWindowPoints(HWND_DESKTOP, GetParent(rowBox), reinterpret_cast<POINT*>(&box), 2);
        MoveWindow(control, scale.toPixels(design.left), box.top + edge + 1, label(control) + 1,
                   metrics.tmHeight, TRUE);
    };
    placeLabel(c.Label1, D::Label1, c.Text1);
    placeLabel(c.Label3, D::Label3, c.Text1);
    placeLabel(c.Label2, D::Label2, c.Text2);
    placeLabel(c.Label4, D::Label4, c.Text3);
    placeLabel(c.Label6, D::Label6, c.Text3);
    placeLabel(c.Label5, D::Label5, c.Text4);

    SelectObject(dc, old);
    ReleaseDC(c.Text1, dc);
    return {scale.toPixels(D::Width), scale.toPixels(D::Height)};
}
