#pragma once

#include <stdexcept>
#include <string>

namespace paginox {

// Root of the program's named errors; what() is the message the user sees.
class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& message) : std::runtime_error(message) {}
    std::string Message() const { return what(); }
};

// A text that is not the number it should be.
class EConvertError final : public Exception {
public:
    using Exception::Exception;
};

} // namespace paginox
