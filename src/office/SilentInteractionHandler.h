#pragma once

#include <com/sun/star/task/XInteractionHandler.hpp>
#include <cppuhelper/implbase1.hxx>

namespace paginox {

// Answers every question of the office with nothing, so a load that needs an answer
// (a password, a repair, a filter choice) fails instead of waiting.
class SilentInteractionHandler final : public cppu::WeakImplHelper1<css::task::XInteractionHandler> {
public:
    void SAL_CALL handle(const css::uno::Reference<css::task::XInteractionRequest>& request) override;
};

} // namespace paginox
