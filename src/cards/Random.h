// The one source of random draws, passed to everything that draws. It has three streams so
// that a test can script the rule draws alone: the rule draws (every r, s and bet draw of the
// computer players, the swap's starting row, the pair-steering chance), the shuffle, and the
// cosmetic choices (backgrounds, music tracks).
#pragma once

namespace quorvel {

enum class DrawStream { Rules, Shuffle, Cosmetic };

class RandomSource {
public:
    virtual ~RandomSource() = default;
    // A uniform draw in lo..hi, both included.
    virtual int Draw(DrawStream stream, int lo, int hi) = 0;
};

} // namespace quorvel
