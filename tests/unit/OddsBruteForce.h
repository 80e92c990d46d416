// The odds advisor's figures worked out the slow way: every order of a small stack of unknown
// cards is laid into a real shoe and played out with the game's own routines (DrawCard,
// SwapCard, CompareHands, the bonus and the jackpot). What the user knows is a tree of the
// cards seen so far; at each of its nodes the user takes the better of standing and hitting on
// the average over the orders that reach it, and a look, a swap or a split's new card starts
// trees of their own, one per thing the user then knows.
#pragma once

#include "RulesTestSupport.h"
#include "cards/Odds.h"
#include "cards/SwapCard.h"

#include <algorithm>
#include <map>
#include <numeric>
#include <vector>

namespace quorvel::test {

// A decision: the user's hand (slot 1 face down), the banker's face-up cards and the unknown
// cards (the banker's face-down card among them); the user's face-down card is unseen too.
struct Stack {
    std::vector<const char*> hand;
    std::vector<const char*> bankerUp;
    std::vector<const char*> unknown;
    std::vector<const char*> otherOwn = {}; // the face-down card of the user's other hand
    std::int32_t bet = 10000;
    int streak = 0; // the hand's streak before the round (the jackpot needs 6 after a win)
    MoveSet offered{Move::Stand, Move::Hit, Move::Double, Move::Look, Move::Swap};
    bool splitHandsDouble = true;

