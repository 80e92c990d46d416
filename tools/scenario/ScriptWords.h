// The word level of scenario scripts: splitting a line into words (a double-quoted word may
// hold blanks), and the hex words of putfile and hexdump.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel::scenario {

// Words split on blanks and tabs. Inside double quotes blanks do not split; a word that is
// wholly quoted loses its quotes. Nothing for an unclosed quote.
std::optional<std::vector<std::string>> SplitWords(std::string_view line);
// Words [from, end) joined by single blanks.
std::string JoinWords(const std::vector<std::string>& words, std::size_t from);
// Bytes from hex digits (either case); nothing for an odd count or a non-hex character.
std::optional<std::vector<std::uint8_t>> ParseHex(std::string_view hex);
std::string ToHex(const std::vector<std::uint8_t>& bytes);
// A whole decimal number in [lo, hi]; nothing otherwise.
std::optional<long long> ParseNumber(std::string_view word, long long lo, long long hi);

} // namespace quorvel::scenario
