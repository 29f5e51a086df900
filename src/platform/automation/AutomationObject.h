#pragma once

#include "platform/automation/IDispatch.h"

#include <functional>
#include <map>

namespace paginox {

// Base of the servers' objects: a table of members by lower-cased name, each with
// the call kinds it answers.
class AutomationObject : public IDispatch {
public:
    Variant Invoke(const std::string& member, unsigned callKinds, std::vector<Variant>& args) final;

protected:
    using Handler = std::function<Variant(std::vector<Variant>& args)>;
    void Define(const std::string& name, unsigned callKinds, Handler handler);

    // The argument at index, or an error naming the member when it is missing.
    static Variant& Arg(std::vector<Variant>& args, size_t index);

private:
    struct Entry {
        unsigned callKinds;
        Handler handler;
    };
    std::multimap<std::string, Entry> FMembers;
};

} // namespace paginox