    THand Hand() const {
        THand h;
        for (const char* code : hand)
            h.Card(++h.CardCount) = Code(code);
        EvaluateHand(h);
        return h;
    }
    std::int64_t JackpotFor(std::int32_t stake) const {
        return stake == kJackpotBet && streak + 1 >= kJackpotStreak ? std::int64_t{stake} * 10
                                                                    : 0;
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
        view.JackpotOnWin = JackpotFor(bet);
        view.JackpotOnDoubledWin = JackpotFor(bet * 2);
        view.Offered = offered;
        view.MayDoubleSplitHands = splitHandsDouble;
        return view;
    }
};

// One order of the unknown cards laid into a shoe: entry 1 the user's face-down card (hole
// entry 0), then the other hand's, the banker's face-down card dealt last, the rest undealt
// at the shoe's end.
inline TableShoe LayShoe(const std::vector<TShoeCard>& order, const OddsView& view) {
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
inline double Settle(const Stack& s, std::int32_t stake, const THand& user, THand banker,
                     TableShoe shoe) {
    if (user.HandValue == kBustCode)
        return -stake;
    while (banker.HandValue >= 1 && banker.HandValue <= 16 && shoe.CardsLeft() > 0)
        DrawCard(banker, shoe);
    THandRecord u, b;
    static_cast<THand&>(u) = user;
    static_cast<THand&>(b) = banker;
    u.Bet = stake;
    u.Streak = s.streak;
    CompareHands(b, u);
    double result = u.Outcome == kOutcomeWon ? stake : u.Outcome == kOutcomeLost ? -stake : 0;
    result += AwardSpecialBonus(u, stake, nullptr);
    if (u.Outcome == kOutcomeWon)
        result += CheckJackpot(u, nullptr);
    return result;
}

inline int CellKey(TShoeCard card) {
    return card.Rank * 4 + card.Suit;
}

// What the user knows: the cards seen drawn so far. Sums run over the orders that reach it.
struct Node {
    double stand = 0, doubled = 0;
    bool mayDouble = false;   // a first decision at two cards with a card left
    std::map<int, Node> next; // by the next card; empty where the hand cannot take one

    // Every order plays every line: stand here, or take the next card and go on.
    void Play(const Stack& s, const THand& hand, const THand& banker, const TableShoe& shoe,
              bool first) {
        stand += Settle(s, s.bet, hand, banker, shoe);
        const bool more = hand.HandValue != kBustCode && shoe.CardsLeft() > 0 &&
                          hand.CardCount < kHandSlots;
        if (!more)
            return;
        TableShoe after = shoe;
        THand bigger = hand;
        DrawCard(bigger, after);
        if (first && hand.CardCount == 2) {
            mayDouble = true;
            doubled += Settle(s, s.bet * 2, bigger, banker, after);
        }
        next[CellKey(bigger.Card(bigger.CardCount))].Play(s, bigger, banker, after, false);
    }
    double Hit() const {
        double sum = 0;
        for (const auto& [card, node] : next)
            sum += node.Best();
        return sum;
    }
    double Best() const { return next.empty() ? stand : std::max(stand, Hit()); }
    // The first decision, with the moves of `rules`.
    double First(bool standing, bool hitting, bool doubling) const {
        double best = standing || (!hitting && !doubling) ? stand : -1e300;
        if (hitting && !next.empty())
            best = std::max(best, Hit());
        if (doubling && mayDouble)
            best = std::max(best, doubled);
        return best;
    }
};

// Sums over every order of the unknown cards (each physical card distinct).
struct BruteForce {
    int orders = 0;
    double bust = 0, bankerStands = 0;
    Node all;
    std::map<int, Node> byHole;             // after a look: by the banker's face-down card
    std::array<std::map<int, Node>, 52> swaps; // by rank x starting row, then what came
    std::map<int, Node> splitHand;          // by the new face-down card of a split hand

    explicit BruteForce(const Stack& s) {
        const OddsView view = s.View();
        std::vector<TShoeCard> cards;
        for (const char* code : s.unknown)
            cards.push_back(Code(code));
        std::vector<int> index(cards.size());
        std::iota(index.begin(), index.end(), 0);
        const THand user = s.Hand();
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
            if (order.size() > 1) {
                THand next = user;
                next.Card(++next.CardCount) = order[1];
                EvaluateHand(next);
                bust += next.HandValue == kBustCode;
            }
            bankerStands += banker.HandValue >= 17;
            all.Play(s, user, banker, shoe, true);
            byHole[CellKey(order[0])].Play(s, user, banker, shoe, true);
            if (s.offered.Has(Move::Swap))
                PlaySwaps(s, user, banker, shoe);
            if (s.offered.Has(Move::Split) && order.size() > 1) {
                THand hand;
                TableShoe after = shoe;
                DrawCard(hand, after);
                hand.Card(2) = user.Card(2);
                hand.CardCount = 2;
                EvaluateHand(hand);
                splitHand[CellKey(hand.Card(1))].Play(s, hand, banker, after, true);
            }
            ++orders;
        } while (std::next_permutation(index.begin(), index.end()));
    }

    void PlaySwaps(const Stack& s, const THand& user, const THand& banker, const TableShoe& shoe) {
        for (int rank = 1; rank <= 13; ++rank)
            for (int start = 0; start < 4; ++start) {
                TableShoe swapShoe = shoe;
                THand swapped = user;
                ScriptedRandom random;
                random.rules = {start * 25};
                const bool ok = SwapCard(swapped, swapShoe, rank, 1, 0, random);
                const int outcome = ok ? 1 + CellKey(swapped.Card(1)) : 0;
                swaps[(rank - 1) * 4 + start][outcome].Play(s, swapped, banker, swapShoe, true);
            }
    }

    // [money] expected results, with the first moves of the stack.
    double Stand() const { return all.stand / orders; }
    double Hit() const { return all.Hit() / orders; }
    double Double() const { return all.doubled / orders; }
    double Play(const Stack& s, const Node& node) const {
        return node.First(s.offered.Has(Move::Stand), s.offered.Has(Move::Hit),
                          s.offered.Has(Move::Double));
    }
    double Expected(const Stack& s) const { return Play(s, all) / orders; }
    double Look(const Stack& s) const {
        double sum = 0;
        for (const auto& [hole, node] : byHole)
            sum += Play(s, node);
        return sum / orders;
    }
    double Swap(const Stack& s, int rank) const {
        double sum = 0;
        for (int start = 0; start < 4; ++start)
            for (const auto& [outcome, node] : swaps[(rank - 1) * 4 + start])
                sum += Play(s, node);
        return sum / orders / 4;
    }
    double Split(const Stack& s) const {
        double sum = 0;
        for (const auto& [card, node] : splitHand)
            sum += node.First(true, true, s.splitHandsDouble);
        return 2 * sum / orders;
    }
    double Unsplit() const { return all.First(true, true, true) / orders; }
};

} // namespace quorvel::test
