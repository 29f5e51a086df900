#pragma once

#include <csetjmp>
#include <cstddef>
#include <cstdio>

#include <jpeglib.h>

namespace paginox {

// libjpeg is C: its fatal errors must not unwind C++ through its frames. The
// manager's error_exit jumps back to RunJpegStep, which then raises EJPEG with the
// library's message code; warnings and trace messages are dropped.
struct JpegErrorManager final {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
};

// Fills the manager and returns what goes into the object's err field.
jpeg_error_mgr* UseJpegErrorManager(JpegErrorManager& manager);

// Runs step(context) under the manager. step calls libjpeg and must keep no object
// with a destructor of its own while it does, because an error leaves it by a jump.
void RunJpegStep(JpegErrorManager& manager, void (*step)(void* context), void* context);

} // namespace paginox
