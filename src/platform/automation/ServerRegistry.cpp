#include "platform/automation/ServerRegistry.h"

#include "platform/AsciiText.h"
#include "platform/automation/EOleException.h"

namespace paginox {

ServerRegistry& ServerRegistry::Default()
{
    static ServerRegistry registry;
    return registry;
}

void ServerRegistry::Register(const std::string& progId, Factory factory)
{
    FFactories[AsciiLower(progId)] = std::move(factory);
}

void ServerRegistry::Unregister(const std::string& progId)
{
    FFactories.erase(AsciiLower(progId));
}

DispatchPtr ServerRegistry::Create(const std::string& progId) const
{
    auto it = FFactories.find(AsciiLower(progId));
    if (it == FFactories.end())
        throw EOleException("Invalid class string");
    return it->second();
}

DispatchPtr CreateOleObject(const std::string& progId)
{
    return ServerRegistry::Default().Create(progId);
}

} // namespace paginox
