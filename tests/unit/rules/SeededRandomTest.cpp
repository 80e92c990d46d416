// The random source: seeded once, independent streams, scripted rule draws.
#include "cards/SeededRandom.h"
#include "cards/ScriptError.h"

#include <gtest/gtest.h>

#include <set>

namespace quorvel {
namespace {

std::vector<int> Draws(SeededRandom& random, DrawStream stream, int count) {
    std::vector<int> values;
    for (int i = 0; i < count; ++i)
        values.push_back(random.Draw(stream, 1, 100));
    return values;
}

TEST(SeededRandom, DrawsInQuickSuccessionDoNotRepeat) {
    // Reseeding before every draw would give the same value again and again.
    SeededRandom random;
    const auto values = Draws(random, DrawStream::Rules, 50);
    EXPECT_GT(std::set<int>(values.begin(), values.end()).size(), 20u);
}

TEST(SeededRandom, SameSeedSameDrawsAndStreamsAreIndependent) {
    SeededRandom a(42), b(42);
    EXPECT_EQ(Draws(a, DrawStream::Rules, 20), Draws(b, DrawStream::Rules, 20));
    // Shuffle draws on one side leave the rule stream of the other unchanged.
    Draws(a, DrawStream::Shuffle, 7);
    EXPECT_EQ(Draws(a, DrawStream::Rules, 20), Draws(b, DrawStream::Rules, 20));
    SeededRandom c(43);
    EXPECT_NE(Draws(b, DrawStream::Rules, 20), Draws(c, DrawStream::Rules, 20));
}

TEST(SeededRandom, DrawsCoverTheRangeOnly) {
    SeededRandom random(5);
    std::set<int> seen;
    for (int i = 0; i < 5000; ++i) {
        const int value = random.Draw(DrawStream::Shuffle, 1, 208);
        ASSERT_GE(value, 1);
        ASSERT_LE(value, 208);
        seen.insert(value);
    }
    EXPECT_EQ(seen.size(), 208u);
    EXPECT_EQ(random.Draw(DrawStream::Rules, 7, 7), 7);
}

TEST(SeededRandom, QueuedRuleDrawsComeFirstAndAreChecked) {
    SeededRandom random(1), plain(1);
    random.QueueRuleDraws({5, 99});
    EXPECT_EQ(random.Draw(DrawStream::Shuffle, 1, 208), plain.Draw(DrawStream::Shuffle, 1, 208));
    EXPECT_EQ(random.Draw(DrawStream::Rules, 1, 100), 5);
    EXPECT_EQ(random.Draw(DrawStream::Rules, 0, 99), 99);
    EXPECT_EQ(random.QueuedRuleDraws(), 0u);
    EXPECT_EQ(random.Draw(DrawStream::Rules, 1, 100), plain.Draw(DrawStream::Rules, 1, 100));
    random.QueueRuleDraws({0});
    EXPECT_THROW(random.Draw(DrawStream::Rules, 1, 100), ScriptError);
}

} // namespace
} // namespace quorvel
