// The start of a round: the table's opening words, the user's chips, the bet taken back and
// the raised bet, the computer seats' bets (each a Bet through Apply), the deal button, and the
// deal itself up to the seats' turns.
#pragma once

#include "round/RoundContext.h"

#include <cstdint>

namespace quorvel {

class RoundBetting {
public:
    explicit RoundBetting(RoundContext& round) : round_(round) {}

    // The opening of a new or resumed game: the announcements and the first bets.
    void OpenTable();
    // ---- the user's bet ----
    void Chip(std::int32_t value);
    void TakeBack();
    void TakeRaise();
    void FinishBets();
    // ---- the computer seats' bets ----
    // Asks the seat for its bet, places it and says it with `words`.
    void ComputerBets(int seat, quorvel::Say words);
    // A computer seat's bet, as its action asks.
    void PlaceBet(int seat, std::int32_t amount);
    // ---- the deal ----
    void Deal();

private:
    // The seats from `seat` on bet in turn; the user's seat waits for the chips.
    void BetsFrom(int seat);
    void StartDealing();

    RoundContext& round_;
};

} // namespace quorvel
