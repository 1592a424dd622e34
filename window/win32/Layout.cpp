#include "window/win32/Layout.h"

#include "window/FormDesign.h"

#include <algorithm>
#include <string_view>

namespace {

int textWidth(HDC dc, std::wstring_view text)
{
    SIZE extent{};
    GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &extent);
    return extent.cx;
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

RECT pixels(const Twips::Rect& r)
{
    return {r.left, r.top, r.left + r.width, r.top + r.height};
}

} // namespace

Placement MeasureLayout(HWND edit, HFONT font, UINT dpi)
{
    namespace D = FormDesign;
    HDC dc = GetDC(edit);
    const HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    const int edge = MulDiv(GetSystemMetrics(SM_CXEDGE), static_cast<int>(dpi), 96);
    const auto margins = static_cast<DWORD>(SendMessageW(edit, EM_GETMARGINS, 0, 0));
    // Borders, the edit's own margins, a pixel on each side and the caret.
    const int boxFrame = 2 * edge + LOWORD(margins) + HIWORD(margins) + 3;
    const int boxHeight = metrics.tmHeight + 2 * edge + MulDiv(6, static_cast<int>(dpi), 96);
    const int padding = MulDiv(16, static_cast<int>(dpi), 96);
    const int mm = textWidth(dc, Captions::Millimetres);
    const int mil = textWidth(dc, Captions::Mils);
    const int equals = textWidth(dc, Captions::Equals);
    const NumberGlyphs glyphs = numberGlyphs(dc);
    const Twips::Scale fitting = D::FittingScale({
        .input = boxFrame + numberWidth(glyphs, D::InputCharacters),
        .result = boxFrame + numberWidth(glyphs, D::ResultCharacters),
        .boxHeight = boxHeight,
        .buttonWidth = textWidth(dc, Captions::Exit) + 2 * padding,
        .buttonHeight = metrics.tmHeight + padding / 2 + 2 * edge,
        .labelHeight = metrics.tmHeight,
        .Label1 = mm,
        .Label2 = mil,
        .Label3 = equals,
        .Label4 = mil,
        .Label5 = mm,
        .Label6 = equals,
    });
    SelectObject(dc, old);
    ReleaseDC(edit, dc);
    // The design's own size at 96 dpi, grown for the DPI.
    const Twips::Scale scale(std::max(fitting.factor(), dpi / 96.0));
    const auto box = [&scale](const Twips::Rect& d) {
        return pixels(scale.rect(d.left, d.top, d.width, d.height));
    };
    // A label stands where its text lines up with the text in the box of
    // its row: an edit control draws its line at the top, inside its border.
    const auto label = [&](const Twips::Rect& design, const RECT& rowBox, int width) {
        const int left = scale.toPixels(design.left);
        const int top = rowBox.top + edge + 1;
        return RECT{left, top, left + width + 1, top + metrics.tmHeight};
    };
    const Twips::Rect line = scale.rect(D::Line1.left, D::Line1.top, D::Line1.width, 0);
    Placement p{};
    p.Text1 = box(D::Text1);
    p.Text2 = box(D::Text2);
    p.Text3 = box(D::Text3);
    p.Text4 = box(D::Text4);
    p.Command1 = box(D::Command1);
    p.Line1 = {line.left, line.top, line.left + line.width, line.top + 2};
    p.Label1 = label(D::Label1, p.Text1, mm);
    p.Label3 = label(D::Label3, p.Text1, equals);
    p.Label2 = label(D::Label2, p.Text2, mil);
    p.Label4 = label(D::Label4, p.Text3, mil);
    p.Label6 = label(D::Label6, p.Text3, equals);
    p.Label5 = label(D::Label5, p.Text4, mm);
    p.client = {scale.toPixels(D::Width), scale.toPixels(D::Height)};
    return p;
}

void Place(const Controls& c, const Placement& p)
{
    MoveTo(c.Text1, p.Text1);
    MoveTo(c.Text2, p.Text2);
    MoveTo(c.Text3, p.Text3);
    MoveTo(c.Text4, p.Text4);
    MoveTo(c.Label1, p.Label1);
    MoveTo(c.Label2, p.Label2);
    MoveTo(c.Label3, p.Label3);
    MoveTo(c.Label4, p.Label4);
    MoveTo(c.Label5, p.Label5);
    MoveTo(c.Label6, p.Label6);
    MoveTo(c.Line1, p.Line1);
    MoveTo(c.Command1, p.Command1);
}

void MoveTo(HWND control, const RECT& place)
{
    MoveWindow(control, place.left, place.top, place.right - place.left, place.bottom - place.top,
               TRUE);
}
