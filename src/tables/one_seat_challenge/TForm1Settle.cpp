// TForm1's settlement (phase 3) and round end (phase 4): bonuses, the jackpot, the money
// transfers with the banker's debt and its repayment, the raised-bet offer, the result
// dialog, and the three ways a round can end a game or a challenge.
#include "cards/HandRules.h"
#include "platform/App.h"
#include "tables/TableHost.h"
#include "tables/one_seat_challenge/TForm1.h"
#include "tables/one_seat_challenge/TForm6.h"

namespace quorvel {

namespace {
// Below this the user is broke; at or below it the banker is beaten [money].
constexpr std::int32_t kBrokeLimit = 1000;
} // namespace

void TForm1::SetRaiseOffer(std::int32_t bet) {
    const auto offer = RaisedBetOffer(bet);
    RaiseOffered = offer.has_value();
    if (offer)
        RaiseAmount = *offer;
}

void TForm1::SettleHand(THandRecord& hand) {
    THandRecord& banker = Banker();
    const std::int32_t bet = hand.Bet;
    bool brokeBanker = false;
    switch (hand.Outcome) {
    case kOutcomeWon:
        if (banker.Money >= bet) {
            banker.Money = SubMoney(banker.Money, bet);
            hand.Money = AddMoney(hand.Money, MulMoney(bet, 2));
        } else {
            const std::int32_t had = banker.Money;
            hand.Money = AddMoney(hand.Money, std::int64_t{bet} + had);
            banker.Money = 0;
            DebtOpen = true;
            BankerDebt = AddMoney(BankerDebt, std::int64_t{bet} - had);
            brokeBanker = true;
        }
        break;
    case kOutcomePush:
        hand.Money = AddMoney(hand.Money, bet);
        break;
    default:
        banker.Money = AddMoney(banker.Money, bet);
        break;
    }
    // The transfer is complete before any banner waits: a save clicked during the banners
    // must not count the bet both in the money and on the table, nor miss the split hand's win.
    hand.Bet = 0;
    if (&hand == &Split())
        Main().Money = hand.Money;
    if (brokeBanker) {
        ShowMoney();
        Announce(BankerName() + "已經輸得精光！");
        Announce(BankerName() + "欠" + UserName() + std::to_string(BankerDebt));
    }
}

void TForm1::Phase3Settle() {
    Announce("結算本局籌碼！");
    const auto announce = [this](const std::string& text) { Announce(text); };
    const auto outcome = [this](THandRecord& hand, const char* pushText) {
        if (hand.Outcome == kOutcomeWon) {
            SetRaiseOffer(hand.Bet);
            return;
        }
        RaiseOffered = false;
        if (hand.Outcome == kOutcomePush)
            Announce(BankerName() + "對" + UserName() + pushText);
    };
    THandRecord& main = Main();
    if (HandCount == 1) {
        outcome(main, "為：和局！");
        ShowMoney();
        AwardSpecialBonus(main, main.Bet, announce);
        ShowMoney();
        CheckJackpot(main, announce);
        ShowMoney();
        SettleHand(main);
        ShowMoney();
    } else {
        THandRecord& split = Split();
        outcome(split, "的分家為：和局！");
        AwardSpecialBonus(split, split.Bet, announce);
        main.Money = split.Money;
        SettleHand(split);
        main.Money = split.Money;
        ShowMoney();
        outcome(main, "本手牌為：和局！");
        AwardSpecialBonus(main, main.Bet, announce);
        ShowMoney();
        CheckJackpot(main, announce);
        ShowMoney();
        SettleHand(main);
        ShowMoney();
        main.Streak += split.Streak;
    }
    Phase = 4;
    RunPhase();
}

void TForm1::RepayDebt() {
    THandRecord& banker = Banker();
    if (banker.Money <= 0 || !DebtOpen)
        return;
    if (banker.Money >= BankerDebt) {
        Announce(BankerName() + "還" + CreditorName + std::to_string(BankerDebt) + "元");
        banker.Money = SubMoney(banker.Money, BankerDebt);
        Main().Money = AddMoney(Main().Money, BankerDebt);
        BankerDebt = 0;
        DebtOpen = false;
    } else {
        Announce(BankerName() + "先還" + CreditorName + std::to_string(banker.Money) + "元");
        Main().Money = AddMoney(Main().Money, banker.Money);
        BankerDebt = SubMoney(BankerDebt, banker.Money);
        banker.Money = 0;
        Announce(BankerName() + "已經沒有錢可以還了！");
    }
    ShowMoney();
}

void TForm1::FillResultDialog() {
    const std::int64_t d = std::int64_t{Banker().Money} - BankerMoneyAtDeal;
    const std::int64_t e = std::int64_t{Main().Money} - PlayerStakeAtDeal;
    TForm6::RoundLines lines;
    lines.Banker =
        "莊家  " + BankerName() + (d >= 0 ? "贏：" : "輸：") + std::to_string(d >= 0 ? d : -d);
    lines.BankerHand = "牌值： " + HandResultText(Banker());
    if (HandCount == 1) {
        lines.UserHand = "牌值： " + HandResultText(Main());
        if (Main().Bonus != 0)
            lines.Bonus = "獎金： " + std::to_string(Main().Bonus);
    } else {
        lines.UserHand = "第1手牌： " + HandResultText(Main());
        lines.SecondHand = "第2手牌： " + HandResultText(Split());
        if (Main().Bonus != 0 || Split().Bonus != 0)
            lines.Bonus = "獎金： " + std::to_string(std::int64_t{Main().Bonus} + Split().Bonus);
    }
    lines.User =
        "玩家  " + UserName() + (e >= 0 ? "贏：" : "輸：") + std::to_string(e >= 0 ? e : -e);
    lines.Round = "第 " + std::to_string(roundNumber_) + "局 ";
    Dialog().ShowRound(lines);
}

bool TForm1::BankerBeaten() {
    Image20.SetEnabled(false);
    delay(2000);
    Dialog().Hide();
    Announce(BankerName() + "的錢不夠了！");
    Announce("祝賀" + UserName() + "成為最後的贏家！");
    HideHandCards(Banker());
    HideHandCards(Main());
    if (HandCount == 2)
        HideHandCards(Split());
    for (Label* l : {&Label2, &Label3, &label27})
        l->SetCaption("");
    Main().Streak = 0;
    roundNumber_ = 1;
    // The next game, against a new opponent, starts without an offer from this one.
    RaiseOffered = false;
    if (ChallengeMode) {
        ChallengeMode = false;
        if (challenge_.BankerBeaten)
            challenge_.BankerBeaten();
        Image20.Show();
    }
    Announce("請另選對手！");
    Announce("進入選人界面！");
    ResetTableMoney();
    Image20.SetEnabled(true);
    Hide();
    host_.ShowPlayerSelection();
    return true;
}

void TForm1::ChallengeHandBack() {
    delay(2000);
    Dialog().Hide();
    if (Main().Streak != 0)
        return;
    HideHandCards(Banker());
    HideHandCards(Main());
    if (HandCount == 2)
        HideHandCards(Split());
    ChallengeMode = false;
    for (Label* l : {&Label2, &Label3, &label27})
        l->SetCaption("");
    Announce(UserName() + "未能繼續贏，必須退出單打模式！");
    Image20.Show();
    Hide();
    if (challenge_.HandBack)
        challenge_.HandBack(Main().Money, Banker().Money);
}

void TForm1::Phase4RoundEnd() {
    RepayDebt();
    FillResultDialog();
    bool left = false;
    if (Main().Money < kBrokeLimit) {
        delay(2000);
        Dialog().Hide();
        Announce(UserName() + "的錢不夠了！");
        Announce("下次多帶點錢來玩吧！");
        // A broke user leaves for the main menu; a challenge that was running ends with it.
        ChallengeMode = false;
        host_.ReturnToMainMenu(*this);
        left = true;
    }
    if (!left && Banker().Money <= kBrokeLimit)
        left = BankerBeaten();
    if (!left && ChallengeMode) {
        ChallengeHandBack();
        left = !ChallengeMode;
    }
    if (left) {
        RoundState_ = kRoundPlaying;
        return;
    }
    Image12.Show();
    RoundState_ = kRoundOver;
}

} // namespace quorvel
