#pragma once

#include <rtl/ustring.hxx>

#include <string>

namespace paginox {

using rtl::OUString;

inline OUString ToOUString(const std::string& text)
{
    return OUString::fromUtf8(rtl::OString(text.data(), static_cast<sal_Int32>(text.size())));
}

inline std::string ToUtf8(const OUString& text)
{
    const rtl::OString bytes = rtl::OUStringToOString(text, RTL_TEXTENCODING_UTF8);
    return std::string(bytes.getStr(), static_cast<size_t>(bytes.getLength()));
}

} // namespace paginox
