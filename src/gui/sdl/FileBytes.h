// Reading a whole file the game did not write itself: only a regular file, opened without
// blocking (a FIFO in its place must not hang the game) and no larger than the caller allows.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <vector>

namespace quorvel {

// The whole file into `out`; false when it is missing, not a regular file, larger than
// `limit` [bytes] or cannot be read.
bool ReadFileBytes(const std::filesystem::path& file, std::size_t limit,
                   std::vector<std::uint8_t>& out);

} // namespace quorvel
