// Many rounds on several threads. The work is cut into parts; a part plays every row (a
// character at a table) in turn, each with draws of its own seeded from the seed, the row and
// the part, and all of them on the part's shared shoes. The numbers do not depend on how many
// threads play the parts or in which order. A row's figures are the sum of its parts, and its
// interval comes from how its parts' results spread (batch means), which holds although the
// rounds of a game are not independent (the characters steer harder as their money runs low).
#pragma once

#include "TableRun.h"
#include "Tally.h"

#include <cstdint>
#include <string>
#include <vector>

namespace quorvel::sim {

struct Plan {
    std::vector<Seating> Rows;
    std::string Policy = "stand17";
    std::int32_t Bet = 10000; // [money]
    std::uint64_t Seed = 1;
    int Threads = 1;
};

// One part: its number (which seeds its draws and shoes) and the rounds each row plays in it.
struct Part {
    int Number = 0;
    std::vector<std::int64_t> RowRounds; // by row [0-]
};

// Each row's rounds [0-] cut into `parts` parts of nearly equal length, numbered from
// `firstNumber`.
std::vector<Part> SplitRounds(const std::vector<std::int64_t>& rowRounds, int parts,
                              int firstNumber = 0);

// Plays the parts and gives each part's tally of each row ([part][row]). A failure in a part
// (the table refusing the policy's action) is thrown again here.
std::vector<std::vector<Tally>> PlayParts(const Plan& plan, const std::vector<Part>& parts);

// The user's mean result per 1000 bet and its 95% interval, from one row's tallies of each
// part: the ratio of the sums, with a Student t interval over the parts.
struct Estimate {
    double PerThousand = 0;
    double HalfWidth = 0; // [per 1000 bet]; infinite with fewer than two parts
};
Estimate EstimateOf(const std::vector<Tally>& parts);

// Row `row`'s tallies from the parts' tallies, and their sum.
std::vector<Tally> RowTallies(const std::vector<std::vector<Tally>>& tallies, std::size_t row);
Tally Sum(const std::vector<Tally>& tallies);

} // namespace quorvel::sim
