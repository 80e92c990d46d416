// The odds advisor's arithmetic: from what the user can see at a decision, the chance that the
// next card busts the hand, the chance that the banker's face-down card makes it stand, the
// expected result of each move the user has (stand, hit, double, split or not, the paid look
// and swap) and the best of them. Everything is counted exactly over the unseen cards;
// nothing is sampled.
//
// What it may use. The unseen-card counts (every card not yet shown face up, face-down cards
// included), the banker's face-up cards and the user's own hand, every card of it: the user
// may peek at the face-down card and its value is shown beside the hand. The user's own
// face-down cards are taken out of the unseen cards, since the user knows where they are. It
// never sees the shoe's order, the banker's face-down card or the characters' steering, and
// it knows nothing of the steering: the characters cheat, the advisor assumes they do not.
//
// The model of play behind the money figures:
// - every order of the unknown cards is equally likely; the banker's face-down card is one of
//   them, the other cards not yet shown are treated as undealt (at a three-seat table the
//   other seats' face-down cards and draws are not modelled);
// - only the hand in play is valued; a split is valued as two hands, each of its twin and a
//   new face-down card, each played as if the other took no cards, with no jackpot;
// - standing ends the hand; hitting takes a card and then the user plays on as well as can be
//   done knowing the cards the hand holds, taking more cards while that pays, up to seven
//   cards (more give no better value or bonus); where the banker may run out of cards (fewer
//   than 38 unknown cards) up to the last card; doubling doubles the stake and takes exactly
//   one card, and a doubled hand that owes its card takes it and stands; after a split each
//   hand may double when the money covers both doubles;
// - the banker then turns its card and draws while its value is 1 to 16 and stands from 17,
//   the table's forced rule (a character's wish to draw on is not modelled); with no card left
//   it stands;
// - settlement: a bust hand loses its stake; otherwise a banker bust or a lower banker value
//   wins the stake, an equal value pushes, a higher one loses the stake; the hand's special
//   bonus (BonusMultiple x stake) is paid whatever the outcome, and the jackpot on a win when
//   the caller says one is due; a banker who cannot pay is not modelled;
// - the look shows the banker's face-down card, and the user then plays the moves offered now;
// - the swap exchanges the hand's face-down card (slot 1) for a card of the asked rank by the
//   table's exchange rule: a starting row drawn uniformly from the four rows, the first row
//   from there whose unseen count of the rank is 2 or more, the hard-total limit of 21, and a
//   copy of that card still undealt (it may be the banker's face-down card); the old card
//   takes the place of the first such copy in the shoe. The user then plays the moves offered
//   now as if knowing the starting row, whether the swap worked and which card came. The rank
//   asked is the best one.
#pragma once

#include "cards/Hand.h"
#include "cards/Shoe.h"

#include <array>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <optional>
#include <vector>

