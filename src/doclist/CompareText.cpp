#include "doclist/CompareText.h"

#include <algorithm>

namespace paginox {

namespace {

int FoldedByte(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 'a' && byte <= 'z' ? byte - 'a' + 'A' : byte;
}

} // namespace

int CompareText(std::string_view text1, std::string_view text2)
{
    const size_t common = std::min(text1.size(), text2.size());
    for (size_t i = 0; i < common; ++i) {
        const int difference = FoldedByte(text1[i]) - FoldedByte(text2[i]);
        if (difference != 0)
            return difference;
    }
    return static_cast<int>(text1.size()) - static_cast<int>(text2.size());
}

} // namespace paginox
