#pragma once

#include "platform/automation/Variant.h"

#include <string>
#include <vector>

namespace paginox {

// How a member is invoked; a get without arguments asks for Method | PropertyGet.
enum CallKind : unsigned {
    Method = 1,
    PropertyGet = 2,
    PropertyPut = 4,
};

// A late-bound automation object: members are looked up by name at each call,
// without regard to case. Arguments come in their natural order; for a put the
// new value is the last one. Failures raise EOleException.
class IDispatch {
public:
    virtual ~IDispatch() = default;
    virtual Variant Invoke(const std::string& member, unsigned callKinds, std::vector<Variant>& args) = 0;
};

} // namespace paginox
