// One place at a table: its main hand and its split hand, the shoe entries of their face-down
// cards, what the seat has done in this round (split, doubled), its raised-bet offer, and the
// claim it holds on a banker who could not pay it. The banker is a seat with one hand.
#pragma once

#include "players/HandRecord.h"

#include <array>
#include <cstdint>
#include <string>

namespace quorvel {

class SeatController;

// The raised bet offered to a seat after a big win: twice the won bet, or 80000 again after a
// won 80000.
struct RaiseOffer {
    bool Offered = false;
    std::int32_t Amount = 0;
    friend bool operator==(const RaiseOffer&, const RaiseOffer&) = default;
};

// What the banker still owes this seat from a win it could not pay in full. It lives from the
// settlement that made it to the end of the same round.
struct Claim {
    std::string Name; // the seat's name when the round began, used in the repayment banners
    std::int32_t Amount = 0;
    bool Open = false;
    friend bool operator==(const Claim&, const Claim&) = default;
};

struct Seat {
    static constexpr int kMain = 1;
    static constexpr int kSplit = 2;

    std::array<THandRecord, 2> Hands; // the main hand (whose Money is the seat's bankroll), split
    int HandCount = 1;                // [1-2]
    // Shoe position before each hand's face-down first card: the card is entry + 1.
    std::array<int, 2> HoleEntry{};
    // Whether each hand's face-down card has been turned up (and counted as seen).
    std::array<bool, 2> HoleTurned{};
    SeatController* Controller = nullptr;

    // The user's turn: the hand that hit, stand and double act on, and what was doubled.
    int CurrentHand = kMain;
    std::array<bool, 2> Doubled{}; // the hand was doubled and still owes its one card
    bool DoubleTaken = false;      // no more double in this round
    bool BetStarred = false;       // the bet label shows both stakes and "*" after a split

    RaiseOffer Raise;
    Claim Debt;
    // Money (with the stake) when the round began, for the result dialog [money].
    std::int32_t MoneyAtStart = 0;

    THandRecord& Hand(int hand) { return Hands.at(static_cast<std::size_t>(hand - 1)); }
    const THandRecord& Hand(int hand) const { return Hands.at(static_cast<std::size_t>(hand - 1)); }
    THandRecord& Main() { return Hands[0]; }
    const THandRecord& Main() const { return Hands[0]; }
    THandRecord& Split() { return Hands[1]; }
    const THandRecord& Split() const { return Hands[1]; }
    int& Hole(int hand) { return HoleEntry.at(static_cast<std::size_t>(hand - 1)); }
    bool Alive(int hand) const { return Hand(hand).HandValue != 0; }
    bool AnyAlive() const { return Alive(kMain) || (HandCount == 2 && Alive(kSplit)); }
    // Both stakes on the table: the main hand's bet and the split hand's (0 unless split).
    std::int64_t Staked() const { return std::int64_t{Main().Bet} + Split().Bet; }
};

} // namespace quorvel
