// The threads that play the jobs, and the interval of a row's result.
#include "Simulation.h"

#include "SharedShoes.h"
#include "SimulationRandom.h"
#include "UserPolicy.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <exception>
#include <limits>
#include <mutex>
#include <stdexcept>
#include <thread>

namespace quorvel::sim {

namespace {

// The 97.5% quantile of Student's t by degrees of freedom [1-30]; from 31 on 1.96 + 2.4/df
// stays within 0.002 of it.
constexpr double kStudentT[30] = {12.706, 4.303, 3.182, 2.776, 2.571, 2.447, 2.365, 2.306,
                                  2.262,  2.228, 2.201, 2.179, 2.160, 2.145, 2.131, 2.120,
                                  2.110,  2.101, 2.093, 2.086, 2.080, 2.074, 2.069, 2.064,
                                  2.060,  2.056, 2.052, 2.048, 2.045, 2.042};

double StudentT(int freedom) {
    if (freedom <= 30)
        return kStudentT[freedom - 1];
    return 1.96 + 2.4 / freedom;
}

// The stream of a row's draws in a part: rows and parts far enough apart never to meet.
std::uint64_t JobNumber(std::size_t row, int part) {
    return (static_cast<std::uint64_t>(row) << 32) | static_cast<std::uint32_t>(part);
}

} // namespace

std::vector<Part> SplitRounds(const std::vector<std::int64_t>& rowRounds, int parts,
                              int firstNumber) {
    std::vector<Part> split(static_cast<std::size_t>(std::max(parts, 1)));
    for (std::size_t part = 0; part < split.size(); ++part) {
        split[part].Number = firstNumber + static_cast<int>(part);
        const auto count = static_cast<std::int64_t>(split.size());
        for (std::int64_t rounds : rowRounds)
            split[part].RowRounds.push_back(rounds / count +
                                            (static_cast<std::int64_t>(part) < rounds % count));
    }
    return split;
}

std::vector<std::vector<Tally>> PlayParts(const Plan& plan, const std::vector<Part>& parts) {
    std::vector<std::vector<Tally>> tallies(parts.size(), std::vector<Tally>(plan.Rows.size()));
    std::atomic<std::size_t> next{0};
    std::exception_ptr failure;
    std::mutex failureLock;
    const auto work = [&] {
        try {
            const auto policy = MakePolicy(plan.Policy, plan.Bet);
            if (!policy)
                throw std::invalid_argument("no policy " + plan.Policy);
            for (std::size_t at = next++; at < parts.size(); at = next++) {
                const Part& part = parts[at];
                SharedShoes shoes(plan.Seed, static_cast<std::uint64_t>(part.Number));
                for (std::size_t row = 0; row < plan.Rows.size(); ++row) {
                    if (part.RowRounds[row] <= 0)
                        continue;
                    SimulationRandom random(plan.Seed, JobNumber(row, part.Number));
                    tallies[at][row] =
                        PlayRounds(plan.Rows[row], *policy, part.RowRounds[row], random, shoes);
                }
            }
        } catch (...) {
            const std::lock_guard<std::mutex> hold(failureLock);
            if (!failure)
                failure = std::current_exception();
            next = parts.size();
        }
    };
    std::vector<std::thread> threads;
    for (int t = 1; t < plan.Threads; ++t)
        threads.emplace_back(work);
    work();
    for (std::thread& thread : threads)
        thread.join();
    if (failure)
        std::rethrow_exception(failure);
    return tallies;
}

std::vector<Tally> RowTallies(const std::vector<std::vector<Tally>>& tallies, std::size_t row) {
    std::vector<Tally> parts;
    for (const std::vector<Tally>& part : tallies)
        if (part[row].Rounds > 0)
            parts.push_back(part[row]);
    return parts;
}

Tally Sum(const std::vector<Tally>& tallies) {
    Tally total;
    for (const Tally& tally : tallies)
        total.Add(tally);
    return total;
}

Estimate EstimateOf(const std::vector<Tally>& parts) {
    Estimate estimate;
    double staked = 0;
    double result = 0;
    for (const Tally& part : parts) {
        staked += part.Staked;
        result += part.Result;
    }
    if (staked <= 0)
        return {0, std::numeric_limits<double>::infinity()};
    const double ratio = result / staked;
    estimate.PerThousand = 1000 * ratio;
    const int n = static_cast<int>(parts.size());
    if (n < 2) {
        estimate.HalfWidth = std::numeric_limits<double>::infinity();
        return estimate;
    }
    // The ratio estimator's variance: the spread of each job's result about what the ratio
    // predicts for its stake.
    const double meanStake = staked / n;
    double squares = 0;
    for (const Tally& part : parts) {
        const double residual = (part.Result - ratio * part.Staked) / meanStake;
        squares += residual * residual;
    }
    const double variance = squares / (static_cast<double>(n) * (n - 1));
    estimate.HalfWidth = 1000 * StudentT(n - 1) * std::sqrt(variance);
    return estimate;
}

} // namespace quorvel::sim
