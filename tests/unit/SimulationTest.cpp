// The simulator: its figures do not depend on how many threads play them, every table plays
// with every policy, the fair table steers nothing, and a command line that makes no sense is
// refused with a reason.
#include "Simulation.h"
#include "SimOptions.h"

#include <gtest/gtest.h>

#include <cmath>

namespace quorvel::sim {
namespace {

Plan PlanFor(std::vector<std::string> words) {
    std::vector<char*> argv{const_cast<char*>("quorvel-sim")};
    for (std::string& word : words)
        argv.push_back(word.data());
    Options options;
    std::string error;
    EXPECT_TRUE(ParseOptions(static_cast<int>(argv.size()), argv.data(), options, error)) << error;
    return PlanOf(options);
}

std::vector<Tally> RowsOf(const Plan& plan, std::int64_t roundsPerRow) {
    const std::vector<std::int64_t> rounds(plan.Rows.size(), roundsPerRow);
    const auto tallies = PlayParts(plan, SplitRounds(rounds, 4));
    std::vector<Tally> rows;
    for (std::size_t row = 0; row < plan.Rows.size(); ++row)
        rows.push_back(Sum(RowTallies(tallies, row)));
    return rows;
}

bool Same(const Tally& a, const Tally& b) {
    return a.Rounds == b.Rounds && a.Games == b.Games && a.Staked == b.Staked &&
           a.Result == b.Result && a.User.Bust == b.User.Bust &&
           a.Theirs.Special == b.Theirs.Special;
}

TEST(Simulation, TheFiguresAreTheSameOnOneThreadOrTwo) {
    Plan plan = PlanFor({"--table", "3", "--banker", "酷哥", "--seed", "4"});
    plan.Threads = 1;
    const std::vector<Tally> one = RowsOf(plan, 400);
    plan.Threads = 2;
    const std::vector<Tally> two = RowsOf(plan, 400);
    ASSERT_EQ(one.size(), 1u);
    EXPECT_TRUE(Same(one[0], two[0]));
    EXPECT_EQ(one[0].Rounds, 400);
    // Three seats of bets, none of them the banker's.
    EXPECT_GT(one[0].Staked, 0);
}

TEST(Simulation, EveryTablePlaysWithEveryPolicySteeredAndFair) {
    for (const char* table : {"1", "2", "3", "4"})
        for (const char* policy : {"stand12", "stand17", "advisor"})
            for (bool fair : {false, true}) {
                SCOPED_TRACE(std::string("table ") + table + " " + policy + (fair ? " fair" : ""));
                std::vector<std::string> words{"--table", table,       "--policy",
                                               policy,    "--threads", "1"};
                if (fair)
                    words.push_back("--fair");
                const Plan plan = PlanFor(words);
                const std::int64_t rounds = std::string(policy) == "advisor" ? 10 : 150;
                for (const Tally& row : RowsOf(plan, rounds)) {
                    EXPECT_EQ(row.Rounds, rounds);
                    EXPECT_GT(row.Staked, 0);
                    EXPECT_GE(row.User.Played, rounds);
                    EXPECT_LE(row.User.Bust, row.User.Played);
                }
            }
}

TEST(Simulation, PartsAddUpToEachRowsRoundsAndTheEstimateIsTheRatioOfTheSums) {
    const std::vector<Part> parts = SplitRounds({100, 7, 0}, 4, 10);
    ASSERT_EQ(parts.size(), 4u);
    std::vector<std::int64_t> sums(3, 0);
    for (std::size_t i = 0; i < parts.size(); ++i) {
        EXPECT_EQ(parts[i].Number, 10 + static_cast<int>(i));
        for (std::size_t row = 0; row < 3; ++row) {
            EXPECT_GE(parts[i].RowRounds[row], 0);
            sums[row] += parts[i].RowRounds[row];
        }
    }
    EXPECT_EQ(sums, (std::vector<std::int64_t>{100, 7, 0}));

    // Parts of unequal stakes weigh by their stakes: -60 over 4000 is -15 per 1000.
    Tally small, large;
    small.Staked = 1000;
    small.Result = -10;
    large.Staked = 3000;
    large.Result = -50;
    const Estimate estimate = EstimateOf({small, large});
    EXPECT_DOUBLE_EQ(estimate.PerThousand, -15);
    EXPECT_GT(estimate.HalfWidth, 0);
    EXPECT_TRUE(std::isfinite(estimate.HalfWidth));
    // One part, or nothing staked, has no interval.
    EXPECT_TRUE(std::isinf(EstimateOf({small}).HalfWidth));
    EXPECT_TRUE(std::isinf(EstimateOf({Tally{}, Tally{}}).HalfWidth));
    // Parts that agree exactly leave no spread.
    EXPECT_DOUBLE_EQ(EstimateOf({small, small, small}).HalfWidth, 0);
}

TEST(Simulation, ACommandLineThatMakesNoSenseIsRefusedWithAReason) {
    const std::vector<std::vector<std::string>> refused = {
        {"--table", "5"},      {"--rounds", "0"},   {"--threads", "-1"}, {"--policy", "stand30"},
        {"--policy", "guess"}, {"--bet", "999"},    {"--rounds"},        {"--colour", "red"},
        {"--table", "1x"},     {"--accuracy", "0"},
    };
    for (std::vector<std::string> words : refused) {
        std::vector<char*> argv{const_cast<char*>("quorvel-sim")};
        for (std::string& word : words)
            argv.push_back(word.data());
        Options options;
        std::string error;
        EXPECT_FALSE(ParseOptions(static_cast<int>(argv.size()), argv.data(), options, error))
            << words[0];
        EXPECT_FALSE(error.empty());
    }
    Options options;
    options.Banker = "無名氏";
    EXPECT_THROW(PlanOf(options), std::invalid_argument);
}

} // namespace
} // namespace quorvel::sim
