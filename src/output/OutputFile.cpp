#include "output/OutputFile.h"

#include "output/OutputErrors.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <vector>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/uio.h>
#include <unistd.h>

namespace paginox {

namespace {

std::string SystemText(int error)
{
    return std::strerror(error);
}

} // namespace

OutputFile::OutputFile(const std::string& path)
{
    // Truncated only once the lock is ours: a file held by another writer is left alone.
    FDescriptor = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (FDescriptor < 0)
        throw EFCreateError(path, SystemText(errno));
    // Devices such as /dev/null cannot be truncated, and need not be.
    if (::flock(FDescriptor, LOCK_EX | LOCK_NB) != 0 || (::ftruncate(FDescriptor, 0) != 0 && errno != EINVAL)) {
        const int error = errno;
        ::close(FDescriptor);
        FDescriptor = -1;
        throw EFCreateError(path, SystemText(error));
    }
}

OutputFile::~OutputFile()
{
    if (FDescriptor >= 0)
        ::close(FDescriptor);
}

void OutputFile::Write(std::span<const uint8_t> bytes)
{
    const std::span<const uint8_t> pieces[] = {bytes};
    WriteGathered(pieces);
}

void OutputFile::WriteGathered(std::span<const std::span<const uint8_t>> pieces)
{
    std::vector<iovec> vectors;
    vectors.reserve(pieces.size());
    for (const auto& piece : pieces)
        if (!piece.empty())
            vectors.push_back({const_cast<uint8_t*>(piece.data()), piece.size()});

    size_t next = 0;
    while (next < vectors.size()) {
        const int count = static_cast<int>(std::min<size_t>(vectors.size() - next, IOV_MAX));
        const ssize_t written = ::writev(FDescriptor, vectors.data() + next, count);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            throw EWriteError();
        // A short write: skip what was taken and offer the rest again.
        size_t taken = static_cast<size_t>(written);
        while (next < vectors.size() && taken >= vectors[next].iov_len)
            taken -= vectors[next++].iov_len;
        if (taken > 0) {
            vectors[next].iov_base = static_cast<uint8_t*>(vectors[next].iov_base) + taken;
            vectors[next].iov_len -= taken;
        }
    }
}

void OutputFile::Close()
{
    const int descriptor = FDescriptor;
    FDescriptor = -1;
    if (descriptor >= 0 && ::close(descriptor) != 0 && errno != EINTR)
        throw EWriteError();
}

} // namespace paginox
