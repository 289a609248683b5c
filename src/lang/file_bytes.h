// Reads a whole language or settings file into memory.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace tv {

// No language or settings file comes near this; anything larger is refused rather
// than read into memory.
inline constexpr size_t kMaxTextFileSize = size_t{64} << 20;

// The bytes of the regular file `path`; nothing when it cannot be opened or read, is
// not a regular file, or is larger than kMaxTextFileSize.
[[nodiscard]] std::optional<std::string> readFileBytes(const std::string& path);

}  // namespace tv
