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

// The place of the control of that name; Count if there is none.
[[nodiscard]] constexpr std::size_t Find(std::string_view name)
{
    std::size_t i = 0;
    while (i < Count && Table[i].name != name) {
        ++i;
    }
    return i;
}

// The couplings within the table that a change could break unnoticed.
namespace Checks {

constexpr bool IndexMatchesTable()
{
    return Find("Text1") == Text1 && Find("Label1") == Label1 && Find("Label3") == Label3 &&
           Find("Text2") == Text2 && Find("Label2") == Label2 && Find("Line1") == Line1 &&
           Find("Text3") == Text3 && Find("Label4") == Label4 && Find("Label6") == Label6 &&
           Find("Text4") == Text4 && Find("Label5") == Label5 && Find("Command1") == Command1;
}

// A box's naming label stands in its row for it; every label stands for a
// box; an input names a result box.
constexpr bool BoxesAndLabelsNameEachOther()
{
    for (std::size_t i = 0; i < Count; ++i) {
        const Control& c = Table[i];
        if (c.label != None &&
            (!IsBox(i) || Table[c.label].kind != Kind::Label || Table[c.label].rowBox != i)) {
            return false;
        }
        if (IsBox(i) && c.label == None) {
            return false;
        }
        if (c.kind == Kind::Label && !IsBox(c.rowBox)) {
            return false;
        }
        if (IsInput(i) != IsResult(c.result)) {
            return false;
        }
    }
    return true;
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

// Every box is as high as the others: the labels line up with any of them.
constexpr bool BoxesShareAHeight()
{
    for (std::size_t i = 0; i < Count; ++i) {
        if (IsBox(i) && Table[i].design.height != Table[Text1].design.height) {
            return false;
        }
    }
    return true;
}

static_assert(IndexMatchesTable(), "Index and the table list the controls in one order");
static_assert(BoxesAndLabelsNameEachOther(), "each box and its label name each other");
static_assert(DescribedControlsHaveBothTexts(), "a described control has a name and a description");
static_assert(BoxesShareAHeight(), "every box is as high as Text1");

} // namespace Checks

} // namespace Controls
