// Everything a round keeps from one step to the next: the seats, the shoe and the round
// counter, where the round stands and who acts, and the few facts of the user's turn that
// decide what is offered. The engine's stages change it; one derivation reads it to say what
// each seat may do (AllowedActions.h).
#pragma once

#include "cards/Shoe.h"
#include "players/Statistics.h"
#include "round/Seat.h"

#include <array>
#include <cstdint>
#include <vector>

namespace quorvel {

// Where the round stands.
enum class RoundStage : std::uint8_t {
    Waiting,     // for the deal (or start) button, or for the next-round click
    Betting,     // the user puts chips on the table
    Playing,     // the engine deals, pays and moves on; nobody decides
    SplitOffer,  // the user decides on a split
    UserTurn,    // the user plays a hand, at a seat or at the bank
    SeatBets,    // a computer seat (`Actor`) bets
    SeatSplits,  // a seat (`Actor`) with an identical pair may split
    SeatPlays,   // a computer seat (`Actor`) plays its hand `ActorHand`
    BankerPlays, // the computer banker opens and draws
};

// What a running step of the user's is doing, for how the buttons look meanwhile.
enum class StepActivity : std::uint8_t {
    None,
    Betting,  // a chip, the bet taken back or the raised bet
    Drawing,  // the user's card is drawn
    Service,  // a paid service runs
    Standing, // the user stands
    Opening,  // the user asks the banker to open
    Doubling, // the user doubles
};

// The facts of the user's turn that decide its buttons beyond the cards: the services off
// until a hit (closed, or a swap refused), hidden for the rest of the turn (closed where
// closing hides them), the swap panel open with or without the hand toggle, the double taken
// away by a refusal, the decision point after the last hand (where only the banker may open),
// the turn ending, and a doubled main hand that can only pass.
struct UserTurnFacts {
    bool ServicesOff = false;
    bool ServicesHidden = false;
    bool SwapPanel = false;
    bool ToggleOffered = false;
    bool DoubleWithdrawn = false;
    bool AtDecisionPoint = false;
    bool TurnOver = false;
    bool PassOnly = false;
};

struct RoundState {
    std::array<Seat, 4> Seats{}; // [0 the banker, 1-3]
    TableShoe Shoe;
    std::int32_t RoundNumber = 0;

    RoundStage Stage = RoundStage::Waiting;
    int Actor = -1;    // the computer seat acting now [0-3], or -1
    int ActorHand = 1; // the hand it plays [1-2]
    bool Busy = false; // a step is running: the user's clicks are not taken meanwhile
    StepActivity Activity = StepActivity::None;
    // The table is not open for play: before it opens, after its game ended, and while its
    // user is away at a challenge.
    bool Closed = true;
    bool RoundOver = false;     // the round is settled: the next-round click starts the next one
    bool LeavingBeaten = false; // the beaten opponents' game is ending: no save meanwhile

    bool RaiseTaken = false; // the raised bet is on the table in this betting round
    UserTurnFacts Turn;
    int SwapTarget = Seat::kMain; // the hand the swap goes to [1-2]
    bool SplitOffered = false;    // the user's pair waits for the split decision
    bool UserTurnOver = false;    // the user's turn at a seat is over in this round
    bool BankerShown = false;     // the banker's face-down card is turned up
    // The computer banker draws whatever its character says: below 17, after its one yes at
    // the three-seat table, and for one card against a single bust hand.
    bool BankerMustDraw = false;

    bool Challenge = false; // the table plays a one-on-one challenge from the three-seat table
    int ChallengeMode = 0;  // the mode its rounds are counted under [1-4], 0 for the table's

    // The round's fees for the look and the swap, and the bonuses paid to the user [money]:
    // at most a bonus for each of two hands and the jackpot, room for which is kept from the
    // start so that a round never allocates.
    static constexpr std::size_t kMostBonuses = 3;
    std::array<std::int64_t, kServices> RoundFees{};
    std::vector<RoundRecord::Bonus> RoundBonuses = [] {
        std::vector<RoundRecord::Bonus> bonuses;
        bonuses.reserve(kMostBonuses);
        return bonuses;
    }();

    Seat& At(int seat) { return Seats.at(static_cast<std::size_t>(seat)); }
    const Seat& At(int seat) const { return Seats.at(static_cast<std::size_t>(seat)); }
};

} // namespace quorvel