namespace quorvel {

inline constexpr std::int32_t kLookFee = 20000; // [money]
inline constexpr std::int32_t kSwapFee = 40000; // [money]

// The user's moves the advisor weighs, in the order it prefers them when they are worth the
// same.
enum class Move : std::uint8_t { Stand, Hit, NoSplit, Double, Split, Look, Swap };
inline constexpr int kMoves = 7;

class MoveSet {
public:
    constexpr MoveSet() = default;
    constexpr MoveSet(std::initializer_list<Move> moves) {
        for (Move move : moves)
            Add(move);
    }
    constexpr void Add(Move move) { bits_ |= std::uint8_t(1u << unsigned(move)); }
    constexpr bool Has(Move move) const { return bits_ >> unsigned(move) & 1u; }
    constexpr bool Empty() const { return bits_ == 0; }

private:
    std::uint8_t bits_ = 0;
};

// What the user sees at a decision.
struct OddsView {
    // The unseen-card panel. Counts outside 0..4 cannot occur with four decks and are clamped.
    TCardCounts Unseen;
    // The hand in play, every card; slot 1 is its face-down card, the one a swap exchanges.
    // At a split offer: the pair.
    THand Hand;
    // The user's face-down cards still counted unseen (slot 1 of each of the user's hands
    // whose first card has not been turned); they are taken out of the unknown cards.
    std::vector<TShoeCard> OwnFaceDown;
    // The banker's face-up cards; its one face-down card is one of the unknown cards.
    std::vector<TShoeCard> BankerFaceUp;
    std::int32_t Bet = 0;                 // [money] the hand's stake
    std::int64_t JackpotOnWin = 0;        // [money] paid besides a win when the jackpot is due
    std::int64_t JackpotOnDoubledWin = 0; // [money] the same once the stake is doubled
    std::int32_t LookFee = kLookFee;
    std::int32_t SwapFee = kSwapFee;
    // The moves the user has now; by default those of a turn at a hand of two cards.
    MoveSet Offered{Move::Stand, Move::Hit, Move::Double, Move::Look, Move::Swap};
    // At a split offer, whether the money covers a double of the pair kept as one hand, and a
    // double of each hand after the split.
    bool MayDoubleUnsplit = true;
    bool MayDoubleSplitHands = false;
    // The hand is doubled and owes its one card: a hit takes that card and the hand stands.
    bool OneCardOnly = false;
};

struct ServiceOdds {
    std::int32_t Fee = 0; // [money]
    double Return = 0;    // [money] what buying it adds to the round's expected result
    int Rank = 0;         // the swap's best rank to ask for [1-13]; 0 for the look
    double Net() const { return Return - Fee; }
};

struct DecisionOdds {
    // [0-1] the next card busts the hand; none for a bust hand, a full hand or no unseen card.
    std::optional<double> Bust;
    // [0-1] the banker's face-down card gives it 17 to 21 or a special hand (with one face-up
    // card: the suited ace-jack hands, worth 21), so the forced rule draws it no card; none
    // without a face-up banker card or an unknown card.
    std::optional<double> BankerStands;
    // [money] the round's expected result under the model, from the stake on (the stake lost
    // is -Bet), with the best of the moves offered that buy nothing; none when nothing can be
    // valued.
    std::optional<double> Expected;
    std::optional<ServiceOdds> Look;      // when the look is offered
    std::optional<ServiceOdds> Swap;      // when the swap is offered: the best rank to ask for
    std::array<double, 13> SwapReturns{}; // [money] the swap's Return for each rank 1..13
    // [money] the round's expected result after each move offered, fees paid; empty for a move
    // not offered.
    std::array<std::optional<double>, kMoves> Values;
    // The offered move with the highest expected result (for the swap, asking for Swap->Rank).
    std::optional<Move> Best;

    std::optional<double> ValueOf(Move move) const { return Values[std::size_t(move)]; }
};

// The bust chance alone (a few microseconds).
std::optional<double> NextCardBustChance(const OddsView& view);
// The banker's chance of standing on its two cards, alone.
std::optional<double> BankerStandsChance(const OddsView& view);

// Everything for one decision. The money figures need a hand of two or more cards that is not
// bust, a banker face-up card and an unknown card; otherwise they are left empty. An advisor
// keeps its working memory from one decision to the next, so that one kept by a caller that
// asks often allocates nothing once it has seen a few decisions.
class OddsAdvisor {
public:
    OddsAdvisor();
    ~OddsAdvisor();
    OddsAdvisor(const OddsAdvisor&) = delete;
    OddsAdvisor& operator=(const OddsAdvisor&) = delete;

    DecisionOdds Advise(const OddsView& view);

    // The same in steps, for a caller that must not be held up for long (a screen between two
    // frames): Start works out everything but the swap's ranks, each Continue one rank more,
    // and Continue answers true once the odds are complete.
    void Start(const OddsView& view);
    bool Continue();
    const DecisionOdds& Odds() const;

private:
    struct Work;
    std::unique_ptr<Work> work_;
};

// One decision with an advisor of its own.
DecisionOdds AdviseDecision(const OddsView& view);

} // namespace quorvel
