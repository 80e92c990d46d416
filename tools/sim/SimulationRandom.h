// The simulator's random source: every stream (rules, shuffle, cosmetic) is eight xoshiro128++
// generators side by side, seeded from the run's seed and the job's number, so that no two jobs
// share a draw and a job's draws do not depend on the thread that plays it. It gives uniform,
// independent draws as the game's own source does, but not the same ones: a simulation needs
// only their law, and the shuffle's 20,800 draws a shoe are made eight at a time.
#pragma once

#include "cards/Random.h"

#include <array>
#include <cstdint>
#include <span>

namespace quorvel::sim {

class SimulationRandom final : public RandomSource {
public:
    SimulationRandom(std::uint64_t seed, std::uint64_t job);

    int Draw(DrawStream stream, int lo, int hi) override;
    void DrawMany(DrawStream stream, int lo, int hi, std::span<int> out) override;

    // Eight generators' state and the values of their last step not taken yet.
    struct Lanes {
        static constexpr int kLanes = 8;
        alignas(16) std::array<std::array<std::uint32_t, kLanes>, 4> State{};
        std::array<std::uint32_t, kLanes> Values{};
        int Next = kLanes; // the first value not taken [0-8]

        void Step();
        std::uint32_t Value();
    };

private:
    std::array<Lanes, 3> streams_;
};

} // namespace quorvel::sim
