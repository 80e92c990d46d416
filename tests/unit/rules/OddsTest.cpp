// The odds advisor against brute force (OddsBruteForce.h): for small stacks of unknown cards
// every figure, each move's value and the best move must equal the averages over all orders
// of the cards played with the game's own routines. Plus the counting on a full four-deck
// panel, and what is valued when fewer moves are offered.
#include "OddsBruteForce.h"

#include "cards/OddsDeck.h"

#include <gtest/gtest.h>

#include <functional>

namespace quorvel {
namespace {

using test::BruteForce;
using test::Code;
using test::Stack;

constexpr double kTolerance = 1e-9;

void ExpectMove(const DecisionOdds& odds, Move move, double truth, double scale) {
    ASSERT_TRUE(odds.ValueOf(move)) << "move " << int(move);
    EXPECT_NEAR(*odds.ValueOf(move), truth, kTolerance * scale) << "move " << int(move);
}

// The best move is one whose value is the highest of all offered.
void ExpectBestIsHighest(const DecisionOdds& odds) {
    ASSERT_TRUE(odds.Best);
    for (const std::optional<double>& value : odds.Values) {
        if (value) {
            EXPECT_GE(*odds.ValueOf(*odds.Best) + 1e-6, *value);
        }
    }
}

void ExpectAgrees(const Stack& s) {
    const BruteForce truth(s);
    const DecisionOdds odds = AdviseDecision(s.View());
    const double bet = s.bet;
    ASSERT_TRUE(odds.Bust && odds.BankerStands && odds.Expected && odds.Look && odds.Swap);
    EXPECT_NEAR(*odds.Bust, truth.bust / truth.orders, kTolerance);
    EXPECT_NEAR(*odds.BankerStands, truth.bankerStands / truth.orders, kTolerance);
    const double expected = truth.Expected(s);
    EXPECT_NEAR(*odds.Expected, expected, kTolerance * bet);
    ExpectMove(odds, Move::Stand, truth.Stand(), bet);
    ExpectMove(odds, Move::Hit, truth.Hit(), bet);
    if (s.hand.size() == 2)
        ExpectMove(odds, Move::Double, truth.Double(), bet);
    EXPECT_NEAR(odds.Look->Return, truth.Look(s) - expected, kTolerance * bet);
    ExpectMove(odds, Move::Look, truth.Look(s) - kLookFee, bet);
    double bestSwap = -1e300;
    for (int rank = 1; rank <= 13; ++rank) {
        EXPECT_NEAR(odds.SwapReturns[rank - 1], truth.Swap(s, rank) - expected, kTolerance * bet)
            << "rank " << rank;
        bestSwap = std::max(bestSwap, truth.Swap(s, rank));
    }
    EXPECT_NEAR(odds.Swap->Return, bestSwap - expected, kTolerance * bet);
    ExpectMove(odds, Move::Swap, bestSwap - kSwapFee, bet);
    ExpectBestIsHighest(odds);
}

// Two low cards: hitting pays only by going on (a hand of five cards beats every total), and
// doubling is worth less than hitting.
TEST(OddsTest, HittingOnAgainstBruteForce) {
    ExpectAgrees({{"2C", "3D"}, {"10S"}, {"9H", "KD", "4C", "2D", "AS", "3C", "10H"}});
    ExpectAgrees({{"2C", "3D", "2H", "4S"}, {"10S"}, {"9H", "KD", "5C", "6D", "AS", "8C", "10H"}});
}

// Asking for a jack next to the ace of hearts: hearts (suited ace-jack, 3 x the bet) from
// starting rows 1 and 2, diamonds (a plain 21) from rows 3 and 4; the jack of hearts may be
// the banker's card, and the old five takes the place of the first undealt jack of hearts and
// may come to the user on a hit.
TEST(OddsTest, SwapToASuitedAceJackAgainstBruteForce) {
    ExpectAgrees({{"5C", "AH"}, {"9S"}, {"JH", "JH", "JS", "JD", "JD", "7C", "4H"}});
}

// Two fours of clubs unseen, one the face-down card of the user's other hand: the only undealt
// one may be the banker's face-down card, and the swap then fails and the user, knowing why,
// plays on with the old hand. A five would take the hard total to 22 and is refused.
TEST(OddsTest, SwapThatFailsOnTheBankersCardOrTheTotalAgainstBruteForce) {
    Stack s{{"2S", "9D", "8H"}, {"2C"}, {"4C", "3H", "3H", "5S", "5S", "AC", "10D"}};
    s.otherOwn = {"4C"};
    ExpectAgrees(s);
}

// Sevens for three sevens (10 x the bet), 6-7-8, soft banker aces, the jackpot on a win, and
// a double that makes the stake the jackpot's.
TEST(OddsTest, ThreeSevensSoftBankerAndJackpotAgainstBruteForce) {
    Stack s{{"7C", "7D"}, {"AS"}, {"7H", "7S", "AD", "6C", "8H", "2S", "10C"}};
    s.bet = kJackpotBet;
    s.streak = 5;
    ExpectAgrees(s);
    s.bet = kJackpotBet / 2;
    ExpectAgrees(s);
    ExpectAgrees({{"6C", "8D"}, {"AH"}, {"7H", "AS", "AD", "3C", "JH", "2S", "QC"}});
}

// So few cards that the banker runs out of them and stands, and a hand of small cards that
// can take every card left: past seven cards taking one more may still pay, by leaving the
// banker short.
TEST(OddsTest, BankerOutOfCardsAgainstBruteForce) {
    ExpectAgrees({{"10C", "4D"}, {"3S"}, {"2C", "2D", "3H", "AS"}});
    ExpectAgrees({{"AS", "AS", "2S", "AC"}, {"7C"}, {"7S", "7S", "AH", "5C", "2D"}});
}

// A pair of eights against a ten, and an ace of spades whose partner jack of spades makes the
// black jack hand (10 x the bet) with a split hand's new card.
TEST(OddsTest, SplitAgainstBruteForce) {
    for (Stack s : {Stack{{"8H", "8H"}, {"10S"}, {"3C", "9D", "2H", "10D", "7S", "AC", "8S"}},
                    Stack{{"AS", "AS"}, {"5D"}, {"JS", "JH", "9C", "6S", "2D", "KD", "4H"}}}) {
        s.offered = {Move::Split, Move::NoSplit};
        for (bool doubles : {true, false}) {
            s.splitHandsDouble = doubles;
            const BruteForce truth(s);
            const DecisionOdds odds = AdviseDecision(s.View());
            ExpectMove(odds, Move::Split, truth.Split(s), s.bet);
            ExpectMove(odds, Move::NoSplit, truth.Unsplit(), s.bet);
            EXPECT_FALSE(odds.ValueOf(Move::Hit) || odds.Look || odds.Swap);
            ExpectBestIsHighest(odds);
        }
    }
}

// A full panel: the hand's own face-down king is known and not among the unknown cards.
TEST(OddsTest, FourDeckCountsTakeOutTheUsersOwnCard) {
    OddsView view;
    view.Unseen.Fill(4);
    view.Unseen.Of(Code("6H")) -= 1; // shown: the user's second card and the banker's
    view.Unseen.Of(Code("9C")) -= 1;
    view.Hand.Card(1) = Code("KS");
    view.Hand.Card(2) = Code("6H");
    view.Hand.CardCount = 2;
    EvaluateHand(view.Hand);
    view.OwnFaceDown = {Code("KS")};
    view.BankerFaceUp = {Code("9C")};
    view.Bet = 20000;
    // 16 busts on six and up: 8 ranks x 16 cards, less the seen 6H and 9C and the own KS.
    EXPECT_NEAR(*NextCardBustChance(view), 125.0 / 205.0, 1e-12);
    // The banker's 9 stands on eights, nines (less 9C), ten-valued cards (less the own KS), aces.
    EXPECT_NEAR(*BankerStandsChance(view), (16 + 15 + 63 + 16) / 205.0, 1e-12);
    const DecisionOdds odds = AdviseDecision(view);
    ASSERT_TRUE(odds.Look && odds.Swap);
    EXPECT_GT(odds.Look->Return, 0); // knowing more never costs anything
    EXPECT_LT(*odds.Expected, 0);    // 16 against a 9 is a losing hand
}

// On a full shoe the best plain move is the one every player knows: stand on hard 20, hit a
// hard 5, double 11 against a 6; and a hit is never worth less than taking one card and
// standing whatever comes.
TEST(OddsTest, BestMovesOnAFullShoe) {
    const auto best = [](std::vector<const char*> hand, const char* up) {
        Stack s{hand, {up}, {}};
        OddsView view = s.View();
        view.Unseen.Fill(4);
        view.Unseen.Of(Code(up)) -= 1;
        for (std::size_t i = 1; i < hand.size(); ++i)
            view.Unseen.Of(Code(hand[i])) -= 1;
        view.Offered = {Move::Stand, Move::Hit, Move::Double};
        return AdviseDecision(view);
    };
    EXPECT_EQ(best({"KS", "QH"}, "7C").Best, Move::Stand);
    EXPECT_EQ(best({"2S", "3H"}, "10C").Best, Move::Hit);
    const DecisionOdds eleven = best({"5S", "6H"}, "6C");
    EXPECT_EQ(eleven.Best, Move::Double);
    EXPECT_GT(*eleven.ValueOf(Move::Double), *eleven.ValueOf(Move::Hit));
}

// Only the moves offered are valued and named: no hit at a hand that has taken its doubled
// card, no look or swap once the services are closed.
TEST(OddsTest, OnlyOfferedMovesAreValued) {
    Stack s{{"10C", "6D"}, {"9S"}, {"5H", "2C", "KD", "8S"}};
    s.offered = {Move::Stand, Move::Look};
    const DecisionOdds odds = AdviseDecision(s.View());
    EXPECT_TRUE(odds.ValueOf(Move::Stand) && odds.ValueOf(Move::Look) && odds.Look);
    EXPECT_FALSE(odds.ValueOf(Move::Hit) || odds.ValueOf(Move::Double) || odds.Swap);
    EXPECT_NEAR(*odds.Expected, *odds.ValueOf(Move::Stand), 1e-9);
    // Knowing the banker's card changes nothing when the hand can only stand.
    EXPECT_NEAR(odds.Look->Return, 0, 1e-9);
    EXPECT_EQ(odds.Best, Move::Stand);
}

// The banker's hands are valued card by card without EvaluateHand: the same value for every
// two starting cards and every five cards drawn after them, to the bust.
TEST(OddsTest, GrowingHandsValueLikeTheHandRules) {
    int checked = 0;
    const std::function<void(const THand&, const odds::GrowingHand&)> draw =
        [&](const THand& hand, const odds::GrowingHand& grown) {
            for (int cls = 0; cls < odds::kClasses && hand.CardCount < 7; ++cls) {
                THand bigger = hand;
                bigger.Card(++bigger.CardCount) = odds::ClassCard(cls);
                EvaluateHand(bigger);
                const odds::GrowingHand next = grown.With(cls);
                ASSERT_EQ(next.code, bigger.HandValue) << ++checked;
                if (bigger.HandValue != kBustCode)
                    draw(bigger, next);
            }
        };
    for (int a = 0; a < odds::kClasses; ++a)
        for (int b = a; b < odds::kClasses; ++b) {
            THand start;
            start.Card(1) = odds::ClassCard(a);
            start.Card(2) = odds::ClassCard(b);
            start.CardCount = 2;
            EvaluateHand(start);
            draw(start, odds::GrowingHand(start));
        }
}

// Nothing to value: no unknown card, a bust hand, no banker card.
TEST(OddsTest, NothingToValueGivesNoFigures) {
    Stack s{{"10C", "6D"}, {"9S"}, {"5H"}};
    OddsView view = s.View();
    view.Unseen.Fill(0);
    view.Unseen.Of(Code("10C")) = 1;
    EXPECT_FALSE(NextCardBustChance(view));
    EXPECT_FALSE(AdviseDecision(view).Expected);

    view = Stack{{"10C", "6D", "KH"}, {"9S"}, {"5H", "2C"}}.View();
    EXPECT_FALSE(NextCardBustChance(view));
    EXPECT_FALSE(AdviseDecision(view).Look);
    EXPECT_FALSE(AdviseDecision(view).Best);

    view = s.View();
    view.BankerFaceUp.clear();
    EXPECT_FALSE(BankerStandsChance(view));
    EXPECT_TRUE(NextCardBustChance(view));
    EXPECT_FALSE(AdviseDecision(view).Swap);
}

} // namespace
} // namespace quorvel
