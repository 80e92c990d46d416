// Rounds played through the real screens by a fixed policy for the user (the simulator's),
// for the scenario runner's `play` command: whenever the table waits for the user, the
// policy's action goes through the table as a click would; a game that ends opens the same
// table again. Each settled round adds to a tally, kept in batches so that the user's mean
// result per 1000 bet comes with the same kind of interval the simulator gives.
#pragma once

#include "Simulation.h"
#include "UserPolicy.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace quorvel {
class Game;
struct RoundLog;
} // namespace quorvel

namespace quorvel::scenario {

class PolicyPlay {
public:
    // Plays `rounds` rounds with `policy`; `reopen` opens the table again after a game ends.
    PolicyPlay(std::unique_ptr<sim::UserPolicy> policy, std::int64_t rounds,
               std::function<void()> reopen);

    bool Done() const { return played_ >= rounds_; }
    // One step while the game waits for the user: the policy's action at the table shown,
    // or the table opened again. False when neither can be done.
    bool Step(Game& game);
    // Adds a settled round: the user's bets and result.
    void Settled(const RoundLog& log);
    // "played R rounds with P: user per 1000 bet M ± I".
    std::string Summary() const;

private:
    static constexpr int kBatches = 20;

    std::unique_ptr<sim::UserPolicy> policy_;
    std::int64_t rounds_;
    std::function<void()> reopen_;
    std::int64_t played_ = 0;
    std::vector<sim::Tally> batches_; // rounds in turn, an equal share each [0-19]
};

} // namespace quorvel::scenario
