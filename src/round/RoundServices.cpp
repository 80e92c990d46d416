// The paid services on the treasure chest: a look at the other side's face-down cards, the
// exchange of the user's own face-down card for a named rank, and closing the services.
#include "round/RoundEngine.h"

#include "cards/SwapCard.h"

namespace quorvel {

namespace {
constexpr int kLookMs = 2000; // how long the bought look shows the cards [ms]
} // namespace

void RoundEngine::ChargeUser(int service, std::int32_t fee) {
    ledger_.Charge(User(), fee);
    houseFlow_ -= fee;
    roundFees_[static_cast<std::size_t>(service)] += fee;
}

void RoundEngine::HoldTurnButtons() {
    const Seat& user = User();
    // Double comes back only if it was offered before the service: a service bought after a
    // hit or at the decision point must not offer a double (of a bust hand).
    doubleShownBeforeService_ = offers_[ActionKind::Double].Shown && !user.DoubleTaken;
    offers_.Enable(ActionKind::Hit, false);
    offers_.Enable(ActionKind::Stand, false);
    if (!user.DoubleTaken)
        offers_.Hide(ActionKind::Double);
    EnableServices(false);
    offers_.Hide(ActionKind::Open);
    offers_.Enable(ActionKind::Pass, false);
}

void RoundEngine::RestoreTurnButtons() {
    offers_.Enable(ActionKind::Hit);
    offers_.Enable(ActionKind::Stand);
    if (doubleShownBeforeService_)
        offers_.Show(ActionKind::Double);
    EnableServices(true);
    offers_.Enable(ActionKind::Pass);
    if (rules_.UserSeat != 0 && rules_.UserOpensBanker)
        offers_.Show(ActionKind::Open);
}

void RoundEngine::Look() {
    HoldTurnButtons();
    if (User().Main().Money < rules_.LookFee) {
        Say(Say::ServiceRefused, rules_.UserSeat);
    } else {
        Say(Say::LookFee, rules_.UserSeat);
        ChargeUser(kLookService, rules_.LookFee);
        // The other side's face-down cards show for a moment and are not counted as seen.
        std::vector<std::pair<int, int>> shown;
        if (rules_.UserSeat != 0) {
            shown.emplace_back(0, Seat::kMain);
        } else {
            for (int seat = 1; seat <= rules_.Seats; ++seat)
                for (int hand = Seat::kMain; hand <= At(seat).HandCount; ++hand)
                    if (At(seat).Alive(hand))
                        shown.emplace_back(seat, hand);
        }
        for (auto [seat, hand] : shown)
            view_.TurnCard(seat, hand, 1, true);
        Wait(kLookMs);
        for (auto [seat, hand] : shown)
            view_.TurnCard(seat, hand, 1, false);
    }
    RestoreTurnButtons();
}

void RoundEngine::SwapService() {
    Seat& user = User();
    // Hit and stand come back as they were: at the decision point they stay hidden, so a
    // refused swap cannot reopen a hand that is bust or has taken its doubled card.
    const bool hitShown = offers_[ActionKind::Hit].Shown;
    const bool standShown = offers_[ActionKind::Stand].Shown;
    HoldTurnButtons();
    if (user.Main().Money < rules_.SwapFee) {
        Say(Say::ServiceRefused, rules_.UserSeat);
        offers_.SetShown(ActionKind::Hit, hitShown);
        offers_.SetShown(ActionKind::Stand, standShown);
        offers_.Enable(ActionKind::Hit);
        offers_.Enable(ActionKind::Stand);
        offers_.Enable(ActionKind::Double);
        offers_.Enable(ActionKind::Pass);
        if (rules_.UserSeat != 0 && rules_.UserOpensBanker)
            offers_.Show(ActionKind::Open);
        return;
    }
    Say(Say::SwapFee, rules_.UserSeat);
    ChargeUser(kSwapService, rules_.SwapFee);
    offers_.Show(ActionKind::ConfirmSwap);
    if (user.HandCount == 2) {
        const bool mainAlive = user.Alive(Seat::kMain);
        const bool splitAlive = user.Alive(Seat::kSplit);
        if (mainAlive && splitAlive) {
            swapTarget_ = Seat::kMain;
            offers_.Show(ActionKind::ToggleSwapTarget);
        } else {
            swapTarget_ = mainAlive ? Seat::kMain : Seat::kSplit;
        }
    }
}

void RoundEngine::CloseServices() {
    if (rules_.ClosingHidesServices)
        SetServices(false);
    else
        EnableServices(false);
}

void RoundEngine::ToggleTarget() {
    // The toggle names the hand a click would switch to; its caption is never reset.
    toggleNamesMain_ = !toggleNamesMain_;
    swapTarget_ = toggleNamesMain_ ? Seat::kSplit : Seat::kMain;
}

void RoundEngine::ConfirmSwap(const std::string& text) {
    Seat& user = User();
    offers_.Hide(ActionKind::ConfirmSwap);
    offers_.Hide(ActionKind::ToggleSwapTarget);
    const int hand = user.HandCount == 1 || swapTarget_ == Seat::kMain ? Seat::kMain : Seat::kSplit;
    const int rank = SwapRankFromText(text);
    bool swapped = false;
    if (rank != 0)
        swapped = SwapCard(user.Hand(hand), shoe_, rank, 1, user.Hole(hand), random_);
    Say(swapped ? Say::SwapDone : Say::SwapFailed, rules_.UserSeat);
    ShowText(rules_.UserSeat, Seat::kMain);
    if (user.HandCount == 2)
        ShowText(rules_.UserSeat, Seat::kSplit);
    RestoreTurnButtons();
}

} // namespace quorvel
