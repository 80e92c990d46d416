// How a table words and paces what its round reports: the pause and banner lengths, the
// result dialog's lines (titles, money, hands, bonus), a seat's bet label and the swap target
// toggle's captions. The round says what happened in numbers; these are the words and times.
#pragma once

#include "round/Seat.h"
#include "round/TableRules.h"
#include "round/TableView.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace quorvel {

class RoundEngine;

// The length of each of the round's pauses at a table [ms, by Pause; 0 none].
std::array<int, kPauseCount> PausesOfMode(TableMode mode);
// How long a banner message holds the game at every table [ms].
inline constexpr int kBannerMs = 2000;

// One side of the table in the result dialog.
struct ResultLine {
    std::string Title; // "莊家", "玩家", "玩家1" ..
    std::string Name;
    std::int64_t Change = 0;            // money now against money at round start [money]
    std::vector<std::string> HandLines; // "牌值： ..." or "第1手牌： ..", "第2手牌： .."
    std::int64_t Bonus = 0;             // bonuses and jackpot of the round [money]

    // The dialogs' money line, "TITLE  NAME贏：N" or "TITLE  NAME輸：N"; a change of 0 reads as
    // a win of 0.
    std::string MoneyText() const;
    // "獎金： N".
    std::string BonusText() const;
};
// The result's lines, the banker first, then the seats in order.
std::vector<ResultLine> ResultLines(const RoundEngine& engine, const RoundResult& result);

// A seat's bet label: after a split both stakes and "*" until the seat is settled.
std::string BetText(const Seat& seat);

// The swap target toggle names the hand a click would switch the swap to.
inline constexpr const char* kToggleToMain = "本家換牌（單擊切換）";
inline constexpr const char* kToggleToSplit = "分家換牌（單擊切換）";
// The names of a seat's two hands after a split, before their lines where the table says them.
inline constexpr const char* kMainHandName = "本家";
inline constexpr const char* kSplitHandName = "分家";

} // namespace quorvel
