#pragma once

#include <com/sun/star/beans/PropertyValue.hpp>
#include <com/sun/star/uno/Sequence.hxx>

#include <initializer_list>
#include <vector>

namespace paginox {

inline css::beans::PropertyValue Prop(const char* name, const css::uno::Any& value)
{
    css::beans::PropertyValue property;
    property.Name = rtl::OUString::createFromAscii(name);
    property.Value = value;
    return property;
}

inline css::uno::Sequence<css::beans::PropertyValue> Props(std::initializer_list<css::beans::PropertyValue> items)
{
    const std::vector<css::beans::PropertyValue> list(items);
    return css::uno::Sequence<css::beans::PropertyValue>(list.data(), static_cast<sal_Int32>(list.size()));
}

} // namespace paginox
