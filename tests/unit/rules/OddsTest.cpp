// The odds advisor against brute force: for small stacks of unknown cards every order of them
// is laid into a real shoe and played out with the game's own routines (DrawCard, SwapCard,
// CompareHands, the bonus and the jackpot), and the advisor's chances and money figures must
// equal the averages over all orders. Plus the counting on a full four-deck panel.
#include "cards/Odds.h"
#include "RulesTestSupport.h"
#include "cards/SwapCard.h"

#include <gtest/gtest.h>

#include <map>
#include <numeric>

namespace quorvel {
namespace {

using test::Code;

constexpr double kTolerance = 1e-9;

// A decision: the user's hand (slot 1 face down), the banker's face-up cards and the unknown
// cards (the banker's face-down card among them); the user's face-down card is unseen too.
struct Stack {
    std::vector<const char*> hand;
    std::vector<const char*> bankerUp;
    std::vector<const char*> unknown;
    std::vector<const char*> otherOwn = {}; // the face-down card of the user's other hand
    std::int32_t bet = 10000;
    int streak = 0; // the hand's streak before the round (the jackpot needs 6 after a win)

    THand Hand() const {
        THand h;
        for (const char* code : hand)
            h.Card(++h.CardCount) = Code(code);
        EvaluateHand(h);
        return h;
    }
    OddsView View() const {
        OddsView view;
        view.Unseen.Fill(0);
        for (const char* code : unknown)
            view.Unseen.Of(Code(code)) += 1;
        view.Hand = Hand();
        view.OwnFaceDown = {Code(hand[0])};
        for (const char* code : otherOwn)
            view.OwnFaceDown.push_back(Code(code));
        for (const TShoeCard& own : view.OwnFaceDown)
            view.Unseen.Of(own) += 1;
        for (const char* code : bankerUp)
            view.BankerFaceUp.push_back(Code(code));
        view.Bet = bet;
        if (bet == kJackpotBet && streak + 1 >= kJackpotStreak)
            view.JackpotOnWin = std::int64_t{bet} * 10;
        return view;
    }
};

// One order of the unknown cards laid into a shoe: entry 1 the user's face-down card (hole
// entry 0), then the other hand's, the banker's face-down card dealt last, the rest undealt at
// the shoe's end.
TableShoe LayShoe(const std::vector<TShoeCard>& order, const OddsView& view) {
    TableShoe shoe;
    BuildShoe(shoe.Dealing);
    for (std::size_t i = 0; i < view.OwnFaceDown.size(); ++i)
        shoe.Dealing.At(1 + int(i)) = view.OwnFaceDown[i];
    const int first = kShoeSize - int(order.size()) + 1;
    for (std::size_t i = 0; i < order.size(); ++i)
        shoe.Dealing.At(first + int(i)) = order[i];
    shoe.Position = first; // the banker's face-down card is dealt
    shoe.Unseen = view.Unseen;
    return shoe;
}

// The money result of the round with the game's settlement routines.
double Settle(const Stack& s, const THand& user, THand banker, TableShoe& shoe) {
    if (user.HandValue == kBustCode)
        return -s.bet;
    while (banker.HandValue >= 1 && banker.HandValue <= 16 && shoe.CardsLeft() > 0)
        DrawCard(banker, shoe);
    THandRecord u, b;
    static_cast<THand&>(u) = user;
    static_cast<THand&>(b) = banker;
    u.Bet = s.bet;
    u.Streak = s.streak;
    CompareHands(b, u);
    double result = u.Outcome == kOutcomeWon ? s.bet : u.Outcome == kOutcomeLost ? -s.bet : 0;
    result += AwardSpecialBonus(u, s.bet, nullptr);
    if (u.Outcome == kOutcomeWon)
        result += CheckJackpot(u, nullptr);
    return result;
}

struct Sums {
    double stand = 0, hit = 0;
    int orders = 0;
    void Add(const Stack& s, const THand& user, const THand& banker, const TableShoe& shoe) {
        TableShoe standShoe = shoe;
        stand += Settle(s, user, banker, standShoe);
        TableShoe hitShoe = shoe;
        THand hitHand = user;
        if (hitShoe.CardsLeft() > 0)
            DrawCard(hitHand, hitShoe);
        hit += Settle(s, hitHand, banker, hitShoe);
        ++orders;
    }
    double Best() const { return std::max(stand, hit); }
};

// Brute force over every order of the unknown cards (each physical card distinct).
struct BruteForce {
    double bust = 0, bankerStands = 0, expected = 0, look = 0;
    std::array<double, 13> swap{}; // expected result after asking for each rank

