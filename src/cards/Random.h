// The one source of random draws, passed to everything that draws. It has three streams so
// that a test can script the rule draws alone: the rule draws (every r, s and bet draw of the
// computer players, the swap's starting row, the pair-steering chance), the shuffle, and the
// cosmetic choices (backgrounds, music tracks).
#pragma once

#include <array>
#include <cstdint>
#include <span>

namespace quorvel {

enum class DrawStream { Rules, Shuffle, Cosmetic };

// Where a seeded source's draws stand: its seed and how many values each stream has given
// since it was seeded, so that a round can be played again from the same draws.
struct RandomPosition {
    bool Known = false; // false: a source that cannot say (a script's, a test's)
    std::uint64_t Seed = 0;
    std::array<std::uint64_t, 3> Used{}; // by DrawStream
    friend bool operator==(const RandomPosition&, const RandomPosition&) = default;
};

class RandomSource {
public:
    virtual ~RandomSource() = default;
    // A uniform draw in lo..hi, both included.
    virtual int Draw(DrawStream stream, int lo, int hi) = 0;
    // Fills `out` with draws in lo..hi, the same values in the same order as that many calls
    // of Draw; a source may do it faster in one go (the shuffle takes 20,800 at a time).
    virtual void DrawMany(DrawStream stream, int lo, int hi, std::span<int> out) {
        for (int& value : out)
            value = Draw(stream, lo, hi);
    }
    // Where the draws stand now.
    virtual RandomPosition Position() const { return {}; }
};

} // namespace quorvel
