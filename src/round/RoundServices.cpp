// The paid services on the treasure chest: a look at the other side's face-down cards, the
// exchange of the user's own face-down card for a named rank, and closing the services.
#include "round/RoundEngine.h"

#include "cards/SwapCard.h"

namespace quorvel {

void RoundEngine::ChargeUser(int service, std::int32_t fee) {
    ledger_.Charge(User(), fee);
    roundFees_[static_cast<std::size_t>(service)] += fee;
}

void RoundEngine::Look() {
    if (User().Main().Money < rules_.LookFee) {
        Say(Say::ServiceRefused, rules_.UserSeat);
        return;
    }
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
    Wait(Pause::Look);
    for (auto [seat, hand] : shown)
        view_.TurnCard(seat, hand, 1, false);
    servicesOff_ = false;
}

void RoundEngine::SwapService() {
    Seat& user = User();
    if (user.Main().Money < rules_.SwapFee) {
        // Refused: the services stay off until a hit, and a double offered before is not
        // offered again until the turn moves on.
        Say(Say::ServiceRefused, rules_.UserSeat);
        servicesOff_ = true;
        doubleWithdrawn_ = true;
        return;
    }
    Say(Say::SwapFee, rules_.UserSeat);
    ChargeUser(kSwapService, rules_.SwapFee);
    swapPanel_ = true;
    toggleOffered_ = false;
    if (user.HandCount == 2) {
        const bool mainAlive = user.Alive(Seat::kMain);
        const bool splitAlive = user.Alive(Seat::kSplit);
        if (mainAlive && splitAlive) {
            swapTarget_ = Seat::kMain;
            toggleOffered_ = true;
        } else {
            swapTarget_ = mainAlive ? Seat::kMain : Seat::kSplit;
        }
    }
}

void RoundEngine::CloseServices() {
    (rules_.ClosingHidesServices ? servicesHidden_ : servicesOff_) = true;
}

void RoundEngine::ToggleTarget(int hand) {
    swapTarget_ = hand == Seat::kSplit ? Seat::kSplit : Seat::kMain;
}

void RoundEngine::ConfirmSwap(const std::string& text) {
    Seat& user = User();
    swapPanel_ = toggleOffered_ = false;
    const int hand = user.HandCount == 1 || swapTarget_ == Seat::kMain ? Seat::kMain : Seat::kSplit;
    const int rank = SwapRankFromText(text);
    bool swapped = false;
    if (rank != 0)
        swapped = SwapCard(user.Hand(hand), shoe_, rank, 1, user.Hole(hand), random_);
    Say(swapped ? Say::SwapDone : Say::SwapFailed, rules_.UserSeat);
    ShowText(rules_.UserSeat, Seat::kMain);
    if (user.HandCount == 2)
        ShowText(rules_.UserSeat, Seat::kSplit);
    servicesOff_ = false;
}

} // namespace quorvel
