#pragma once

#include "conversion/ConversionRule.h"
#include "window/FormDesign.h"
#include "window/Texts.h"

#include <array>
#include <cstddef>
#include <string_view>

// The window as designed, described once: its twelve controls, row by row,
// with what each is, where it goes, what it shows at first and its tab index;
// for each label the box whose line of text it sits on; for each box its
// role, the label that names it and what a screen reader says of it; for
// each input box its row's rule and result box. Both front ends make, place,
// name, describe and wire their controls by walking this table.
namespace Controls {

enum class Kind { Input, Result, Label, Line, Button };

// A control's place in the table.
enum Index : std::size_t {
    Text1,
    Label1,
    Label3,
    Text2,
    Label2,
    Line1,
    Text3,
    Label4,
    Label6,
    Text4,
    Label5,
    Command1,
    Count
};

inline constexpr std::size_t None = Count;
inline constexpr Texts::Id NoText = Texts::Count;

struct Control {
    std::string_view name; // the object name
    Kind kind;
    Twips::Rect design;
    std::u16string_view caption; // what it shows at first
    int tabIndex;                // -1: none; labels have one but never take the focus
    std::size_t rowBox = None;   // a label: the box of its row it lines up with
    std::size_t label = None;    // a box: the label that names it
    Texts::Id accessibleName = NoText;
    Texts::Id accessibleDescription = NoText;
    const Conversion::ConversionRule* rule = nullptr; // an input: its row's rule
    std::size_t result = None;                        // an input: its row's result box
};

// The caption is 離, five spaces, 開, with no access key.
inline constexpr std::u16string_view ExitCaption = u"\u96e2     \u958b";

namespace D = FormDesign;
inline constexpr std::array<Control, Count> Table{{
    {.name = "Text1",
     .kind = Kind::Input,
     .design = D::Text1,
     .caption = u"0",
     .tabIndex = 0,
     .label = Label1,
     .accessibleName = Texts::Text1Name,
     .accessibleDescription = Texts::Text1Description,
     .rule = &Conversion::MmToMil,
     .result = Text2},
    {.name = "Label1",
     .kind = Kind::Label,
     .design = D::Label1,
     .caption = u"mm",
     .tabIndex = 9,
     .rowBox = Text1},
    {.name = "Label3",
     .kind = Kind::Label,
     .design = D::Label3,
     .caption = u"=",
     .tabIndex = 3,
     .rowBox = Text1},
    {.name = "Text2",
     .kind = Kind::Result,
     .design = D::Text2,
     .caption = u"0",
     .tabIndex = 1,
     .label = Label2,
     .accessibleName = Texts::Text2Name,
     .accessibleDescription = Texts::Text2Description},
    {.name = "Label2",
     .kind = Kind::Label,
     .design = D::Label2,
     .caption = u"mil",
     .tabIndex = 2,
     .rowBox = Text2},
    {.name = "Line1", .kind = Kind::Line, .design = D::Line1, .caption = u"", .tabIndex = -1},
    {.name = "Text3",
     .kind = Kind::Input,
     .design = D::Text3,
     .caption = u"0",
     .tabIndex = 4,
     .label = Label4,
     .accessibleName = Texts::Text3Name,
     .accessibleDescription = Texts::Text3Description,
     .rule = &Conversion::MilToMm,
     .result = Text4},
    {.name = "Label4",
     .kind = Kind::Label,
     .design = D::Label4,
     .caption = u"mil",
     .tabIndex = 6,
     .rowBox = Text3},
    {.name = "Label6",
     .kind = Kind::Label,
     .design = D::Label6,
     .caption = u"=",
     .tabIndex = 8,
     .rowBox = Text3},
    {.name = "Text4",
     .kind = Kind::Result,
     .design = D::Text4,
     .caption = u"0",
     .tabIndex = 5,
     .label = Label5,
     .accessibleName = Texts::Text4Name,
     .accessibleDescription = Texts::Text4Description},
    {.name = "Label5",
     .kind = Kind::Label,
     .design = D::Label5,
     .caption = u"mm",
     .tabIndex = 7,
     .rowBox = Text4},
    {.name = "Command1",
     .kind = Kind::Button,
     .design = D::Command1,
     .caption = ExitCaption,
     .tabIndex = 10,
     .accessibleName = Texts::Command1Name,
     .accessibleDescription = Texts::Command1Description},
}};

// The box the caret starts in, with its text selected: the mil input.
inline constexpr Index StartsWithFocus = Text3;

[[nodiscard]] constexpr bool IsInput(std::size_t control)
{
    return control < Count && Table[control].kind == Kind::Input;
}
[[nodiscard]] constexpr bool IsResult(std::size_t control)
{
    return control < Count && Table[control].kind == Kind::Result;
}
[[nodiscard]] constexpr bool IsBox(std::size_t control)
{
    return IsInput(control) || IsResult(control);
}
// The controls that take the focus (boxes and the button), in tab order.
[[nodiscard]] constexpr bool TakesFocus(std::size_t control)
{
    return IsBox(control) || (control < Count && Table[control].kind == Kind::Button);
}

// The controls that take the focus, in the order of their tab indices, then
// the others (which never take it) in the table's order.
[[nodiscard]] std::array<Index, Count> InTabOrder();

// Each label's width in the font in use, by the label's place in the table;
// what stands at the other places does not count.
using LabelWidths = std::array<int, Count>;

// The smallest scale of the design, never below 1, at which all of it fits.
// A label may grow to the right up to the next control of its row.
[[nodiscard]] Twips::Scale FittingScale(const FormDesign::Needs& needs, const LabelWidths& labels);

} // namespace Controls