    explicit BruteForce(const Stack& s) {
        const OddsView view = s.View();
        std::vector<TShoeCard> cards;
        for (const char* code : s.unknown)
            cards.push_back(Code(code));
        std::vector<int> index(cards.size());
        std::iota(index.begin(), index.end(), 0);
        Sums all;
        std::map<int, Sums> byHole;                 // by the cell of the banker's card
        std::array<std::map<int, Sums>, 52> byCard; // by rank x start row, then swap outcome
        int orders = 0;
        do {
            std::vector<TShoeCard> order;
            for (int i : index)
                order.push_back(cards[i]);
            const TableShoe shoe = LayShoe(order, view);
            THand banker;
            banker.Card(1) = order[0];
            banker.CardCount = 1;
            for (const char* code : s.bankerUp)
                banker.Card(++banker.CardCount) = Code(code);
            EvaluateHand(banker);
            const THand user = s.Hand();
            bust += WithNext(user, order[1]).HandValue == kBustCode;
            bankerStands += banker.HandValue >= 17;
            all.Add(s, user, banker, shoe);
            byHole[order[0].Rank * 4 + order[0].Suit].Add(s, user, banker, shoe);
            for (int rank = 1; rank <= 13; ++rank) {
                for (int start = 0; start < 4; ++start) {
                    TableShoe swapShoe = shoe;
                    THand swapped = user;
                    test::ScriptedRandom random;
                    random.rules = {start * 25};
                    const bool ok = SwapCard(swapped, swapShoe, rank, 1, 0, random);
                    const TShoeCard got = swapped.Card(1);
                    const int outcome = ok ? 1 + got.Rank * 4 + got.Suit : 0;
                    byCard[(rank - 1) * 4 + start][outcome].Add(s, swapped, banker, swapShoe);
                }
            }
            ++orders;
        } while (std::next_permutation(index.begin(), index.end()));
        bust /= orders;
        bankerStands /= orders;
        expected = all.Best() / orders;
        for (const auto& [hole, sums] : byHole)
            look += sums.Best() / orders;
        for (int rank = 1; rank <= 13; ++rank)
            for (int start = 0; start < 4; ++start)
                for (const auto& [outcome, sums] : byCard[(rank - 1) * 4 + start])
                    swap[rank - 1] += sums.Best() / orders / 4;
    }

    static THand WithNext(THand hand, TShoeCard card) {
        hand.Card(++hand.CardCount) = card;
        EvaluateHand(hand);
        return hand;
    }
};

void ExpectAgrees(const Stack& s) {
    const BruteForce truth(s);
    const DecisionOdds odds = AdviseDecision(s.View());
    ASSERT_TRUE(odds.Bust && odds.BankerStands && odds.Expected && odds.Look && odds.Swap);
    EXPECT_NEAR(*odds.Bust, truth.bust, kTolerance);
    EXPECT_NEAR(*odds.BankerStands, truth.bankerStands, kTolerance);
    EXPECT_NEAR(*odds.Expected, truth.expected, kTolerance * s.bet);
    EXPECT_NEAR(odds.Look->Return, truth.look - truth.expected, kTolerance * s.bet);
    EXPECT_EQ(odds.Look->Fee, kLookFee);
    for (int rank = 1; rank <= 13; ++rank)
        EXPECT_NEAR(odds.SwapReturns[rank - 1], truth.swap[rank - 1] - truth.expected,
                    kTolerance * s.bet)
            << "rank " << rank;
    const double best = *std::max_element(truth.swap.begin(), truth.swap.end());
    EXPECT_NEAR(odds.Swap->Return, best - truth.expected, kTolerance * s.bet);
    EXPECT_EQ(odds.Swap->Fee, kSwapFee);
}

// A four-card 11: one more card always makes five cards, which beats any plain total.
TEST(OddsTest, FiveCardHandAgainstBruteForce) {
    ExpectAgrees({{"2C", "3D", "2H", "4S"}, {"10S"}, {"9H", "KD", "5C", "6D", "AS", "8C", "10H"}});
}

// Asking for a jack next to the ace of hearts: hearts (suited ace-jack, 3 x the bet) from
// starting rows 1 and 2, diamonds (a plain 21) from rows 3 and 4; the jack of hearts may be
// the banker's card, and the old five takes the place of the first undealt jack of hearts.
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

// Sevens for three sevens (10 x the bet), 6-7-8, soft banker aces, and the jackpot on a win.
TEST(OddsTest, ThreeSevensSoftBankerAndJackpotAgainstBruteForce) {
    Stack s{{"7C", "7D"}, {"AS"}, {"7H", "7S", "AD", "6C", "8H", "2S", "10C"}};
    s.bet = kJackpotBet;
    s.streak = 5;
    ExpectAgrees(s);
    ExpectAgrees({{"6C", "8D"}, {"AH"}, {"7H", "AS", "AD", "3C", "JH", "2S", "QC"}});
}

// So few cards that the banker runs out of them and stands.
TEST(OddsTest, BankerOutOfCardsAgainstBruteForce) {
    ExpectAgrees({{"10C", "4D"}, {"3S"}, {"2C", "2D", "3H", "AS"}});
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

    view = s.View();
    view.BankerFaceUp.clear();
    EXPECT_FALSE(BankerStandsChance(view));
    EXPECT_TRUE(NextCardBustChance(view));
    EXPECT_FALSE(AdviseDecision(view).Swap);
}

} // namespace
} // namespace quorvel
