#include "platform/automation/OleObject.h"

#include "platform/automation/EOleException.h"

namespace paginox {

Variant OleObject::Invoke(const std::string& member, unsigned callKinds, std::vector<Variant> args) const
{
    if (!FDispatch)
        throw EOleException("Variant does not reference an automation object");
    return FDispatch->Invoke(member, callKinds, args);
}

Variant OleObject::Get(const std::string& member) const
{
    return Invoke(member, Method | PropertyGet, {});
}

Variant OleObject::GetProperty(const std::string& member, std::initializer_list<Variant> args) const
{
    return Invoke(member, PropertyGet, args);
}

Variant OleObject::Call(const std::string& member, std::initializer_list<Variant> args) const
{
    return Invoke(member, Method, args);
}

void OleObject::Put(const std::string& member, Variant value) const
{
    Invoke(member, PropertyPut, {std::move(value)});
}

} // namespace paginox
