#include "office/UnoBootstrap.h"

#include "office/UnoText.h"
#include "platform/automation/EOleException.h"

#include <cppuhelper/bootstrap.hxx>

#include <cstdlib>

namespace paginox {

css::uno::Reference<css::uno::XComponentContext> LocalUnoContext()
{
    static const css::uno::Reference<css::uno::XComponentContext> context = [] {
        // Our program is not in the office's folder, so the bootstrap must be told where
        // the office's type libraries and services are.
        setenv("URE_BOOTSTRAP", "vnd.sun.star.pathname:/usr/lib/libreoffice/program/fundamentalrc", 1);
        try {
            return cppu::defaultBootstrap_InitialComponentContext();
        } catch (const css::uno::Exception& e) {
            throw EOleException("The office cannot be started: " + ToUtf8(e.Message));
        }
    }();
    return context;
}

} // namespace paginox
