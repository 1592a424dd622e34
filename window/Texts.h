#pragma once

// Every text the window shows or speaks besides the fixed ones (the unit
// symbols, the equals sign, the button's caption), in English. Both front
// ends translate them from the same files in resources/translations: the Qt
// window through Qt's translator, the Win32 window through string tables
// generated from those files and this table (string id = Id + 1, written by
// resources/ExportTables.cpp).
namespace Texts {

enum Id : unsigned {
    Text1Name,
    Text1Description,
    Text2Name,
    Text2Description,
    Text3Name,
    Text3Description,
    Text4Name,
    Text4Description,
    Command1Name,
    Command1Description,
    KeepOnTop,
    CannotMakeWindow,
    Count
};

// The translation context of every text.
inline constexpr char Context[] = "Form1";

[[nodiscard]] const char* English(Id id);

} // namespace Texts
