#pragma once

namespace paginox {

// The format a run writes, by the codes of the format menu.
enum class OutputFormat { Jpeg = 1, Png = 2, Bmp = 3 };

// ".jpg", ".png" or ".bmp".
const char* ExtensionOf(OutputFormat format);

} // namespace paginox
