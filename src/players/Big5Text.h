// The save file's text encoding: Big5 (code page 950 through iconv). Only the save file sees
// Big5; the program works in UTF-8.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace quorvel {

// UTF-8 to Big5, cut to at most maxBytes on a character boundary. A character Big5 cannot
// hold, and any byte that is not UTF-8, becomes '?'.
std::string Utf8ToBig5(std::string_view utf8, std::size_t maxBytes);
// Big5 to UTF-8; nothing when the bytes are not valid Big5 text (control bytes included).
std::optional<std::string> Big5ToUtf8(std::string_view big5);

} // namespace quorvel
