// Writing a table's wording as a list of (message, template) lines.
#pragma once

#include "round/Wording.h"

#include <cstddef>

namespace quorvel::wording {

// Builds a wording table from (id, template) pairs.
struct Line {
    Say Id;
    const char* Text;
};
template <std::size_t N> constexpr WordingTable Table(const Line (&lines)[N]) {
    WordingTable table{};
    for (const Line& line : lines)
        table[static_cast<std::size_t>(line.Id)] = line.Text;
    return table;
}

} // namespace quorvel::wording
