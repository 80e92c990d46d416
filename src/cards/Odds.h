// The odds advisor's arithmetic: from what the user can see at a decision, the chance that the
// next card busts the hand, the chance that the banker's face-down card makes it stand, and what
// the paid look and card swap are worth against their fees. Everything is counted exactly over
// the unseen cards; nothing is sampled.
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
// - the user now either stands or takes exactly one more card and stands, whichever has the
//   better expected result on what the user knows at that moment (doubling and splitting are
//   not modelled; with two hands, only the hand in play is valued);
// - the banker then turns its card and draws while its value is 1 to 16 and stands from 17,
//   the table's forced rule (a character's wish to draw on is not modelled); with no card left
//   it stands;
// - settlement: a bust hand loses its bet; otherwise a banker bust or a lower banker value
//   wins the bet, an equal value pushes, a higher one loses the bet; the hand's special bonus
//   (BonusMultiple x bet) is paid whatever the outcome, and the jackpot on a win when the
//   caller says one is due; a banker who cannot pay is not modelled;
// - the look shows the banker's face-down card before the user decides;
// - the swap exchanges the hand's face-down card (slot 1) for a card of the asked rank by the
//   table's exchange rule: a starting row drawn uniformly from the four rows, the first row
//   from there whose unseen count of the rank is 2 or more, the hard-total limit of 21, and a
//   copy of that card still undealt (it may be the banker's face-down card); the old card
//   takes the place of the first such copy in the shoe. The user then decides knowing whether
//   the swap worked and which card came. The rank asked is the best one.
#pragma once

#include "cards/Hand.h"
#include "cards/Shoe.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace quorvel {

inline constexpr std::int32_t kLookFee = 20000; // [money]
inline constexpr std::int32_t kSwapFee = 40000; // [money]

// What the user sees at a decision.
struct OddsView {
    // The unseen-card panel. Counts outside 0..4 cannot occur with four decks and are clamped.
    TCardCounts Unseen;
    // The hand in play, every card; slot 1 is its face-down card, the one a swap exchanges.
    THand Hand;
    // The user's face-down cards still counted unseen (slot 1 of each of the user's hands
    // whose first card has not been turned); they are taken out of the unknown cards.
    std::vector<TShoeCard> OwnFaceDown;
    // The banker's face-up cards; its one face-down card is one of the unknown cards.
    std::vector<TShoeCard> BankerFaceUp;
    std::int32_t Bet = 0;          // [money] the hand's stake
    std::int64_t JackpotOnWin = 0; // [money] paid besides a win when the jackpot is due
    std::int32_t LookFee = kLookFee;
    std::int32_t SwapFee = kSwapFee;
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
    // is -Bet); none when the services cannot be valued either.
    std::optional<double> Expected;
    bool HitBetter = false; // one more card beats standing under the model
    std::optional<ServiceOdds> Look;
    std::optional<ServiceOdds> Swap;      // the best rank to ask for
    std::array<double, 13> SwapReturns{}; // [money] the swap's Return for each rank 1..13
};

// The bust chance alone (a few microseconds).
std::optional<double> NextCardBustChance(const OddsView& view);
// The banker's chance of standing on its two cards, alone.
std::optional<double> BankerStandsChance(const OddsView& view);
// Everything for one decision. The money figures need a hand of two or more cards that is not
// bust, a banker face-up card and an unknown card; otherwise they are left empty.
DecisionOdds AdviseDecision(const OddsView& view);

} // namespace quorvel
