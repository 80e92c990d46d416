// The end of a round and what follows it: the result dialog and the round's record, the ways a
// game ends (the user broke, the opponents beaten), the one-on-one challenge a winning streak
// leads to and the return from it, and the click that starts the next round.
#pragma once

#include "round/RoundContext.h"

#include <cstdint>
#include <functional>
#include <string>

namespace quorvel {

// A challenge from the three-seat table: who plays it, and what goes back when it ends.
struct ChallengeEntry {
    std::string BankerName;
    std::int32_t BankerMoney = 0;
    std::string UserName;
    std::int32_t UserMoney = 0;
    std::int32_t UserStreak = 0;
    // The table mode the challenge's rounds are counted under in the statistics [1-4]; 0 for
    // the mode of the table that plays it.
    int StatisticsMode = 0;
};
struct ChallengeHooks {
    // A round was lost or pushed: the user's and the banker's money go back to the three-seat
    // table, which shows itself and announces the return.
    std::function<void(std::int32_t userMoney, std::int32_t bankerMoney)> HandBack;
    // The banker was beaten: the three-seat table starts afresh.
    std::function<void()> BankerBeaten;
};

class RoundEnding {
public:
    explicit RoundEnding(RoundContext& round) : round_(round) {}

    // The round is settled: claims repaid, the result shown and recorded, then the game ends,
    // goes on to or back from a challenge, or waits for the next round.
    void End();
    // The click that starts the next round.
    void NextRound(bool fromDialog);
    // The user comes from the three-seat table to challenge its banker one-on-one.
    void EnterChallenge(const ChallengeEntry& entry, ChallengeHooks hooks);
    // The challenge is over without a win: the money comes back to the three-seat table.
    void ReturnFromChallenge(std::int32_t userMoney, std::int32_t bankerMoney);

private:
    bool CheckUserBroke();
    bool CheckOpponentsBeaten();
    bool ChallengeGoesOn();
    bool StartChallenge();
    // Hides every hand's cards and clears the hand descriptions of the round.
    void ClearHands();
    void ResetMoney();

    RoundContext& round_;
    ChallengeHooks hooks_;
};

} // namespace quorvel
