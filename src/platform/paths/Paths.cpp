#include "platform/paths/Paths.h"

namespace paginox {

namespace {

size_t NameStart(std::string_view path)
{
    const size_t delim = path.rfind(PathDelim);
    return delim == std::string_view::npos ? 0 : delim + 1;
}

size_t ExtensionStart(std::string_view path)
{
    const size_t dot = path.rfind('.');
    return dot == std::string_view::npos || dot < NameStart(path) ? path.size() : dot;
}

} // namespace

std::string ExtractFileName(std::string_view path)
{
    return std::string(path.substr(NameStart(path)));
}

std::string ExtractFileExt(std::string_view path)
{
    return std::string(path.substr(ExtensionStart(path)));
}

std::string ChangeFileExt(std::string_view path, std::string_view extension)
{
    return std::string(path.substr(0, ExtensionStart(path))) + std::string(extension);
}

std::string IncludeTrailingPathDelimiter(std::string_view path)
{
    std::string result(path);
    if (result.empty() || result.back() != PathDelim)
        result += PathDelim;
    return result;
}

} // namespace paginox
