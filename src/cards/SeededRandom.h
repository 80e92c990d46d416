// The game's RandomSource: three independent generators (rules, shuffle, cosmetic) derived from
// one seed and seeded once for the whole run, never per draw. Tests and scripts can queue the
// values of the next rule draws; when the queue is empty the rule generator is used.
#pragma once

#include "cards/Random.h"

#include <array>
#include <cstdint>
#include <deque>
#include <random>
#include <vector>

namespace quorvel {

class SeededRandom final : public RandomSource {
public:
    // Seeds from std::random_device.
    SeededRandom();
    explicit SeededRandom(std::uint64_t seed);

    std::uint64_t Seed() const { return seed_; }

    // Draw in lo..hi (both included). A queued rule value outside lo..hi throws ScriptError
    // (the value is consumed).
    int Draw(DrawStream stream, int lo, int hi) override;
    // The same values as Draw, without a call per value.
    void DrawMany(DrawStream stream, int lo, int hi, std::span<int> out) override;

    // The seed and the values each stream has given. Queued rule draws give none.
    RandomPosition Position() const override;
    // Seeded again from `position.Seed`, with each stream moved on by the values it had given.
    void Restore(const RandomPosition& position);

    // Appends values for the coming rule draws, taken in order.
    void QueueRuleDraws(const std::vector<int>& values);
    std::size_t QueuedRuleDraws() const { return queue_.size(); }
    void ClearRuleQueue() { queue_.clear(); }

private:
    void Seed(std::uint64_t seed);

    std::uint64_t seed_;
    std::mt19937 streams_[3];
    std::array<std::uint64_t, 3> used_{};
    std::deque<int> queue_;
};

// A uniform draw in lo..hi from a 32-bit generator, by rejection so that it is unbiased and
// the same on every standard library. `used` counts the generator's values taken.
int UniformDraw(std::mt19937& generator, int lo, int hi, std::uint64_t* used = nullptr);

} // namespace quorvel
