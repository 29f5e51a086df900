#include "output/JpegMemoryDestination.h"

#include <jerror.h>

#include <new>

namespace paginox {

namespace {

constexpr size_t FirstSize = size_t{1} << 16;

JpegMemoryDestination& DestinationOf(j_compress_ptr info)
{
    return *reinterpret_cast<JpegMemoryDestination*>(info->dest);
}

// No exception may cross libjpeg's frames: a failed growth is reported to the caller.
bool Grow(JpegMemoryDestination& destination, size_t size) noexcept
{
    try {
        destination.bytes->resize(size);
        return true;
    } catch (const std::bad_alloc&) {
        destination.outOfMemory = true;
        return false;
    }
}

void InitDestination(j_compress_ptr info)
{
    JpegMemoryDestination& destination = DestinationOf(info);
    if (!Grow(destination, FirstSize))
        ERREXIT1(info, JERR_OUT_OF_MEMORY, 0);
    destination.pub.next_output_byte = destination.bytes->data();
    destination.pub.free_in_buffer = destination.bytes->size();
}

boolean EmptyOutputBuffer(j_compress_ptr info)
{
    // libjpeg calls this only when the whole buffer is used.
    JpegMemoryDestination& destination = DestinationOf(info);
    const size_t used = destination.bytes->size();
    if (!Grow(destination, used * 2))
        ERREXIT1(info, JERR_OUT_OF_MEMORY, 0);
    destination.pub.next_output_byte = destination.bytes->data() + used;
    destination.pub.free_in_buffer = destination.bytes->size() - used;
    return TRUE;
}

void TermDestination(j_compress_ptr info)
{
    JpegMemoryDestination& destination = DestinationOf(info);
    destination.bytes->resize(destination.bytes->size() - destination.pub.free_in_buffer);
    destination.pub.free_in_buffer = 0;
}

} // namespace

void UseJpegMemoryDestination(j_compress_ptr info, JpegMemoryDestination& destination, std::vector<uint8_t>& bytes)
{
    bytes.clear();
    destination.bytes = &bytes;
    destination.outOfMemory = false;
    destination.pub.init_destination = InitDestination;
    destination.pub.empty_output_buffer = EmptyOutputBuffer;
    destination.pub.term_destination = TermDestination;
    destination.pub.next_output_byte = nullptr;
    destination.pub.free_in_buffer = 0;
    info->dest = &destination.pub;
}

} // namespace paginox
