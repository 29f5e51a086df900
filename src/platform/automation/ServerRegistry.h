#pragma once

#include "platform/automation/IDispatch.h"

#include <functional>
#include <map>
#include <string>

namespace paginox {

// The automation servers this process knows, by ProgID (matched without regard to case).
class ServerRegistry final {
public:
    using Factory = std::function<DispatchPtr()>;

    static ServerRegistry& Default();

    void Register(const std::string& progId, Factory factory);
    void Unregister(const std::string& progId);

    // A new object of the server; EOleException for an unknown ProgID, and the
    // server's own error when it cannot start.
    DispatchPtr Create(const std::string& progId) const;

private:
    std::map<std::string, Factory> FFactories;
};

DispatchPtr CreateOleObject(const std::string& progId);

} // namespace paginox
