#include "platform/automation/Variant.h"

#include "platform/automation/EOleException.h"

#include <cmath>
#include <limits>

namespace paginox {

namespace {

[[noreturn]] void TypeMismatch()
{
    throw EOleException("Type mismatch");
}

} // namespace

Variant Variant::ByRef(Variant& target)
{
    Variant ref;
    ref.FTarget = &target.Deref();
    return ref;
}

Variant::Kind Variant::GetKind() const
{
    return static_cast<Kind>(Deref().FValue.index());
}

bool Variant::AsBoolean() const
{
    const Value& v = Deref().FValue;
    if (auto b = std::get_if<bool>(&v))
        return *b;
    if (auto i = std::get_if<int32_t>(&v))
        return *i != 0;
    if (auto d = std::get_if<double>(&v))
        return *d != 0.0;
    TypeMismatch();
}

int32_t Variant::AsInteger() const
{
    const Value& v = Deref().FValue;
    if (auto i = std::get_if<int32_t>(&v))
        return *i;
    if (auto b = std::get_if<bool>(&v))
        return *b ? -1 : 0; // automation's true is -1
    if (auto d = std::get_if<double>(&v)) {
        const double r = std::nearbyint(*d); // ties to even in the default rounding mode
        if (!(r >= std::numeric_limits<int32_t>::min() && r <= std::numeric_limits<int32_t>::max()))
            throw EOleException("Overflow");
        return static_cast<int32_t>(r);
    }
    TypeMismatch();
}

double Variant::AsDouble() const
{
    const Value& v = Deref().FValue;
    if (auto d = std::get_if<double>(&v))
        return *d;
    if (auto i = std::get_if<int32_t>(&v))
        return *i;
    if (auto b = std::get_if<bool>(&v))
        return *b ? -1.0 : 0.0;
    TypeMismatch();
}

std::string Variant::AsText() const
{
    const Value& v = Deref().FValue;
    if (auto s = std::get_if<std::string>(&v))
        return *s;
    if (auto i = std::get_if<int32_t>(&v))
        return std::to_string(*i);
    TypeMismatch();
}

DispatchPtr Variant::AsDispatch() const
{
    const Value& v = Deref().FValue;
    if (auto p = std::get_if<DispatchPtr>(&v); p && *p)
        return *p;
    TypeMismatch();
}

} // namespace paginox
