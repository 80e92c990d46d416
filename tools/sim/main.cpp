// quorvel-sim: plays many rounds at one table with the game's own round engine and prints, for
// each character, what the user's fixed way of playing wins or loses against it.
#include "SimOptions.h"
#include "SimReport.h"
#include "Simulation.h"

#include <chrono>
#include <cstdio>
#include <exception>
#include <iostream>

using namespace quorvel::sim;

int main(int argc, char** argv) {
    Options options;
    std::string error;
    if (!ParseOptions(argc, argv, options, error)) {
        std::cerr << "quorvel-sim: " << error << "\n(quorvel-sim --help shows the usage)\n";
        return 2;
    }
    if (options.Help) {
        std::cout << kUsage;
        return 0;
    }
    try {
        if (!options.EdgesFile.empty())
            return WriteEdges(options, std::cout, std::cerr) ? 0 : 1;
        const auto start = std::chrono::steady_clock::now();
        const Plan plan = PlanOf(options);
        const auto rows = static_cast<std::int64_t>(plan.Rows.size());
        std::vector<std::int64_t> rowRounds;
        for (std::int64_t row = 0; row < rows; ++row)
            rowRounds.push_back(options.Rounds / rows + (row < options.Rounds % rows));
        const std::vector<Part> parts = SplitRounds(rowRounds, kPartsPerRow);
        const std::vector<std::vector<Tally>> tallies = PlayParts(plan, parts);
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        PrintReport(options, plan, tallies, seconds, std::cout);
    } catch (const std::exception& failure) {
        std::cerr << "quorvel-sim: " << failure.what() << '\n';
        return 1;
    }
    return 0;
}
