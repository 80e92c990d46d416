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

TEST(SeededRandom, DrawingManyAtOnceGivesTheValuesOfSingleDraws) {
    // Ranges whose rejection limits differ, one of them a single value and one of 31 bits.
    for (const auto& [lo, hi] : std::vector<std::pair<int, int>>{
             {1, 208}, {1, 100}, {-5, 5}, {7, 7}, {0, 1 << 30}, {1, 3}}) {
        SeededRandom one(5), many(5);
        std::vector<int> single;
        for (int i = 0; i < 2000; ++i)
            single.push_back(one.Draw(DrawStream::Shuffle, lo, hi));
        std::vector<int> together(2000);
        many.DrawMany(DrawStream::Shuffle, lo, hi, together);
        EXPECT_EQ(together, single) << lo << ".." << hi;
        EXPECT_EQ(many.Position().Used, one.Position().Used) << lo << ".." << hi;
    }
    // Queued rule draws still come first.
    SeededRandom queued(5);
    queued.QueueRuleDraws({3, 4});
    std::vector<int> values(3);
    queued.DrawMany(DrawStream::Rules, 1, 10, values);
    EXPECT_EQ(values[0], 3);
    EXPECT_EQ(values[1], 4);
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
