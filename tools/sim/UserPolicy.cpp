// The fixed policies for the user's place: the bet, the next round, and the moves.
#include "UserPolicy.h"

#include "round/DecisionView.h"
#include "round/RoundEngine.h"

#include <algorithm>
#include <charconv>

namespace quorvel::sim {

namespace {
using K = ActionKind;
} // namespace

std::optional<Action> UserPolicy::Next(const RoundEngine& engine) {
    const RoundState& state = engine.State();
    if (state.Closed || state.Busy)
        return std::nullopt;
    if (state.RoundOver) {
        // The result dialog's continue.
        Action next = Action::Of(K::NextRound);
        next.FromDialog = true;
        return next;
    }
    switch (state.Stage) {
    case RoundStage::Waiting:
        return Action::Of(K::Deal);
    case RoundStage::Betting: {
        const THandRecord& hand = engine.User().Main();
        // A bet no larger than the money, as a player with less left would bet.
        constexpr std::int32_t kSmallestChip = 1000;
        std::int32_t wanted =
            std::min({bet_, engine.Rules().ChipCap, std::max(hand.Money + hand.Bet, 0)});
        wanted = std::max(wanted / kSmallestChip * kSmallestChip, kSmallestChip);
        if (hand.Bet < wanted)
            return Action::Chip(wanted - hand.Bet);
        return Action::Of(engine.Rules().BetsBeforeDeal ? K::Deal : K::FinishBets);
    }
    case RoundStage::SplitOffer:
    case RoundStage::UserTurn: {
        if (engine.Rules().UserSeat == 0) {
            const int value = engine.Banker().Main().HandValue;
            return Action::Of(value >= 1 && value < StandAt() ? K::Hit : K::Stand);
        }
        const ActionSet allowed = AllowedActions(state, engine.Rules(), engine.Rules().UserSeat);
        if (allowed.Has(K::Pass))
            return Action::Of(K::Pass);
        if (state.Turn.AtDecisionPoint)
            return Action::Of(K::Open);
        return Play(engine, allowed);
    }
    default:
        return std::nullopt;
    }
}

Action UserPolicy::ByValue(const RoundEngine& engine, ActionSet allowed, int standAt) {
    if (engine.CurrentStage() == RoundStage::SplitOffer)
        return Action::Of(K::NoSplit);
    const Seat& user = engine.User();
    const int hand = user.CurrentHand;
    // A doubled hand owes its card.
    if (user.Doubled[static_cast<std::size_t>(hand - 1)])
        return Action::Of(K::Hit);
    const int value = user.Hand(hand).HandValue;
    if (value >= 1 && value < standAt)
        return Action::Of(K::Hit);
    return Action::Of(allowed.Has(K::Stand) ? K::Stand : K::Open);
}

Action AdvisorPolicy::Play(const RoundEngine& engine, ActionSet allowed) {
    std::optional<UserDecision> decision = UserDecisionView(engine);
    if (!decision)
        return ByValue(engine, allowed, 17);
    // Only the moves that buy nothing.
    MoveSet moves;
    for (Move move : {Move::Stand, Move::Hit, Move::NoSplit, Move::Double, Move::Split})
        if (decision->View.Offered.Has(move))
            moves.Add(move);
    decision->View.Offered = moves;
    const DecisionOdds odds = advisor_.Advise(decision->View);
    if (!odds.Best)
        return ByValue(engine, allowed, 17);
    switch (*odds.Best) {
    case Move::Hit:
        return Action::Of(K::Hit);
    case Move::Double:
        return Action::Of(K::Double);
    case Move::Split:
        return Action::Of(K::Split);
    case Move::NoSplit:
        return Action::Of(K::NoSplit);
    default:
        return Action::Of(decision->StandsBy);
    }
}

std::unique_ptr<UserPolicy> MakePolicy(std::string_view name, std::int32_t bet) {
    if (name == "advisor")
        return std::make_unique<AdvisorPolicy>(bet);
    constexpr std::string_view kStand = "stand";
    if (!name.starts_with(kStand))
        return nullptr;
    const std::string_view digits = name.substr(kStand.size());
    int standAt = 0;
    const auto [end, error] =
        std::from_chars(digits.data(), digits.data() + digits.size(), standAt);
    if (error != std::errc() || end != digits.data() + digits.size() || standAt < 12 ||
        standAt > 21)
        return nullptr;
    return std::make_unique<StandOnPolicy>(standAt, bet);
}

} // namespace quorvel::sim
