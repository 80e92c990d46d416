// Breaks UTF-8 text into lines that fit a width: Chinese text may break between any two
// characters, Latin words only at spaces, closing punctuation never starts a line, and a
// paragraph of several lines never ends on one character alone.
// The width of a piece of text comes from the caller, so this stays free of any font code.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel {

// Width of a piece of text as it would be drawn [px].
using TextWidth = std::function<int(std::string_view)>;

// The lines of `text` for a box `maxWidth` wide [px]. A line break ("\n") always breaks;
// a word wider than the box is cut between characters.
std::vector<std::string> BreakLines(std::string_view text, int maxWidth, const TextWidth& width);

} // namespace quorvel
