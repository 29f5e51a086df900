#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace paginox {

// A file opened for one image write: created for reading and writing, replacing
// any file of the name, and held under an exclusive lock while it is open so that
// two writers never interleave in one file. Closed when the object goes, on every
// path.
class OutputFile final {
public:
    // EFCreateError when the file cannot be created or another writer holds it.
    explicit OutputFile(const std::string& path);
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // EWriteError unless every byte is taken.
    void Write(std::span<const uint8_t> bytes);
    // The pieces in order, as few system calls as the system allows.
    void WriteGathered(std::span<const std::span<const uint8_t>> pieces);

    // Closes now; EWriteError when the system reports that the data did not make it.
    void Close();

private:
    int FDescriptor = -1;
};

} // namespace paginox
