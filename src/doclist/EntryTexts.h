#pragma once

#include "doclist/DocumentEntry.h"
#include "platform/files/DirectoryEntry.h"
#include "platform/regional/RegionalSettings.h"

#include <cstdint>
#include <string>

namespace paginox {

// Whole KB, no grouping: 1023 bytes give "0KB", 1024 bytes "1KB".
std::string SizeText(std::uint64_t size);

// The stamp in local time with the given offset, reduced to the DOS date-time form
// (even seconds), as short date and, unless it is midnight, a blank and the long time.
std::string TimeText(const FileTime& stamp, std::int64_t utcOffset, const FormatSettings& format);

// A checked row for a directory entry: caption and path as given.
DocumentEntry MakeDocumentEntry(const std::string& caption, const std::string& path,
                                const DirectoryEntry& entry, const RegionalSettings& regional);

} // namespace paginox
