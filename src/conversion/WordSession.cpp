#include "conversion/WordSession.h"

namespace paginox {

void WordSession::End()
{
    if (!FWord.Assigned())
        return;
    try {
        FWord.Call("Quit");
    } catch (const std::exception&) {
        // Nothing more can be done for a Word that will not quit: release it all the same.
    }
    FWord.Release();
}

} // namespace paginox
