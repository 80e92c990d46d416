// The table's pauses and banners at its pace, the bonus table's button, the toggle's caption
// and the chest.
#include "tables/RoundLook.h"

#include "tables/TableWords.h"

#include <algorithm>

namespace quorvel {

RoundLook::RoundLook(TableMode mode) : pauses_(PausesOfMode(mode)) {}

int RoundLook::PauseMs(Pause moment) const {
    return Paced(pauses_[static_cast<std::size_t>(moment)]);
}

int RoundLook::BannerMs() const {
    return Paced(kBannerMs);
}

void RoundLook::SetPace(int percent) {
    pacePercent_ = std::clamp(percent, 1, 100);
}

void RoundLook::BeforeAction(Action& action, bool taken, const RoundFacts& round) {
    if (action.Kind == ActionKind::ToggleSwapTarget && action.Hand == 0)
        action.Hand = round.SwapTarget() == Seat::kMain ? Seat::kSplit : Seat::kMain;
    if (!taken)
        return;
    if (action.Kind == ActionKind::Chip)
        bonusShown_ = true;
    else if (action.Kind == ActionKind::Deal || action.Kind == ActionKind::FinishBets)
        bonusShown_ = false;
}

const char* RoundLook::ToggleCaption(const RoundFacts& round) {
    return round.SwapTarget() == Seat::kMain ? kToggleToSplit : kToggleToMain;
}

bool RoundLook::ChestMayLight(const RoundFacts& round) {
    if (!round.HasUser() || round.BankerShown() || round.UserTurnOver() || round.RoundOver())
        return false;
    const Seat& user = round.User();
    if (user.HandCount == 1)
        return user.Alive(Seat::kMain) && user.Main().CardCount > 1;
    return user.Split().CardCount > 1 && user.AnyAlive();
}

} // namespace quorvel
