#pragma once

#include "conversion/ConversionRule.h"
#include "window/FormDesign.h"
#include "window/Texts.h"

#include <array>
#include <cstddef>
#include <string_view>

// The window as designed, described once: its twelve controls, with what each
// is, where it goes, what it shows at first, its tab index and what a screen
// reader says of it; then its two rows, each a sentence of five controls with
// the rule that converts it. Both front ends make, place, name, describe and
// wire their controls by walking these tables.
namespace Controls {

enum class Kind { Input, Result, Label, Line, Button };

// A control's place in the table.
using Index = std::size_t;

inline constexpr Texts::Id NoText = Texts::Count;

struct Control {
    std::string_view name; // the object name
    Kind kind;
    Twips::Rect design;
    std::u16string_view caption; // what it shows at first
    int tabIndex;                // -1: none; labels have one but never take the focus
    Texts::Id accessibleName = NoText;
    Texts::Id accessibleDescription = NoText;
};

// The caption is 離, five spaces, 開, with no access key.
inline constexpr std::u16string_view ExitCaption = u"\u96e2     \u958b";

namespace D = FormDesign;
inline constexpr auto Table = std::to_array<Control>({
    {.name = "Text1",
     .kind = Kind::Input,
     .design = D::Text1,
     .caption = u"0",
     .tabIndex = 0,
     .accessibleName = Texts::Text1Name,
     .accessibleDescription = Texts::Text1Description},
    {.name = "Label1", .kind = Kind::Label, .design = D::Label1, .caption = u"mm", .tabIndex = 9},
    {.name = "Label3", .kind = Kind::Label, .design = D::Label3, .caption = u"=", .tabIndex = 3},
    {.name = "Text2",
     .kind = Kind::Result,
     .design = D::Text2,
     .caption = u"0",
     .tabIndex = 1,
     .accessibleName = Texts::Text2Name,
     .accessibleDescription = Texts::Text2Description},
    {.name = "Label2", .kind = Kind::Label, .design = D::Label2, .caption = u"mil", .tabIndex = 2},
    {.name = "Line1", .kind = Kind::Line, .design = D::Line1, .caption = u"", .tabIndex = -1},
    {.name = "Text3",
     .kind = Kind::Input,
     .design = D::Text3,
     .caption = u"0",
     .tabIndex = 4,
     .accessibleName = Texts::Text3Name,
     .accessibleDescription = Texts::Text3Description},
    {.name = "Label4", .kind = Kind::Label, .design = D::Label4, .caption = u"mil", .tabIndex = 6},
    {.name = "Label6", .kind = Kind::Label, .design = D::Label6, .caption = u"=", .tabIndex = 8},
    {.name = "Text4",
     .kind = Kind::Result,
     .design = D::Text4,
     .caption = u"0",
     .tabIndex = 5,
     .accessibleName = Texts::Text4Name,
     .accessibleDescription = Texts::Text4Description},
    {.name = "Label5", .kind = Kind::Label, .design = D::Label5, .caption = u"mm", .tabIndex = 7},
    {.name = "Command1",
     .kind = Kind::Button,
     .design = D::Command1,
     .caption = ExitCaption,
     .tabIndex = 10,
     .accessibleName = Texts::Command1Name,
     .accessibleDescription = Texts::Command1Description},
});

inline constexpr std::size_t Count = Table.size();

// The place of the control of that name; Count if there is none.
[[nodiscard]] constexpr std::size_t Find(std::string_view name)
{
    std::size_t i = 0;
    while (i < Count && Table[i].name != name) {
        ++i;
    }
    return i;
}

// The place of a control the program names: it does not compile if the table
// has no control of that name.
consteval Index Named(std::string_view name)
{
    if (Find(name) == Count) {
        throw "no control of that name in the table";
    }
    return Find(name);
}

inline constexpr Index Text1 = Named("Text1");
inline constexpr Index Label1 = Named("Label1");
inline constexpr Index Label3 = Named("Label3");
inline constexpr Index Text2 = Named("Text2");
inline constexpr Index Label2 = Named("Label2");
inline constexpr Index Line1 = Named("Line1");
inline constexpr Index Text3 = Named("Text3");
inline constexpr Index Label4 = Named("Label4");
inline constexpr Index Label6 = Named("Label6");
inline constexpr Index Text4 = Named("Text4");
inline constexpr Index Label5 = Named("Label5");
inline constexpr Index Command1 = Named("Command1");

// The two conversion rows, top to bottom.
enum class Row : std::size_t { Millimetres, Mils };
inline constexpr std::size_t RowCount = 2;
inline constexpr std::array<Row, RowCount> Rows{Row::Millimetres, Row::Mils};

// A row reads as a sentence: so many of the input's unit equal so many of the
// result's. The row's rule converts its input into its result.
struct RowControls {
    Index input;
    Index inputUnit;
    Index equals;
    Index result;
    Index resultUnit;
    const Conversion::ConversionRule& rule;
};

inline constexpr std::array<RowControls, RowCount> RowTable{{
    {Text1, Label1, Label3, Text2, Label2, Conversion::MmToMil},
    {Text3, Label4, Label6, Text4, Label5, Conversion::MilToMm},
}};

[[nodiscard]] constexpr const RowControls& Of(Row row)
{
    return RowTable[static_cast<std::size_t>(row)];
}

// The input the caret starts in, with its text selected.
inline constexpr Row StartsWithFocus = Row::Mils;
inline constexpr Index ExitButton = Command1;

// The row a control stands in: RowCount for the line and the button.
[[nodiscard]] constexpr std::size_t RowOf(std::size_t control)
{
    for (std::size_t r = 0; r < RowCount; ++r) {
        const RowControls& row = RowTable[r];
        for (const Index c : {row.input, row.inputUnit, row.equals, row.result, row.resultUnit}) {
            if (c == control) {
                return r;
            }
        }
    }
    return RowCount;
}

// The unit that names a box; Count for anything else.
[[nodiscard]] constexpr std::size_t UnitOf(std::size_t box)
{
    for (const RowControls& row : RowTable) {
        if (box == row.input || box == row.result) {
            return box == row.input ? row.inputUnit : row.resultUnit;
        }
    }
    return Count;
}

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
// The controls that take the focus: the boxes and the button.
[[nodiscard]] constexpr bool TakesFocus(std::size_t control)
{
    return IsBox(control) || (control < Count && Table[control].kind == Kind::Button);
}

// The controls that take the focus, in the order of their tab indices, then
// the others (which never take it) in the table's order.
[[nodiscard]] std::array<Index, Count> InTabOrder();

// The controls that take the focus are numbered from 101 in tab order, for a
// toolkit that knows its controls by number (and for the tests that find
// them so); the others have none (-1).
[[nodiscard]] constexpr int Number(std::size_t control)
{
    if (!TakesFocus(control)) {
        return -1;
    }
    int before = 0;
    for (std::size_t i = 0; i < Count; ++i) {
        before += TakesFocus(i) && Table[i].tabIndex < Table[control].tabIndex;
    }
    return 101 + before;
}

// The couplings within the table that a change could break unnoticed.
namespace Checks {

// Each row's controls are of the kinds its sentence needs, and every box and
// label stands in one row.
constexpr bool RowsHoldTheBoxesAndLabels()
{
    for (const RowControls& row : RowTable) {
        if (Table[row.input].kind != Kind::Input || Table[row.result].kind != Kind::Result ||
            Table[row.inputUnit].kind != Kind::Label || Table[row.equals].kind != Kind::Label ||
            Table[row.resultUnit].kind != Kind::Label) {
            return false;
        }
    }
    std::size_t inRows = 0;
    for (std::size_t i = 0; i < Count; ++i) {
        const bool inRow = RowOf(i) != RowCount;
        if (inRow != (IsBox(i) || Table[i].kind == Kind::Label)) {
            return false;
        }
        inRows += inRow;
    }
    return inRows == 5 * RowCount; // no control twice
}

// Every box and the button have a name and a description for a screen
// reader; nothing else has either, and no two share a text.
constexpr bool DescribedControlsHaveBothTexts()
{
    std::array<bool, Texts::Count> used{};
    for (std::size_t i = 0; i < Count; ++i) {
        const Control& c = Table[i];
        const bool described = TakesFocus(i);
        if ((c.accessibleName != NoText) != described ||
            (c.accessibleDescription != NoText) != described) {
            return false;
        }
        for (const Texts::Id id : {c.accessibleName, c.accessibleDescription}) {
            if (id != NoText) {
                if (used[id]) {
                    return false;
                }
                used[id] = true;
            }
        }
    }
    return true;
}

// A row's boxes share a top, and every box is as high as the others: a label
// lines up with either box of its row.
constexpr bool BoxesLineUp()
{
    for (const RowControls& row : RowTable) {
        const Twips::Rect& input = Table[row.input].design;
        const Twips::Rect& result = Table[row.result].design;
        if (input.top != result.top || input.height != result.height ||
            input.height != Table[Text1].design.height) {
            return false;
        }
    }
    return true;
}

static_assert(RowsHoldTheBoxesAndLabels(), "each box and label stands in one row, in its place");
static_assert(DescribedControlsHaveBothTexts(), "a described control has a name and a description");
static_assert(BoxesLineUp(), "a row's boxes share a top, and all boxes a height");

} // namespace Checks

} // namespace Controls
