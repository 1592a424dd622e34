#include "runtime/numbers/NumberText.h"

#include <QVarLengthArray>

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <system_error>

namespace Runtime {

namespace {

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool isBlank(QChar c)
{
    return c.isSpace();
}

// The scanner copies the number into ASCII in the form std::from_chars reads:
// no leading '+', '.' as the separator. It also keeps what is needed to tell
// an underflow from an overflow when from_chars reports a range error.
class Scanner
{
public:
    Scanner(QStringView text, QStringView separator)
        : m_text(text)
        , m_separator(separator)
    {
        // Every character of the text gives at most one ASCII character, so
        // one reservation covers a pasted wall of digits.
        if (text.size() > m_ascii.capacity()) {
            m_ascii.reserve(text.size());
        }
    }

    bool scan()
    {
        skipBlanks();
        if (peek(u'+')) {
            ++m_pos;
        } else if (peek(u'-')) {
            m_ascii.append('-');
            ++m_pos;
        }

        const qsizetype intDigits = digits(&m_intPart);
        qsizetype fracDigits = 0;
        if (separator()) {
            m_ascii.append('.');
            fracDigits = digits(&m_fracPart);
        }
        if (intDigits + fracDigits == 0) {
            return false;
        }

        if (peek(u'e') || peek(u'E')) {
            m_ascii.append('e');
            ++m_pos;
            if (!exponent()) {
                return false;
            }
        }
        skipBlanks();
        return m_pos == m_text.size();
    }

    const QVarLengthArray<char, 64>& ascii() const { return m_ascii; }

    // Whether the magnitude of the number is below one, judged from the place
    // of its first significant digit; false for zero.
    bool magnitudeBelowOne() const
    {
        // The first significant digit stands at 10^(place - 1).
        std::int64_t place = 0;
        const auto isZero = [](QChar c) { return c == u'0'; };
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
    bool negative() const { return !m_ascii.isEmpty() && m_ascii.front() == '-'; }

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
        if (!m_separator.isEmpty() && m_text.sliced(m_pos).startsWith(m_separator)) {
            m_pos += m_separator.size();
            return true;
        }
        return false;
    }

    // Copies a run of digits and returns how many there were.
    qsizetype digits(QStringView* run)
    {
        const qsizetype start = m_pos;
        while (m_pos < m_text.size() && isAsciiDigit(m_text[m_pos])) {
            ++m_pos;
        }
        *run = m_text.sliced(start, m_pos - start);
        const qsizetype at = m_ascii.size();
        m_ascii.resize(at + run->size());
        std::transform(run->begin(), run->end(), m_ascii.begin() + at,
                       [](QChar c) { return static_cast<char>(c.unicode()); });
        return run->size();
    }

    bool exponent()
    {
        bool negativeExponent = false;
        if (peek(u'+')) {
            ++m_pos;
        } else if (peek(u'-')) {
            negativeExponent = true;
            m_ascii.append('-');
            ++m_pos;
        }
        const qsizetype start = m_pos;
        // Saturates: any exponent this large already decides over or underflow.
        constexpr std::int64_t limit = 1'000'000'000;
        std::int64_t value = 0;
        while (m_pos < m_text.size() && isAsciiDigit(m_text[m_pos])) {
            const char c = static_cast<char>(m_text[m_pos].unicode());
            m_ascii.append(c);
            value = std::min(limit, value * 10 + (c - '0'));
            ++m_pos;
        }
        m_exponent = negativeExponent ? -value : value;
        return m_pos > start;
    }

    QStringView m_text;
    QStringView m_separator;
    qsizetype m_pos = 0;
    QVarLengthArray<char, 64> m_ascii;
    QStringView m_intPart;
    QStringView m_fracPart;
    std::int64_t m_exponent = 0;
};

} // namespace

QString DecimalPoint(const QLocale& locale)
{
    struct Cache {
        QLocale locale;
        QString decimalPoint;
    };
    thread_local Cache cache{QLocale::c(), QLocale::c().decimalPoint()};
    // QLocale compares by its data and options: cheap, unlike the query.
    if (!(cache.locale == locale)) {
        cache = {locale, locale.decimalPoint()};
    }
    return cache.decimalPoint;
}

std::optional<double> ToDouble(QStringView text, const QLocale& locale)
{
    return ToDouble(text, DecimalPoint(locale));
}

std::optional<double> ToDouble(QStringView text, QStringView decimalPoint)
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

bool IsNumeric(QStringView text, const QLocale& locale)
{
    return ToDouble(text, locale).has_value();
}

} // namespace Runtime
