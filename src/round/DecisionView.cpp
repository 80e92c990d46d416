// Gathering the user's view of a decision from the table's state.
#include "round/DecisionView.h"

#include "players/Money.h"
#include "players/Payouts.h"
#include "round/RoundEngine.h"

namespace quorvel {

std::optional<UserDecision> UserDecisionView(const RoundEngine& engine) {
    if (!engine.HasUser() || engine.CurrentStage() != RoundEngine::Stage::UserTurn)
        return std::nullopt;
    const Seat& banker = engine.Banker();
    if (banker.HoleTurned[0])
        return std::nullopt;
    const Seat& user = engine.User();
    const bool userBanks = engine.Rules().UserSeat == 0;
    const int hand = userBanks ? Seat::kMain : user.CurrentHand;
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
    // A win of this hand pays the jackpot when the stake and the streak call for it.
    if (!userBanks && user.HandCount == 1 && view.Bet == kJackpotBet &&
        user.Main().Streak + 1 >= kJackpotStreak)
        view.JackpotOnWin = MulMoney(view.Bet, 10);
    view.LookFee = engine.Rules().LookFee;
    view.SwapFee = engine.Rules().SwapFee;
    return decision;
}

} // namespace quorvel
