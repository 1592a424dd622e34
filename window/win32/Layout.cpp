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

std::wstring_view wide(std::u16string_view text)
{
    return {reinterpret_cast<const wchar_t*>(text.data()), text.size()};
}

// The widest digit, the minus sign and the wider of the separators a number
// may show: what a number of so many characters needs, measured once.
struct NumberGlyphs {
    int digit = 0;
    int minus = 0;
    int separator = 0;
};

NumberGlyphs numberGlyphs(HDC dc, std::u16string_view decimalPoint)
{
    NumberGlyphs glyphs;
    for (wchar_t c = L'0'; c <= L'9'; ++c) {
        glyphs.digit = std::max(glyphs.digit, textWidth(dc, std::wstring_view(&c, 1)));
    }
    glyphs.minus = textWidth(dc, L"-");
    for (const std::u16string_view separator : FormDesign::NumberSeparators(decimalPoint)) {
        glyphs.separator = std::max(glyphs.separator, textWidth(dc, wide(separator)));
    }
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

Placement MeasureLayout(HWND edit, HFONT font, UINT dpi, std::u16string_view decimalPoint)
{
    namespace D = FormDesign;
    using Controls::Kind;
    using Controls::Table;
    HDC dc = GetDC(edit);
    const HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    const int edge = MulDiv(GetSystemMetrics(SM_CXEDGE), static_cast<int>(dpi), 96);
    const auto margins = static_cast<DWORD>(SendMessageW(edit, EM_GETMARGINS, 0, 0));
    // Borders, the edit's own margins, a pixel on each side and the caret.
    const int boxFrame = 2 * edge + LOWORD(margins) + HIWORD(margins) + 3;
    const int padding = MulDiv(16, static_cast<int>(dpi), 96);
    const NumberGlyphs glyphs = numberGlyphs(dc, decimalPoint);
    D::Needs needs{
        .input = boxFrame + numberWidth(glyphs, D::InputCharacters),
        .result = boxFrame + numberWidth(glyphs, D::ResultCharacters),
        .boxHeight = metrics.tmHeight + 2 * edge + MulDiv(6, static_cast<int>(dpi), 96),
        .buttonWidth = 0,
        .buttonHeight = metrics.tmHeight + padding / 2 + 2 * edge,
        .labelHeight = metrics.tmHeight,
    };
    Controls::LabelWidths labels{};
    for (std::size_t i = 0; i < Controls::Count; ++i) {
        if (Table[i].kind == Kind::Label) {
            labels[i] = textWidth(dc, wide(Table[i].caption));
        } else if (Table[i].kind == Kind::Button) {
            needs.buttonWidth = textWidth(dc, wide(Table[i].caption)) + 2 * padding;
        }
    }
    const Twips::Scale fitting = Controls::FittingScale(needs, labels);
    SelectObject(dc, old);
    ReleaseDC(edit, dc);
    // The design's own size at 96 dpi, grown for the DPI.
    const Twips::Scale scale(std::max(fitting.factor(), dpi / 96.0));
    Placement p{};
    // The boxes, the button and the line first: a label stands where its
    // text lines up with the text in the box of its row, and an edit
    // control draws its line at the top, inside its border.
    for (std::size_t i = 0; i < Controls::Count; ++i) {
        const Twips::Rect& d = Table[i].design;
        if (Table[i].kind == Kind::Line) {
            const Twips::Rect line = scale.rect(d.left, d.top, d.width, 0);
            p.places[i] = {line.left, line.top, line.left + line.width, line.top + 2};
        } else if (Table[i].kind != Kind::Label) {
            p.places[i] = pixels(scale.rect(d.left, d.top, d.width, d.height));
        }
    }
    for (std::size_t i = 0; i < Controls::Count; ++i) {
        if (Table[i].kind == Kind::Label) {
            const int left = scale.toPixels(Table[i].design.left);
            const int top = p.places[Table[i].rowBox].top + edge + 1;
            p.places[i] = {left, top, left + labels[i] + 1, top + metrics.tmHeight};
        }
    }
    p.client = {scale.toPixels(D::Width), scale.toPixels(D::Height)};
    return p;
}

void Place(const ControlHandles& controls, const Placement& placement)
{
    for (std::size_t i = 0; i < Controls::Count; ++i) {
        MoveTo(controls[i], placement.places[i]);
    }
}

void MoveTo(HWND control, const RECT& place)
{
    MoveWindow(control, place.left, place.top, place.right - place.left, place.bottom - place.top,
               TRUE);
}
