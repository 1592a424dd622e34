// Writes what the program's own tables say, for the parts of the build and
// the tests that are not C++: run on the build machine, also when the
// program is built for another. Usage: export-tables texts|design FILE
//   texts:  "string id <TAB> English text" per line, the Windows string
//           tables' ids and texts in the order of Texts::Id
//   design: "name <TAB> kind <TAB> left <TAB> top <TAB> width <TAB> height
//           <TAB> number <TAB> caption" per control, in twips, after a line
//           for the window itself; the number is -1 where there is none
#include "window/Controls.h"
#include "window/Texts.h"

#include <cstdio>
#include <string>
#include <string_view>

namespace {

std::string utf8(std::u16string_view text)
{
    std::string out;
    for (const char16_t c : text) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xc0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3f));
        } else { // the captions hold no surrogates
            out += static_cast<char>(0xe0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3f));
            out += static_cast<char>(0x80 | (c & 0x3f));
        }
    }
    return out;
}

const char* kind(Controls::Kind kind)
{
    switch (kind) {
    case Controls::Kind::Input:
        return "input";
    case Controls::Kind::Result:
        return "result";
    case Controls::Kind::Label:
        return "label";
    case Controls::Kind::Line:
        return "line";
    case Controls::Kind::Button:
        return "button";
    }
    return "";
}

void texts(std::FILE* out)
{
    for (unsigned id = 0; id < Texts::Count; ++id) {
        std::fprintf(out, "%u\t%s\n", id + 1, Texts::English(static_cast<Texts::Id>(id)));
    }
}

void design(std::FILE* out)
{
    std::fprintf(out, "Form1\tform\t0\t0\t%d\t%d\t-1\t%s\n", FormDesign::Width, FormDesign::Height,
                 utf8(FormDesign::Title).c_str());
    for (std::size_t i = 0; i < Controls::Count; ++i) {
        const Controls::Control& c = Controls::Table[i];
        std::fprintf(out, "%.*s\t%s\t%d\t%d\t%d\t%d\t%d\t%s\n", static_cast<int>(c.name.size()),
                     c.name.data(), kind(c.kind), c.design.left, c.design.top, c.design.width,
                     c.design.height, Controls::Number(i), utf8(c.caption).c_str());
    }
}

} // namespace

int main(int argc, char** argv)
{
    const std::string_view what = argc == 3 ? argv[1] : "";
    if (what != "texts" && what != "design") {
        std::fputs("usage: export-tables texts|design FILE\n", stderr);
        return 2;
    }
    std::FILE* out = std::fopen(argv[2], "w");
    if (!out) {
        std::perror(argv[2]);
        return 1;
    }
    what == "texts" ? texts(out) : design(out);
    return std::fclose(out) == 0 ? 0 : 1;
}
