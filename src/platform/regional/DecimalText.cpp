#include "platform/regional/DecimalText.h"

#include "platform/Exception.h"

#include <cstdlib>
#include <locale.h>
#include <string>

namespace paginox {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Copies a run of digits into the normalised number; returns how many there were.
size_t TakeDigits(std::string_view text, size_t& at, std::string& number)
{
    const size_t start = at;
    while (at < text.size() && IsDigit(text[at]))
        number += text[at++];
    return at - start;
}

} // namespace

double StrToFloat(std::string_view text, std::string_view decimalSeparator)
{
    const auto fail = [&]() {
        return EConvertError("'" + std::string(text) + "' is not a valid floating point value");
    };
    size_t at = 0;
    while (at < text.size() && text[at] == ' ')
        ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-'))
        negative = text[at++] == '-';

    std::string number;
    size_t digits = TakeDigits(text, at, number);
    if (!decimalSeparator.empty() && text.substr(at).starts_with(decimalSeparator)) {
        at += decimalSeparator.size();
        number += '.';
        digits += TakeDigits(text, at, number);
    }
    if (digits == 0)
        throw fail();
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        ++at;
        number += 'e';
        if (at < text.size() && (text[at] == '+' || text[at] == '-'))
            number += text[at++];
        if (TakeDigits(text, at, number) == 0)
            throw fail();
    }
    while (at < text.size() && text[at] == ' ')
        ++at;
    if (at != text.size())
        throw fail();

    // strtod_l in the C locale: the number is normalised to "." already, and out of
    // range values come back as HUGE_VAL or 0, which range checks then refuse.
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    const double value = strtod_l(number.c_str(), nullptr, cLocale);
    return negative ? -value : value;
}

} // namespace paginox
