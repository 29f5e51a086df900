#pragma once

#include <string>
#include <string_view>

namespace paginox {

// Lower-cases the ASCII letters only; other bytes pass unchanged.
inline std::string AsciiLower(std::string_view text)
{
    std::string result(text);
    for (char& c : result)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return result;
}

} // namespace paginox
