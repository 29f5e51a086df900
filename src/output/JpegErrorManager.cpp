#include "output/JpegErrorManager.h"

#include "output/OutputErrors.h"

namespace paginox {

namespace {

[[noreturn]] void JumpBack(j_common_ptr info)
{
    // pub is the first member, so the library's pointer is the manager's.
    auto* manager = reinterpret_cast<JpegErrorManager*>(info->err);
    std::longjmp(manager->jump, 1);
}

void IgnoreMessage(j_common_ptr, int) {}
void IgnoreOutput(j_common_ptr) {}

// Kept out of line so that setjmp sits in a frame with nothing to destroy.
[[gnu::noinline]] bool RunUnderJump(JpegErrorManager& manager, void (*step)(void*), void* context)
{
    if (setjmp(manager.jump) != 0)
        return false;
    step(context);
    return true;
}

} // namespace

jpeg_error_mgr* UseJpegErrorManager(JpegErrorManager& manager)
{
    jpeg_error_mgr* errors = jpeg_std_error(&manager.pub);
    errors->error_exit = JumpBack;
    errors->emit_message = IgnoreMessage;
    errors->output_message = IgnoreOutput;
    return errors;
}

void RunJpegStep(JpegErrorManager& manager, void (*step)(void*), void* context)
{
    if (!RunUnderJump(manager, step, context))
        throw EJPEG(manager.pub.msg_code);
}

} // namespace paginox
