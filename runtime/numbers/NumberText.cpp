#include "runtime/numbers/NumberText.h"

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <string>
#include <system_error>

namespace Runtime {

namespace {

bool isAsciiDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

// Unicode white space: the space separators, the line and paragraph
// separators, and the controls that act as blanks.
bool isBlank(char16_t c)
{
    if (c < 0x80) {
        return c == u' ' || (c >= u'\t' && c <= u'\r');
    }
    return c == 0x85 || c == 0xa0 || c == 0x1680 || (c >= 0x2000 && c <= 0x200a) || c == 0x2028 ||
           c == 0x2029 || c == 0x202f || c == 0x205f || c == 0x3000;
}

// The scanner copies the number into ASCII in the form std::from_chars reads:
// no leading '+', '.' as the separator. It also keeps what is needed to tell
// an underflow from an overflow when from_chars reports a range error.
class Scanner
{
public:
    Scanner(std::u16string_view text, std::u16string_view separator)
        : m_text(text)
        , m_separator(separator)
        , m_ascii(buffer())
    {
        // Every character of the text gives at most one ASCII character, so
        // one reservation covers a pasted wall of digits.
        m_ascii.clear();
        m_ascii.reserve(text.size());
    }

    bool scan()
    {
        skipBlanks();
        if (peek(u'+')) {
            ++m_pos;
        } else if (peek(u'-')) {
            m_ascii += '-';
            ++m_pos;
        }

        const std::size_t intDigits = digits(&m_intPart);
        std::size_t fracDigits = 0;
        if (separator()) {
            m_ascii += '.';
            fracDigits = digits(&m_fracPart);
        }
        if (intDigits + fracDigits == 0) {
            return false;
        }

        if (peek(u'e') || peek(u'E')) {
            m_ascii += 'e';
            ++m_pos;
            if (!exponent()) {
                return false;
            }
        }
        skipBlanks();
        return m_pos == m_text.size();
    }

    const std::string& ascii() const { return m_ascii; }

    // Whether the magnitude of the number is below one, judged from the place
    // of its first significant digit; false for zero.
    bool magnitudeBelowOne() const
    {
        // The first significant digit stands at 10^(place - 1).
        std::int64_t place = 0;
        const auto isZero = [](char16_t c) { return c == u'0'; };
        const auto firstInt = std::find_if_not(m_intPart.begin(), m_intPart.end(), isZero);
        if (firstInt != m_intPart.end()) {
            place = m_intPart.end() - firstInt;
        } else {
            const auto firstFrac = std::find_if_not(m_fracPart.begin(), m_fracPart.end(), isZero);
            if (firstFrac == m_fracPart.end()) {
                return false;
            }
            place = -(firstFrac - m_fracPart.begin());
        }
        return place + m_exponent <= 0;
    }
    bool negative() const { return !m_ascii.empty() && m_ascii.front() == '-'; }

private:
    bool peek(char16_t c) const { return m_pos < m_text.size() && m_text[m_pos] == c; }

    void skipBlanks()
    {
        while (m_pos < m_text.size() && isBlank(m_text[m_pos])) {
            ++m_pos;
        }
    }

    bool separator()
    {
        if (peek(u'.')) {
            ++m_pos;
            return true;
        }
        if (!m_separator.empty() && m_text.substr(m_pos).starts_with(m_separator)) {
            m_pos += m_separator.size();
            return true;
        }
        return false;
    }

    // Copies a run of digits and returns how many there were.
    std::size_t digits(std::u16string_view* run)
    {
        const std::size_t start = m_pos;
        while (m_pos < m_text.size() && isAsciiDigit(m_text[m_pos])) {
            ++m_pos;
        }
        *run = m_text.substr(start, m_pos - start);
        const std::size_t at = m_ascii.size();
        m_ascii.resize(at + run->size());
        std::transform(run->begin(), run->end(), m_ascii.begin() + static_cast<std::ptrdiff_t>(at),
                       [](char16_t c) { return static_cast<char>(c); });
        return run->size();
    }

    bool exponent()
    {
        bool negativeExponent = false;
        if (peek(u'+')) {
            ++m_pos;
        } else if (peek(u'-')) {
            negativeExponent = true;
            m_ascii += '-';
            ++m_pos;
        }
        const std::size_t start = m_pos;
        // Saturates: any exponent this large already decides over or underflow.
        constexpr std::int64_t limit = 1'000'000'000;
        std::int64_t value = 0;
        while (m_pos < m_text.size() && isAsciiDigit(m_text[m_pos])) {
            const char c = static_cast<char>(m_text[m_pos]);
            m_ascii += c;
            value = std::min(limit, value * 10 + (c - '0'));
            ++m_pos;
        }
        m_exponent = negativeExponent ? -value : value;
        return m_pos > start;
    }

    // One buffer a thread, kept between calls: no allocation on a keystroke.
    static std::string& buffer()
    {
        thread_local std::string ascii;
        return ascii;
    }

    std::u16string_view m_text;
    std::u16string_view m_separator;
    std::size_t m_pos = 0;
    std::string& m_ascii;
    std::u16string_view m_intPart;
    std::u16string_view m_fracPart;
    std::int64_t m_exponent = 0;
};

} // namespace

std::optional<double> ToDouble(std::u16string_view text, std::u16string_view decimalPoint)
{
    Scanner scanner(text, decimalPoint);
    if (!scanner.scan()) {
        return std::nullopt;
    }
    const auto& ascii = scanner.ascii();
    double value = 0.0;
    const char* end = ascii.data() + ascii.size();
    const auto [ptr, ec] = std::from_chars(ascii.data(), end, value);
    if (ptr != end) {
        return std::nullopt; // cannot happen for a scanned text, but never trust a half read
    }
    if (ec == std::errc::result_out_of_range) {
        if (scanner.magnitudeBelowOne()) {
            return scanner.negative() ? -0.0 : 0.0;
        }
        return std::nullopt;
    }
    if (ec != std::errc()) {
        return std::nullopt;
    }
    return value;
}

} // namespace Runtime
