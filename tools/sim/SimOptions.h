// The simulator's command line: the table, the rounds, the threads and the seed, who sits
// where, how the user plays, and the usage text that explains what each row of the report is.
#pragma once

#include "Simulation.h"

#include <cstdint>
#include <string>
#include <vector>

namespace quorvel::sim {

// Jobs a row's rounds are cut into: enough for the interval's spread, few enough that each job
// plays several whole games.
inline constexpr int kPartsPerRow = 32;

struct Options {
    int Table = 1;                 // [1-4]
    std::int64_t Rounds = 1000000; // all rows together [1-]
    int Threads = 0;               // 0: one per processor
    std::uint64_t Seed = 1;
    std::string Banker;             // the one banker to challenge; empty for all nine
    std::vector<std::string> Seats; // --seat names
    std::string Policy = "stand17";
    std::int32_t Bet = 10000; // [money]
    bool Fair = false;
    std::string EdgesFile; // write the game's table of edges here instead
    double Accuracy = 4;   // [per 1000 bet] the half-width each edge of that table reaches
    bool Help = false;
};

extern const char* const kUsage;

// False with `error` saying why for a command line that makes no sense.
bool ParseOptions(int argc, char** argv, Options& options, std::string& error);

// The rows the options ask for at their table, with the policy, seed and threads. Throws
// std::invalid_argument for names outside the roster.
Plan PlanOf(const Options& options);
// The measured character of each row, in the rows' order.
std::vector<std::string> RowCharacters(const Options& options);

} // namespace quorvel::sim
