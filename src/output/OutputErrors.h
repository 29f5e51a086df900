#pragma once

#include "platform/Exception.h"

#include <string>

namespace paginox {

// The output file could not be made; reason is the system's text for the error.
class EFCreateError final : public Exception {
public:
    EFCreateError(const std::string& path, const std::string& reason)
        : Exception("Cannot create file \"" + path + "\". " + reason)
    {
    }
};

// The file did not take all the bytes given to it.
class EWriteError final : public Exception {
public:
    EWriteError() : Exception("Stream write error") {}
};

// libjpeg gave up; the code is the library's message code.
class EJPEG final : public Exception {
public:
    explicit EJPEG(int code) : Exception("JPEG error #" + std::to_string(code)), FCode(code) {}
    int Code() const { return FCode; }

private:
    int FCode;
};

} // namespace paginox
