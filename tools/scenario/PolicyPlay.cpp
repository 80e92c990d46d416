// Playing a fixed policy through the screens: the step, the tally of each round, the summary.
#include "PolicyPlay.h"

#include "app/Game.h"
#include "round/RoundLog.h"
#include "tables/TableScreen.h"

#include <cmath>
#include <cstdio>

namespace quorvel::scenario {

PolicyPlay::PolicyPlay(std::unique_ptr<sim::UserPolicy> policy, std::int64_t rounds,
                       std::function<void()> reopen)
    : policy_(std::move(policy)), rounds_(rounds), reopen_(std::move(reopen)), batches_(kBatches) {}

bool PolicyPlay::Step(Game& game) {
    TableScreen* table = game.ShownTable();
    if (table) {
        if (const auto action = policy_->Next(table->Engine()))
            return table->Act(*action);
        return false;
    }
    // The game ended and left the table: the same table again, as the simulator starts a new
    // game.
    reopen_();
    return game.ShownTable() != nullptr;
}

void PolicyPlay::Settled(const RoundLog& log) {
    if (Done())
        return;
    const bool userBanks = log.Mode % 2 == 0;
    sim::Tally& tally = batches_[static_cast<std::size_t>(played_ * kBatches / rounds_)];
    ++tally.Rounds;
    tally.Result += static_cast<double>(log.User.Result);
    // The round's first bets: the user's chips at a seat, the seats' bets when the user banks.
    for (const LoggedAction& logged : log.Actions) {
        const bool userChip = logged.Input && logged.Taken.Kind == ActionKind::Chip;
        const bool seatBet = userBanks && logged.Taken.Kind == ActionKind::Bet;
        if (userChip || seatBet)
            tally.Staked += static_cast<double>(logged.Taken.Amount);
    }
    // The seats' bets put down before the round's first action, when the user banks.
    if (userBanks)
        for (int seat = 1; seat <= log.Seats; ++seat)
            tally.Staked +=
                static_cast<double>(log.Start.Seats[static_cast<std::size_t>(seat)].Bet);
    ++played_;
}

std::string PolicyPlay::Summary() const {
    const sim::Estimate estimate = sim::EstimateOf(batches_);
    char figures[64];
    std::snprintf(figures, sizeof figures, "%+.1f ± %.1f", estimate.PerThousand,
                  estimate.HalfWidth);
    return "played " + std::to_string(played_) + " rounds with " + policy_->Name() +
           ": user per 1000 bet " + figures;
}

} // namespace quorvel::scenario
