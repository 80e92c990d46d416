// Every sentence a table says, as one table of templates per table. The round speaks by
// message id; a table that does not say a message has no template for it. Templates name
// their parts in braces: {user}, {banker}, {seat}, {creditor} and {amount}.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace quorvel {

enum class Say : std::uint8_t {
    // opening and betting
    TableReady,      // the three-seat tables are ready for the first round
    PleaseBet,       // {seat} is asked to bet
    BetPlaced,       // the user's bet after a chip or the raised bet
    ChipCap,         // a chip at the cap
    BetAgain,        // the bet taken back
    SeatBets,        // a computer seat's bet
    SeatBetsOnTable, // the same after the next round was started by a click on the table
    AllBet,          // the user's bet is done, the next seat bets
    AskSeatsToBet,   // the three-seat tables before the bets
    RoundOpens,      // the user-banker's three-seat table before the bets
    StartDealing,    // after the bets, before the first cards
    PleaseDeal,      // the user-banker is asked to deal
    Shuffle,         // a new shoe from the second round on
    // dealing and splits
    NoMoneyToSplit,
    Splits,   // {seat} splits
    WhoDraws, // after the second cards, before the seats play
    // the user's turn
    MainOneCardOnly,
    SplitOneCardOnly,
    Busted,              // the user's hand in play went bust
    SplitBustedNextHand, // the first hand of a split went bust, the other one plays
    StandOwesCard,       // standing on a doubled hand (one hand)
    StandOwesCardMain,   // standing on a doubled main hand of a split
    StandOwesCardSplit,  // standing on a doubled split hand
    OpenOwesCard,        // opening with a doubled hand (one hand)
    OpenOwesCardMain,
    OpenOwesCardSplit,
    NextHand, // standing passes to the other hand of a split
    NoMoneyToDouble,
    BankerOpens,       // the user ends the turn
    BankerOpensAtBust, // every user hand went bust
    PassTurn,          // the user passes the turn to {seat}, the next seat
    // paid services
    ServiceRefused,
    LookFee,
    SwapFee,
    SwapDone,
    SwapFailed,
    // the seats' turns
    SeatTurn,          // before a computer seat plays
    UserSeatTurn,      // before the user's seat plays
    AfterSeats,        // every seat has played; the banker is next
    SeatSplitHandTurn, // before a computer seat's split hand
    SeatBust,          // a computer seat's main hand went bust
    SeatSplitBust,     // a computer seat's split hand went bust
    SeatBustReply,     // the user's reply to a bust computer hand
    AfterSeatsSplit,   // the same when the last seat split
    // the banker's turn
    BankerMustDraw,
    BankerBust,
    UserBankerMustDraw, // the user-banker stood below 17
    UserBankerBust,
    UserBankerStands, // the user-banker stood at 17 or more
    SettleNow,        // after the user-banker's bust
    SeatsOpen,        // the seats turn their cards
    RoundOver,        // before the settlement of the three-seat challenge table
    // settlement
    SettleStart,
    Push,          // one hand pushed
    PushMainHand,  // the main hand of a split pushed
    PushSplitHand, // the split hand pushed
    BankerBroke,
    BankerOwes,
    // round end
    Repays,
    RepaysPart,
    CannotRepay,
    UserBroke,
    ComeBackRicher,
    BankerOut, // a computer banker ran out of money
    BankerOutCheer,
    SeatOut, // a computer seat ran out of money
    SeatOutReplace,
    SeatOutCheer,
    ChooseAgain,
    ToSelection,
    ChallengeStarts, // the user goes on to a one-on-one challenge of the banker
    ChallengeOver,   // the challenge ended without a win
    NewRound,
    // worded by the table's bonus wording, not its templates
    Bonus,   // a hand's special-hand bonus of {amount}
    Jackpot, // a hand's jackpot of {amount}
    kCount
};
inline constexpr std::size_t kSayCount = static_cast<std::size_t>(Say::kCount);

// One table's templates by message id; nullptr where the table says nothing.
using WordingTable = std::array<const char*, kSayCount>;

// A sentence one seat says differently from the others at its table.
struct SeatWording {
    int Seat; // [0-3]
    Say Id;
    const char* Text; // nullptr: this seat says nothing here
};

// The parts a template may name.
struct SayParts {
    std::string_view User;
    std::string_view Banker;
    std::string_view Seat;
    std::string_view Creditor;
    std::int64_t Amount = 0;
};

// The template with its parts filled in; empty when the table has no template.
std::string Format(const WordingTable& wording, Say id, const SayParts& parts);

} // namespace quorvel
