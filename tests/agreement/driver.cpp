// Reads conversion cases from standard input and prints their results, so
// that the core built for Linux and for Windows can be held against each
// other byte for byte. A line is the rule ('m' for mm to mil, 'i' for mil to
// mm), the decimal separator, then the text, all UTF-8; the answer is the
// result text, or "-" for none.
#include "conversion/ConvertEntry.h"

#include <cstdio>
#include <iostream>
#include <string>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace {

std::u16string fromUtf8(const std::string& bytes)
{
    std::u16string text;
    for (std::size_t i = 0; i < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        const int length = lead < 0x80 ? 1 : lead < 0xe0 ? 2 : lead < 0xf0 ? 3 : 4;
        char32_t code = length == 1 ? lead : lead & (0x3fu >> (length - 1));
        for (int k = 1; k < length && i + static_cast<std::size_t>(k) < bytes.size(); ++k) {
            code = (code << 6) |
                   (static_cast<unsigned char>(bytes[i + static_cast<std::size_t>(k)]) & 0x3fu);
        }
        i += static_cast<std::size_t>(length);
        if (code >= 0x10000) {
            code -= 0x10000;
            text += static_cast<char16_t>(0xd800 + (code >> 10));
            text += static_cast<char16_t>(0xdc00 + (code & 0x3ff));
        } else {
            text += static_cast<char16_t>(code);
        }
    }
    return text;
}

std::string toUtf8(const std::u16string& text)
{
    std::string bytes;
    for (const char16_t c : text) {
        if (c < 0x80) {
            bytes += static_cast<char>(c);
        } else if (c < 0x800) {
            bytes += static_cast<char>(0xc0 | (c >> 6));
            bytes += static_cast<char>(0x80 | (c & 0x3f));
        } else {
            bytes += static_cast<char>(0xe0 | (c >> 12));
            bytes += static_cast<char>(0x80 | ((c >> 6) & 0x3f));
            bytes += static_cast<char>(0x80 | (c & 0x3f));
        }
    }
    return bytes;
}

} // namespace

int main()
{
#ifdef _WIN32
    // Bytes as they are: no CR before each LF.
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    std::string line;
    std::string out;
    while (std::getline(std::cin, line)) {
        const std::u16string text = fromUtf8(line);
        if (text.size() < 2) {
            out += "-\n";
            continue;
        }
        const auto& rule = text[0] == u'm' ? Conversion::MmToMil : Conversion::MilToMm;
        const auto result =
            Conversion::ConvertEntry(rule, std::u16string_view(text).substr(2), text.substr(1, 1));
        out += result ? toUtf8(*result) : std::string("-");
        out += '\n';
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    return 0;
}
