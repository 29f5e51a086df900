#pragma once

#include <string>
#include <string_view>

namespace paginox {

inline constexpr char PathDelim = '/';

// The part after the last delimiter, extension included.
std::string ExtractFileName(std::string_view path);

// The extension with its dot ("" when the name has none): from the last "." after
// the last delimiter.
std::string ExtractFileExt(std::string_view path);

// The path with its extension replaced (or added when it has none).
std::string ChangeFileExt(std::string_view path, std::string_view extension);

std::string IncludeTrailingPathDelimiter(std::string_view path);

} // namespace paginox
