// A fixed way to play the user's place at a table, for the simulator and for scripted play
// through the real screens: whenever the round waits for the user, the one action the user
// takes. The bet is a fixed amount placed with one chip; the raised bet and the paid services
// are never taken.
#pragma once

#include "cards/Odds.h"
#include "round/Action.h"
#include "round/AllowedActions.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace quorvel {
class RoundEngine;
}

namespace quorvel::sim {

class UserPolicy {
public:
    explicit UserPolicy(std::int32_t bet) : bet_(bet) {}
    virtual ~UserPolicy() = default;
    UserPolicy(const UserPolicy&) = delete;
    UserPolicy& operator=(const UserPolicy&) = delete;

    // The user's next action, or nothing when the table does not wait for the user (it is
    // closed, or a step runs).
    std::optional<Action> Next(const RoundEngine& engine);
    // The bet placed at a seat [money].
    std::int32_t Bet() const { return bet_; }
    virtual std::string Name() const = 0;

protected:
    // A move at the user's turn at a seat or at the split offer, among those `allowed`: hit,
    // stand (or what stands: open, pass), double, split or keep the pair.
    virtual Action Play(const RoundEngine& engine, ActionSet allowed) = 0;
    // The user as banker draws below 17 by the rule, and stops at `StandAt()` or more.
    virtual int StandAt() const { return 17; }
    // What a fixed rule does: hit below `standAt`, never double or split.
    static Action ByValue(const RoundEngine& engine, ActionSet allowed, int standAt);

private:
    std::int32_t bet_;
};

// Hits below `standAt` [12-21] and stands from there; keeps every pair.
class StandOnPolicy final : public UserPolicy {
public:
    StandOnPolicy(int standAt, std::int32_t bet) : UserPolicy(bet), standAt_(standAt) {}
    std::string Name() const override { return "stand" + std::to_string(standAt_); }

protected:
    Action Play(const RoundEngine& engine, ActionSet allowed) override {
        return ByValue(engine, allowed, standAt_);
    }
    int StandAt() const override { return standAt_ < 17 ? 17 : standAt_; }

private:
    int standAt_;
};

// The odds advisor's best move among those that buy nothing (hit, stand, double, split or
// keep the pair), valued exactly over the unseen cards at every decision: about 0.1-0.3 ms a
// decision, some 2,000 rounds a second per thread. At the bank, where the advisor names no
// move, it stands from 17.
class AdvisorPolicy final : public UserPolicy {
public:
    explicit AdvisorPolicy(std::int32_t bet) : UserPolicy(bet) {}
    std::string Name() const override { return "advisor"; }

protected:
    Action Play(const RoundEngine& engine, ActionSet allowed) override;

private:
    OddsAdvisor advisor_;
};

// The policy named `name` ("standN" with N 12..21, or "advisor"); nothing for another name.
std::unique_ptr<UserPolicy> MakePolicy(std::string_view name, std::int32_t bet);

} // namespace quorvel::sim
