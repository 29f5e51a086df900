#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <vector>

#include <jpeglib.h>

namespace paginox {

// A libjpeg destination that grows a byte vector; after jpeg_finish_compress the
// vector holds exactly the encoded stream. Growth that finds no memory stops the
// compression through the error manager with outOfMemory set.
struct JpegMemoryDestination final {
    jpeg_destination_mgr pub;
    std::vector<uint8_t>* bytes;
    bool outOfMemory;
};

// Points info's destination at manager, which writes into bytes (emptied first).
void UseJpegMemoryDestination(j_compress_ptr info, JpegMemoryDestination& destination, std::vector<uint8_t>& bytes);

} // namespace paginox
