#include "office/SilentInteractionHandler.h"

namespace paginox {

void SAL_CALL SilentInteractionHandler::handle(const css::uno::Reference<css::task::XInteractionRequest>&)
{
}

} // namespace paginox
