// Gathering the user's view of a decision from the table's state.
#include "round/DecisionView.h"

#include "players/Money.h"
#include "players/Payouts.h"
#include "round/RoundEngine.h"

namespace quorvel {

namespace {

// The jackpot a win of this hand pays at this stake, when the streak calls for it.
std::int64_t JackpotFor(const Seat& user, std::int32_t stake) {
    if (user.HandCount != 1 || stake != kJackpotBet || user.Main().Streak + 1 < kJackpotStreak)
        return 0;
    return MulMoney(stake, 10);
}

// The moves the round allows the user now, with the money for them: a double, a look or a
// swap the money does not cover is refused when clicked, so it is no move.
void GatherMoves(const RoundEngine& engine, int hand, UserDecision& decision) {
    const Seat& user = engine.User();
    const auto allowed = [&](ActionKind kind) { return engine.Allowed(Action::Of(kind)); };
    OddsView& view = decision.View;
    const std::int32_t money = user.Main().Money;
    MoveSet& moves = view.Offered;
    moves = {};
    if (engine.CurrentStage() == RoundEngine::Stage::SplitOffer) {
        if (allowed(ActionKind::Split))
            moves.Add(Move::Split);
        if (allowed(ActionKind::NoSplit))
            moves.Add(Move::NoSplit);
        view.MayDoubleUnsplit = money >= user.Main().Bet;
        view.MayDoubleSplitHands = std::int64_t{money} >= 3 * std::int64_t{user.Main().Bet};
        return;
    }
    decision.ChoosingRank = allowed(ActionKind::ConfirmSwap);
    decision.MayHit = allowed(ActionKind::Hit);
    // A doubled hand owes exactly one card: hitting is its only move.
    if (user.Doubled[static_cast<std::size_t>(hand - 1)]) {
        view.OneCardOnly = true;
        if (decision.MayHit)
            moves.Add(Move::Hit);
    } else {
        if (decision.MayHit)
            moves.Add(Move::Hit);
        for (ActionKind stands : {ActionKind::Stand, ActionKind::Open, ActionKind::Pass})
            if (allowed(stands)) {
                moves.Add(Move::Stand);
                decision.StandsBy = stands;
                break;
            }
        if (allowed(ActionKind::Double) && money >= user.Hand(hand).Bet)
            moves.Add(Move::Double);
    }
    if (allowed(ActionKind::Look) && money >= view.LookFee)
        moves.Add(Move::Look);
    if (allowed(ActionKind::Swap) && money >= view.SwapFee)
        moves.Add(Move::Swap);
}

} // namespace

std::optional<UserDecision> UserDecisionView(const RoundEngine& engine) {
    const RoundEngine::Stage stage = engine.CurrentStage();
    if (!engine.HasUser() ||
        (stage != RoundEngine::Stage::UserTurn && stage != RoundEngine::Stage::SplitOffer))
        return std::nullopt;
    const Seat& banker = engine.Banker();
    if (banker.HoleTurned[0])
        return std::nullopt;
    const Seat& user = engine.User();
    const bool userBanks = engine.Rules().UserSeat == 0;
    // At a split offer the pair is the main hand's.
    const int hand =
        userBanks || stage == RoundEngine::Stage::SplitOffer ? Seat::kMain : user.CurrentHand;
    if (!user.Alive(hand) || user.Hand(hand).CardCount < 1)
        return std::nullopt;

    UserDecision decision;
    decision.UserBanks = userBanks;
    OddsView& view = decision.View;
    view.Unseen = engine.Shoe().Unseen;
    view.Hand = user.Hand(hand);
    // The user knows the face-down cards of the user's own hands.
    for (int h = Seat::kMain; h <= user.HandCount; ++h)
        if (user.Hand(h).CardCount >= 1 && !user.HoleTurned[static_cast<std::size_t>(h - 1)])
            view.OwnFaceDown.push_back(user.Hand(h).Card(1));
    if (!userBanks)
        for (int slot = 2; slot <= banker.Main().CardCount; ++slot)
            view.BankerFaceUp.push_back(banker.Main().Card(slot));
    view.Bet = user.Hand(hand).Bet;
    if (!userBanks) {
        view.JackpotOnWin = JackpotFor(user, view.Bet);
        view.JackpotOnDoubledWin = JackpotFor(user, MulMoney(view.Bet, 2));
    }
    view.LookFee = engine.Rules().LookFee;
    view.SwapFee = engine.Rules().SwapFee;
    if (userBanks)
        decision.MayHit = engine.Allowed(Action::Of(ActionKind::Hit));
    else
        GatherMoves(engine, hand, decision);
    return decision;
}

} // namespace quorvel
