// What a run of rounds adds up to, from the user's side of the table: the money staked and the
// user's result, and how many of the user's hands and of the measured character's hands went
// bust or ended as a special hand (one that earns a bonus).
#pragma once

#include <cstdint>

namespace quorvel::sim {

struct HandTally {
    std::int64_t Played = 0;
    std::int64_t Bust = 0;
    std::int64_t Special = 0;

    void Add(const HandTally& other) {
        Played += other.Played;
        Bust += other.Bust;
        Special += other.Special;
    }
};

struct Tally {
    std::int64_t Rounds = 0;
    std::int64_t Games = 0; // games begun: the first, and one after each game that ended
    // The round's first bets [money]: the user's at a seat, the seats' when the user banks.
    double Staked = 0;
    double Result = 0; // [money] the user's money after each round less before it
    HandTally User;
    HandTally Theirs; // the banker the user challenges, or the seats the user banks against

    void Add(const Tally& other) {
        Rounds += other.Rounds;
        Games += other.Games;
        Staked += other.Staked;
        Result += other.Result;
        User.Add(other.User);
        Theirs.Add(other.Theirs);
    }
};

} // namespace quorvel::sim
