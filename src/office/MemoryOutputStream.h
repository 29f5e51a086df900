#pragma once

#include <com/sun/star/io/XOutputStream.hpp>
#include <cppuhelper/implbase1.hxx>

#include <vector>

namespace paginox {

// Collects what the office writes, so an export never touches the disk.
class MemoryOutputStream final : public cppu::WeakImplHelper1<css::io::XOutputStream> {
public:
    void SAL_CALL writeBytes(const css::uno::Sequence<sal_Int8>& data) override;
    void SAL_CALL flush() override {}
    void SAL_CALL closeOutput() override {}

    std::vector<char> Take() { return std::move(FBytes); }

private:
    std::vector<char> FBytes;
};

} // namespace paginox
