#pragma once

#include "platform/automation/IDispatch.h"

#include <initializer_list>

namespace paginox {

// The caller's side of late binding: a reference to an automation object with the
// call kinds spelled out at each call.
class OleObject final {
public:
    OleObject() = default;
    explicit OleObject(DispatchPtr dispatch) : FDispatch(std::move(dispatch)) {}
    explicit OleObject(const Variant& value) : FDispatch(value.AsDispatch()) {}

    bool Assigned() const { return FDispatch != nullptr; }
    const DispatchPtr& Dispatch() const { return FDispatch; }
    void Release() { FDispatch.reset(); }

    // A member read without arguments: method or property get.
    Variant Get(const std::string& member) const;
    OleObject GetObject(const std::string& member) const { return OleObject(Get(member)); }
    Variant GetProperty(const std::string& member, std::initializer_list<Variant> args = {}) const;
    Variant Call(const std::string& member, std::initializer_list<Variant> args = {}) const;
    void Put(const std::string& member, Variant value) const;

private:
    Variant Invoke(const std::string& member, unsigned callKinds, std::vector<Variant> args) const;

    DispatchPtr FDispatch;
};

} // namespace paginox
