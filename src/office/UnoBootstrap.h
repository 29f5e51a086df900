#pragma once

#include <com/sun/star/uno/XComponentContext.hpp>

namespace paginox {

// This process's own UNO context, made once from the office's type libraries.
css::uno::Reference<css::uno::XComponentContext> LocalUnoContext();

} // namespace paginox
