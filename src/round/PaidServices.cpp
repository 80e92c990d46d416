// The paid services.
#include "round/PaidServices.h"

#include "cards/SwapCard.h"
#include "players/Statistics.h"

#include <utility>
#include <vector>

namespace quorvel {

void PaidServices::Charge(int service, std::int32_t fee) {
    round_.Money.Charge(round_.User(), fee);
    round_.State.RoundFees[static_cast<std::size_t>(service)] += fee;
}

void PaidServices::Look() {
    const TableRules& rules = round_.Rules;
    if (round_.User().Main().Money < rules.LookFee) {
        round_.Say(Say::ServiceRefused, rules.UserSeat);
        return;
    }
    round_.Say(Say::LookFee, rules.UserSeat);
    Charge(kLookService, rules.LookFee);
    // The other side's face-down cards show for a moment and are not counted as seen.
    std::vector<std::pair<int, int>> shown;
    if (rules.UserSeat != 0) {
        shown.emplace_back(0, Seat::kMain);
    } else {
        for (int seat = 1; seat <= rules.Seats; ++seat)
            for (int hand = Seat::kMain; hand <= round_.At(seat).HandCount; ++hand)
                if (round_.At(seat).Alive(hand))
                    shown.emplace_back(seat, hand);
    }
    for (auto [seat, hand] : shown)
        round_.View.TurnCard(seat, hand, 1, true);
    round_.Wait(Pause::Look);
    for (auto [seat, hand] : shown)
        round_.View.TurnCard(seat, hand, 1, false);
    round_.State.Turn.ServicesOff = false;
}

void PaidServices::Swap() {
    const TableRules& rules = round_.Rules;
    RoundState& state = round_.State;
    Seat& user = round_.User();
    if (user.Main().Money < rules.SwapFee) {
        // Refused: the services stay off until a hit, and a double offered before is not
        // offered again until the turn moves on.
        round_.Say(Say::ServiceRefused, rules.UserSeat);
        state.Turn.ServicesOff = true;
        state.Turn.DoubleWithdrawn = true;
        return;
    }
    round_.Say(Say::SwapFee, rules.UserSeat);
    Charge(kSwapService, rules.SwapFee);
    state.Turn.SwapPanel = true;
    state.Turn.ToggleOffered = false;
    if (user.HandCount == 2) {
        const bool mainAlive = user.Alive(Seat::kMain);
        const bool splitAlive = user.Alive(Seat::kSplit);
        if (mainAlive && splitAlive) {
            state.SwapTarget = Seat::kMain;
            state.Turn.ToggleOffered = true;
        } else {
            state.SwapTarget = mainAlive ? Seat::kMain : Seat::kSplit;
        }
    }
}

void PaidServices::Close() {
    UserTurnFacts& turn = round_.State.Turn;
    (round_.Rules.ClosingHidesServices ? turn.ServicesHidden : turn.ServicesOff) = true;
}

void PaidServices::Toggle(int hand) {
    round_.State.SwapTarget = hand == Seat::kSplit ? Seat::kSplit : Seat::kMain;
}

void PaidServices::Confirm(const std::string& rankText) {
    RoundState& state = round_.State;
    Seat& user = round_.User();
    const int seat = round_.Rules.UserSeat;
    state.Turn.SwapPanel = state.Turn.ToggleOffered = false;
    const int hand =
        user.HandCount == 1 || state.SwapTarget == Seat::kMain ? Seat::kMain : Seat::kSplit;
    const int rank = SwapRankFromText(rankText);
    bool swapped = false;
    if (rank != 0)
        swapped = SwapCard(user.Hand(hand), state.Shoe, rank, 1, user.Hole(hand), round_.Random);
    round_.Say(swapped ? Say::SwapDone : Say::SwapFailed, seat);
    round_.ShowText(seat, Seat::kMain);
    if (user.HandCount == 2)
        round_.ShowText(seat, Seat::kSplit);
    state.Turn.ServicesOff = false;
}

} // namespace quorvel
