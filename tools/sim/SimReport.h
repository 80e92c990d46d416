// The simulator's output: the report of one table, a row per character, and the table of
// every character's edge at every table that the game's character page shows.
#pragma once

#include "SimOptions.h"
#include "Simulation.h"

#include <ostream>
#include <vector>

namespace quorvel::sim {

// The rows of `plan` from each part's tallies ([part][row]), and the last line with the rate.
void PrintReport(const Options& options, const Plan& plan,
                 const std::vector<std::vector<Tally>>& tallies, double seconds, std::ostream& out);

// Plays every table's rows, steered and fair, until each edge is within the options'
// accuracy, and writes them to the options' file; progress goes to `log`, failures to `err`.
bool WriteEdges(const Options& options, std::ostream& log, std::ostream& err);

} // namespace quorvel::sim
