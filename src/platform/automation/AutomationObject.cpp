#include "platform/automation/AutomationObject.h"

#include "platform/AsciiText.h"
#include "platform/automation/EOleException.h"

namespace paginox {

void AutomationObject::Define(const std::string& name, unsigned callKinds, Handler handler)
{
    FMembers.emplace(AsciiLower(name), Entry{callKinds, std::move(handler)});
}

Variant AutomationObject::Invoke(const std::string& member, unsigned callKinds, std::vector<Variant>& args)
{
    auto [first, last] = FMembers.equal_range(AsciiLower(member));
    if (first == last)
        throw EOleException("Method '" + member + "' not supported by automation object");
    for (auto it = first; it != last; ++it)
        if (it->second.callKinds & callKinds)
            return it->second.handler(args);
    throw EOleException("Member '" + member + "' does not support this kind of call");
}

Variant& AutomationObject::Arg(std::vector<Variant>& args, size_t index)
{
    if (index >= args.size())
        throw EOleException("Invalid number of parameters");
    return args[index];
}

} // namespace paginox
