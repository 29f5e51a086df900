#pragma once

#include "platform/Exception.h"

namespace paginox {

// An automation call failed; the message is the server's.
class EOleException final : public Exception {
public:
    using Exception::Exception;
};

} // namespace paginox
