#pragma once

#include "office/OfficeOptions.h"
#include "platform/automation/ServerRegistry.h"

#include <memory>

namespace paginox {

class OfficeSession;

// Registers the server under "Word.Application": each object created starts an office
// of its own, ended by its Quit or when the last reference goes. When the office is
// missing or will not start, creation raises EOleException saying why.
void RegisterWordApplication(ServerRegistry& registry, OfficeOptions options = {});

// The Application object over an office the caller keeps a hand on.
DispatchPtr CreateWordApplication(std::shared_ptr<OfficeSession> session);

} // namespace paginox
