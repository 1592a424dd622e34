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

} // namespace

Layout MeasureLayout(HWND edit, HFONT font, UINT dpi, std::u16string_view decimalPoint)
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
    // A static control draws its text at its top, a pixel wider than the
    // text for the pixel it keeps at the end.
    Placement::LabelTexts labels{};
    for (std::size_t i = 0; i < Controls::Count; ++i) {
        if (Table[i].kind == Kind::Label) {
            labels[i] = {textWidth(dc, wide(Table[i].caption)) + 1, metrics.tmHeight,
                         metrics.tmAscent};
        } else if (Table[i].kind == Kind::Button) {
            needs.buttonWidth = textWidth(dc, wide(Table[i].caption)) + 2 * padding;
        }
    }
    SelectObject(dc, old);
    ReleaseDC(edit, dc);
    // An edit control draws its one line at the top of its formatting
    // rectangle, inside its border, whatever its height.
    RECT format{};
    SendMessageW(edit, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
    const int boxBaseline = edge + format.top + metrics.tmAscent;
    // The design's own size at 96 dpi, grown for the DPI.
    const Twips::Scale fitting = Placement::FittingScale(needs, labels);
    const Twips::Scale scale(std::max(fitting.factor(), dpi / 96.0));
    return {Placement::Place(
                scale, [boxBaseline](int) { return boxBaseline; }, labels),
            {scale.toPixels(D::Width), scale.toPixels(D::Height)}};
}

void Place(const ControlHandles& controls, const Placement::Rects& places)
{
    for (std::size_t i = 0; i < Controls::Count; ++i) {
        MoveTo(controls[i], places[i]);
    }
}

void MoveTo(HWND control, const Twips::Rect& place)
{
    MoveWindow(control, place.left, place.top, place.width, place.height, TRUE);
}
