#include "office/MemoryOutputStream.h"

namespace paginox {

void SAL_CALL MemoryOutputStream::writeBytes(const css::uno::Sequence<sal_Int8>& data)
{
    const auto* bytes = reinterpret_cast<const char*>(data.getConstArray());
    FBytes.insert(FBytes.end(), bytes, bytes + data.getLength());
}

} // namespace paginox
