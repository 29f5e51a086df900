#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <variant>

namespace paginox {

class IDispatch;
using DispatchPtr = std::shared_ptr<IDispatch>;

// The value passed to and returned from automation calls. A by-reference variant
// points at a caller's variant, which the callee may read and overwrite.
class Variant final {
public:
    enum class Kind { Empty, Boolean, Integer, Double, Text, Dispatch };

    Variant() = default;
    Variant(bool value) : FValue(value) {}
    Variant(int32_t value) : FValue(value) {}
    Variant(double value) : FValue(value) {}
    Variant(std::string value) : FValue(std::move(value)) {}
    Variant(const char* value) : FValue(std::string(value)) {}
    Variant(DispatchPtr value) : FValue(std::move(value)) {}

    static Variant ByRef(Variant& target);

    Kind GetKind() const;
    bool IsEmpty() const { return GetKind() == Kind::Empty; }
    bool IsByRef() const { return FTarget != nullptr; }

    // The variant itself, or the one a by-reference variant points at.
    const Variant& Deref() const { return FTarget ? *FTarget : *this; }
    Variant& Deref() { return FTarget ? *FTarget : *this; }

    // Typed reads with automation's coercions; a value of no fitting kind raises
    // EOleException ("Type mismatch").
    bool AsBoolean() const;
    int32_t AsInteger() const;
    double AsDouble() const;
    std::string AsText() const;
    DispatchPtr AsDispatch() const;

    // Number reads that keep the difference between an integer and a floating value.
    bool IsInteger() const { return GetKind() == Kind::Integer; }
    bool IsNumber() const { return GetKind() == Kind::Integer || GetKind() == Kind::Double; }

private:
    using Value = std::variant<std::monostate, bool, int32_t, double, std::string, DispatchPtr>;
    Value FValue;
    Variant* FTarget = nullptr;
};

} // namespace paginox
