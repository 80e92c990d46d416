// TForm1's paid services on the treasure chest: the look at the banker's face-down card, the
// exchange of the user's face-down card for a named rank, and their cancel.
#include "cards/Card.h"
#include "cards/HandRules.h"
#include "cards/SwapCard.h"
#include "tables/TableHost.h"
#include "tables/one_seat_challenge/TForm1.h"

namespace quorvel {

namespace {
constexpr std::int32_t kLookFee = 20000;
constexpr std::int32_t kSwapFee = 40000;
constexpr const char* kNoFunds = "很抱歉！你的資金不足，請下次使用該功能！";
constexpr const char* kToggleMain = "本家換牌（單擊切換）";
constexpr const char* kToggleSplit = "分家換牌（單擊切換）";
constexpr const char* kChest = "picture\\gif\\bw001.gif";
} // namespace

void TForm1::ChargeUser(std::int32_t fee) {
    Main().Money = SubMoney(Main().Money, fee);
    if (HandCount == 2)
        Split().Money = SubMoney(Split().Money, fee);
    Label23.SetCaption(std::to_string(Main().Money));
}

void TForm1::HoldTurnButtons() {
    // The double button comes back only if it was offered before the service: a service
    // bought after a hit or at the decision point must not offer a double (of a bust hand).
    doubleShownBeforeService_ = Image15.Visible() && !DoubleTaken;
    Image13.SetEnabled(false);
    Image14.SetEnabled(false);
    if (!DoubleTaken)
        Image15.Hide();
    SetServicesEnabled(false);
    Image19.Hide();
}

void TForm1::RestoreTurnButtons() {
    Image13.SetEnabled(true);
    Image14.SetEnabled(true);
    if (doubleShownBeforeService_)
        Image15.Show();
    SetServicesEnabled(true);
    Image19.Show();
}

void TForm1::Image30Click() {
    if (busy_)
        return;
    Step step(busy_);
    HoldTurnButtons();
    if (Main().Money < kLookFee) {
        Announce(kNoFunds);
    } else {
        Announce("收取服務費兩萬元！");
        ChargeUser(kLookFee);
        TCard& hole = *Banker().Card(1);
        hole.SetFaceUp(true);
        delay(2000);
        hole.SetFaceUp(false);
    }
    RestoreTurnButtons();
}

void TForm1::Image31Click() {
    if (busy_)
        return;
    Step step(busy_);
    // Hit and stand come back as they were: at the decision point they stay hidden, so a
    // refused swap cannot reopen a hand that is bust or has taken its doubled card.
    const bool hitShown = Image13.Visible();
    const bool standShown = Image14.Visible();
    HoldTurnButtons();
    if (Main().Money < kSwapFee) {
        Announce(kNoFunds);
        Image13.SetVisible(hitShown);
        Image14.SetVisible(standShown);
        Image13.SetEnabled(true);
        Image14.SetEnabled(true);
        Image15.SetEnabled(true);
        Image19.Show();
        return;
    }
    Announce("收取服務費四萬元！");
    ChargeUser(kSwapFee);
    Panel3.Show();
    BitBtn15.Show();
    if (HandCount == 2) {
        const bool mainAlive = HandAlive(Main());
        const bool splitAlive = HandAlive(Split());
        if (mainAlive && splitAlive) {
            SwapTarget = 1;
            BitBtn17.Show();
        } else if (!mainAlive) {
            SwapTarget = 2;
        } else {
            SwapTarget = 1;
        }
    }
}

void TForm1::Image32Click() {
    if (busy_)
        return;
    SetServicesEnabled(false);
    // The chest's resting picture goes back on the chest, not on the small cancel button.
    Image28.Load(kChest);
    ChestLit = false;
}

void TForm1::BitBtn17Click() {
    if (BitBtn17.Caption() == kToggleMain) {
        BitBtn17.SetCaption(kToggleSplit);
        SwapTarget = 1;
    } else {
        BitBtn17.SetCaption(kToggleMain);
        SwapTarget = 2;
    }
}

void TForm1::BitBtn15Click() {
    if (busy_ || !Panel3.Visible())
        return;
    Step step(busy_);
    Panel3.Hide();
    BitBtn17.Hide();
    const bool main = HandCount == 1 || SwapTarget == 1;
    THandRecord& hand = main ? Main() : Split();
    const int holeEntry = main ? MainHoleEntry : SplitHoleEntry;
    const int rank = SwapRankFromText(Edit1.Text());
    bool swapped = false;
    if (rank != 0)
        swapped = SwapCard(hand, shoe_, rank, 1, holeEntry, host_.Random());
    Announce(swapped ? "換牌成功！" : "換牌不成功！");
    Label2.SetCaption(HandText(Main()));
    if (HandCount == 2)
        label27.SetCaption(HandText(Split()));
    Edit1.SetText("");
    RestoreTurnButtons();
}

} // namespace quorvel
