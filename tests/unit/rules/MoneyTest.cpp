// Money arithmetic stays within 32 bits, and the raised-bet offer with it.
#include "players/Money.h"

#include <gtest/gtest.h>

namespace quorvel {
namespace {

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

TEST(Money, SumsAndProductsClampToThirtyTwoBits) {
    EXPECT_EQ(AddMoney(kMax, 1), kMax);
    EXPECT_EQ(AddMoney(kMax - 5, 3), kMax - 2);
    EXPECT_EQ(AddMoney(0, std::numeric_limits<std::int64_t>::max()), kMax);
    EXPECT_EQ(SubMoney(kMin, 1), kMin);
    EXPECT_EQ(SubMoney(0, std::numeric_limits<std::int64_t>::min()), kMax);
    EXPECT_EQ(MulMoney(300'000'000, 10), kMax);
    EXPECT_EQ(MulMoney(-300'000'000, 10), kMin);
    EXPECT_EQ(MulMoney(80000, 10), 800000);
}

TEST(Money, RaisedBetOfferDoublesUpToTheLimit) {
    EXPECT_FALSE(RaisedBetOffer(19999));
    EXPECT_EQ(RaisedBetOffer(20000), 40000);
    EXPECT_EQ(RaisedBetOffer(80000), 80000);
    EXPECT_EQ(RaisedBetOffer(160000), 320000);
    // Winning again and again with the raised bet walks it past 2^31 without overflowing.
    std::int32_t bet = 20000;
    int raises = 0;
    while (bet < kMax && raises < 40) {
        const auto offer = RaisedBetOffer(bet);
        ASSERT_TRUE(offer);
        ASSERT_GE(*offer, bet);
        bet = *offer == 80000 ? 160000 : *offer; // a capped 80000 is then doubled by the user
        ++raises;
    }
    EXPECT_EQ(bet, kMax);
    EXPECT_EQ(RaisedBetOffer(kMax), kMax);
    EXPECT_LT(raises, 20);
}

} // namespace
} // namespace quorvel
