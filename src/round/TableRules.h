// What sets the four tables apart, as data: who sits where and who banks, the shoe limit, the
// chip cap and fees, when a game ends, the order of a few steps, and every sentence the table
// says. The round engine reads these and is otherwise the same at every table.
#pragma once

#include "players/Payouts.h"
#include "round/Wording.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>

namespace quorvel {

// The four tables. The numbers are each table's code in the save file, in round logs and in the
// statistics, which keep it as a number.
enum class TableMode : std::uint8_t {
    OneSeatChallenge = 1,   // the user challenges one computer banker
    OneSeatBanker = 2,      // the user banks against one computer seat
    ThreeSeatChallenge = 3, // the user and two computer seats challenge a computer banker
    ThreeSeatBanker = 4,    // the user banks against three computer seats
};
inline constexpr std::array<TableMode, 4> kTableModes{
    TableMode::OneSeatChallenge, TableMode::OneSeatBanker, TableMode::ThreeSeatChallenge,
    TableMode::ThreeSeatBanker};
// A table's code [1-4].
inline constexpr int ModeCode(TableMode mode) {
    return static_cast<int>(mode);
}
// The table of a code read from a file or a script; nothing for a code outside 1..4.
inline constexpr std::optional<TableMode> TableModeOfCode(int code) {
    if (code < 1 || code > 4)
        return std::nullopt;
    return static_cast<TableMode>(code);
}

// How a computer banker goes on drawing once it has 17.
enum class BankerDrawing : std::uint8_t {
    AskEachCard,      // asks before every card; with every user hand bust it first draws below 21
    FirstAnswerRules, // asks once; while yes it draws to 21, asking again before each card
};

struct TableRules {
    TableMode Mode = TableMode::OneSeatChallenge;
    int Seats = 1; // seats against the banker [1 or 3]
    // The user's seat [1-3], 0 when the user is the banker, or -1 when computer characters
    // play every seat and the bank (the engine's benchmark and tests).
    int UserSeat = 1;

    // ---- the shoe and the round counter ----
    // A new shoe below this many cards left; 0 for the one-seat rule of 19 cards per hand of
    // the round before, plus 38 [cards].
    int ShoeLimit = 0;
    // The round counter's first value; the one-on-one challenge table counts and prepares the
    // next round at the next-round click, the others when the round starts.
    int FirstRound = 1;
    bool PrepareAtNextRound = true;

    // ---- money ----
    std::int32_t ChipCap = 20000; // the largest bet the chips make [money]
    std::int32_t LookFee = 20000; // [money]
    std::int32_t SwapFee = 40000; // [money]
    int PairChance = 20;          // chance of steering a seat's second card into a pair [1-100]

    // ---- the ends of a game ----
    std::int32_t UserBrokeBelow = 1000;    // the user's game ends below this [money]
    std::int32_t BankerBeatenBelow = 1001; // a computer banker is beaten below this [money]
    std::int32_t SeatBrokeBelow = 1000;    // a computer seat is out below this [money]

    // ---- the order of a few steps ----
    BankerDrawing Drawing = BankerDrawing::AskEachCard;
    bool UserPlaysSplitFirst = true; // after a split the user plays the split hand first
    bool SettleSplitFirst = true;    // a split seat is settled split hand first
    bool JackpotOnMainHand = true;   // after a split the main hand, else the split hand, may win it

    // Bets are placed between rounds (the one-seat tables) or once the round has started.
    bool BetsBeforeDeal = true;
    // Outcomes of a split seat are decided split hand first.
    bool OutcomesSplitFirst = false;
    // After a split the seat's streak is added up once more when the outcomes are decided.
    bool StreakAddedAtOutcomes = false;
    // After a split the seat keeps the split hand's streak instead of the sum of both.
    bool StreakOfSplitHand = false;
    // The user's split is offered with two buttons, not made by itself.
    bool UserChoosesSplit = true;
    // A split deals the main hand's new face-down card first, then the split hand's.
    bool SplitMainCardFirst = false;
    // The user's turn ends with the banker-opens button, after a decision point once the last
    // hand is done; otherwise it passes to the next seat when the last hand is done.
    bool UserOpensBanker = true;
    // Closing the paid services hides them for the rest of the turn instead of disabling them.
    bool ClosingHidesServices = false;
    // A won split hand whose bet earns no raised-bet offer leaves the offer as it was.
    bool SmallSplitWinKeepsOffer = false;
    // The user goes on to a one-on-one challenge of the banker at this winning streak; 0 never.
    int ChallengeStreak = 0;
    // When the outcomes are decided, a computer seat's split hands are turned up main hand
    // first and the split hand a moment later; otherwise the split hand first, with that
    // moment only after the user's own split hand.
    bool TurnSeatMainHandFirst = false;

    const WordingTable* Wording = nullptr;
    std::span<const SeatWording> SeatWordings; // where one seat words a sentence its own way
    const BonusWording* Bonus = &StandardWording();
};

// Each table's rules, one file each; RulesOfMode keeps one copy of each for the whole run.
TableRules OneSeatChallenge();
TableRules OneSeatBanker();
TableRules ThreeSeatChallenge();
TableRules ThreeSeatBanker();
// The four tables' rules by mode [1-4]; throws std::out_of_range for another code.
const TableRules& RulesOfMode(int mode);
const TableRules& RulesOf(TableMode mode);

} // namespace quorvel
