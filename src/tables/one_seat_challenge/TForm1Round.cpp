// TForm1's round flow: betting with chips, the deal and the second cards, the phase
// dispatcher, the banker's play and the click that starts the next round.
#include "cards/Card.h"
#include "cards/HandRules.h"
#include "cards/OpponentPlay.h"
#include "platform/App.h"
#include "tables/TableHost.h"
#include "tables/one_seat_challenge/TForm1.h"
#include "tables/one_seat_challenge/TForm6.h"

namespace quorvel {

namespace {
// The largest bet the chips can make [money].
constexpr std::int32_t kChipCap = 20000;
// Card places: X0 = (W div 8) x 3 - 10, Y0 = (H div 8) x 3 - 10 [design px].
constexpr int kX0 = (kDesignWidth / 8) * 3 - 10;
constexpr int kY0 = (kDesignHeight / 8) * 3 - 10;
constexpr Point kBankerPlace{kX0 + 60, kY0 + 2};
constexpr Point kMainPlace{kX0, kY0 + 215};
constexpr int kCardStep = 20; // [px] between the cards of a hand
// Chance of steering the user's second card into a pair [r 1-100].
constexpr int kPairChance = 20;
constexpr std::size_t kCreditorNameChars = 80;

// The first `count` characters of a UTF-8 text.
std::string FirstCharacters(const std::string& text, std::size_t count) {
    std::size_t chars = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80 && chars++ == count)
            return text.substr(0, i);
    }
    return text;
}
} // namespace

void TForm1::Bet(std::int32_t bet, std::int32_t money) {
    Main().Bet = bet;
    Main().Money = money;
    Label23.SetCaption(std::to_string(money));
    Label24.SetCaption(std::to_string(bet));
}

void TForm1::ChipClick(std::int32_t value) {
    if (busy_)
        return;
    Step step(busy_);
    Image37.Show();
    Image29.Hide();
    Image11.Hide();
    const std::int32_t b = Main().Bet;
    if (std::int64_t{b} + value <= kChipCap) {
        Bet(b + value, SubMoney(Main().Money, value));
        Announce(UserName() + "已下注" + std::to_string(Main().Bet) + "圓");
    } else if (b < kChipCap) {
        Bet(kChipCap, SubMoney(AddMoney(Main().Money, b), kChipCap));
        Announce(UserName() + "已下注" + std::to_string(Main().Bet) + "圓");
    } else {
        Announce("已是最大籌碼，不能再加了！");
    }
    Image29.Show();
    Image11.Show();
}

void TForm1::Image29Click() {
    if (busy_)
        return;
    Step step(busy_);
    Image29.Hide();
    Image11.Hide();
    Bet(0, AddMoney(Main().Money, Main().Bet));
    Announce("請重新下注！");
    if (RaiseOffered)
        Image21.Show();
}

void TForm1::Image21Click() {
    if (busy_ || !RaiseOffered)
        return;
    Step step(busy_);
    Image29.Hide();
    Image11.Hide();
    const std::int32_t money = AddMoney(Main().Money, Main().Bet);
    Bet(RaiseAmount, SubMoney(money, RaiseAmount));
    Image21.Hide();
    Announce(UserName() + "已下注" + std::to_string(Main().Bet) + "圓");
    Image29.Show();
    Image11.Show();
}

void TForm1::PrepareRound() {
    for (Label* l : {&Label2, &Label3, &label27})
        l->SetCaption("");
    for (THandRecord* h : {&Banker(), &Main(), &Split()}) {
        ResetHand(*h);
        for (int slot = 2; slot <= kHandSlots; ++slot)
            h->Card(slot)->SetFaceUp(true);
    }
    if (NeedsNewShoe(shoe_, OneSeatShoeLimit(HandCount), roundNumber_)) {
        if (roundNumber_ != 1)
            Announce("洗牌！");
        NewShoe(shoe_, host_.Random(), &host_.Stack());
    }
    ShowCounts();
}

void TForm1::Image11Click() {
    if (busy_)
        return;
    Step step(busy_);
    for (Control* c : std::initializer_list<Control*>{
             &Image37, &Image11, &Image13, &Image14, &Image25, &Image26, &Image27, &Image29,
             &Image21, &Image19, &Image17, &Image18, &Panel3})
        c->Hide();
    HandCount = 1;
    CurrentHand = 1;
    RoundState_ = kRoundPlaying;
    Main().Bonus = 0;
    Split().Bonus = 0;
    BankerMoneyAtDeal = Banker().Money;
    PlayerStakeAtDeal = AddMoney(Main().Money, Main().Bet);
    DoubleTaken = ChestLit = BankerShown = false;
    CreditorName = FirstCharacters(UserName(), kCreditorNameChars);
    BankerDebt = 0;
    DebtOpen = false;
    if (roundNumber_ == 1)
        PrepareRound();
    SwapTarget = 1;
    MainDoubled = SplitDoubled = false;
    Dialog().ClearRoundLines();
    ShowMoney();
    BankerHoleEntry = shoe_.Position;
    MainHoleEntry = shoe_.Position + 1;
    for (THandRecord* h : {&Banker(), &Main(), &Split()})
        h->Card(1)->SetFaceUp(false);
    DealCard(Banker(), 1, shoe_);
    DealCard(Main(), 1, shoe_);
    FlyCard(*Banker().Card(1), kBankerPlace.x, kBankerPlace.y);
    delay(1000);
    FlyCard(*Main().Card(1), kMainPlace.x, kMainPlace.y);
    Banker().CardCount = 1;
    Main().CardCount = 1;
    delay(1000);
    Phase = 0;
    RunPhase();
}

void TForm1::RunPhase() {
    switch (Phase) {
    case 0:
        return Phase0SecondCards();
    case 1:
        return Phase1AfterHit();
    case 2:
        return Phase2BankerPlays();
    case 3:
        return Phase3Settle();
    case 4:
        return Phase4RoundEnd();
    case 5:
        return Phase5DecisionPoint();
    default:
        return;
    }
}

void TForm1::Phase0SecondCards() {
    MarkCardSeen(shoe_, shoe_.Position);
    ShowCounts();
    TCard& bankerSecond = *Banker().Card(2);
    bankerSecond.SetFaceUp(true);
    DealCard(Banker(), 2, shoe_);
    FlyCard(bankerSecond, kBankerPlace.x + kCardStep, kBankerPlace.y);
    Banker().CardCount = 2;
    EvaluateHand(Banker());
    SteerBankerOpening(Banker(), shoe_, BankerHoleEntry, host_.Random());
    delay(1000);

    const int r = host_.Random().Draw(DrawStream::Rules, 1, 100);
    if (r <= kPairChance && !MainDoubled)
        SteerPlayerPair(Main(), shoe_);
    MarkCardSeen(shoe_, shoe_.Position);
    ShowCounts();
    TCard& mainSecond = *Main().Card(2);
    mainSecond.SetFaceUp(true);
    DealCard(Main(), 2, shoe_);
    FlyCard(mainSecond, kMainPlace.x + kCardStep, kMainPlace.y);
    Main().CardCount = 2;
    EvaluateHand(Main());

    const TCard& a = *Main().Card(1);
    const TCard& b = *Main().Card(2);
    const bool twins = a.Value() == b.Value() && a.Suit() == b.Suit();
    HandCount = CurrentHand = 1;
    if (twins && !MainDoubled) {
        if (Main().Money >= Main().Bet)
            HandCount = CurrentHand = 2;
        else
            Announce("資金不足，不能分牌！");
    }
    Label2.SetCaption(HandText(Main()));
    if (CurrentHand == 1) {
        StartUserTurn();
        return;
    }
    Image17.Show();
    Image18.Show();
}

void TForm1::TurnFaceUp(THandRecord& hand, int holeEntry) {
    hand.Card(1)->SetFaceUp(true);
    MarkCardSeen(shoe_, holeEntry);
    ShowCounts();
}

void TForm1::BankerOptionalDrawing(bool startWithAsk) {
    THandRecord& banker = Banker();
    bool d =
        startWithAsk ? OpponentWantsCard(banker, shoe_, host_.Random()) : banker.HandValue < 21;
    const auto flight = [this](TCard& card, int left, int top) { FlyCard(card, left, top); };
    const bool wasAlive = HandAlive(banker);
    while (HandAlive(banker) && d) {
        MarkCardSeen(shoe_, shoe_.Position);
        ShowCounts();
        DrawCard(banker, shoe_, flight);
        d = OpponentWantsCard(banker, shoe_, host_.Random());
        Label3.SetCaption(HandText(banker));
    }
    // A banker already bust from its forced drawing was announced there.
    if (wasAlive && !HandAlive(banker))
        Announce(BankerName() + "不幸被炸！");
}

void TForm1::Phase2BankerPlays() {
    SetServicesVisible(false);
    BankerShown = true;
    THandRecord& banker = Banker();
    TurnFaceUp(banker, BankerHoleEntry);
    Label3.SetCaption(HandText(banker));
    const auto flight = [this](TCard& card, int left, int top) { FlyCard(card, left, top); };
    while (banker.HandValue >= 1 && banker.HandValue <= 16) {
        Announce(BankerName() + "不足17點，必須補牌！");
        OpponentWantsCard(banker, shoe_, host_.Random());
        MarkCardSeen(shoe_, shoe_.Position);
        ShowCounts();
        DrawCard(banker, shoe_, flight);
        Label3.SetCaption(HandText(banker));
    }
    if (!HandAlive(banker))
        Announce(BankerName() + "不幸被炸！");

    const auto lose = [&banker](THandRecord& hand) {
        banker.Outcome = kOutcomeWon;
        banker.Streak += 1;
        hand.Outcome = kOutcomeLost;
        hand.Streak = 0;
    };
    if (HandCount == 1) {
        if (!HandAlive(Main())) {
            BankerOptionalDrawing(false);
            lose(Main());
        } else {
            BankerOptionalDrawing(true);
            TurnFaceUp(Main(), MainHoleEntry);
            CompareHands(banker, Main());
        }
    } else {
        BankerOptionalDrawing(true);
        if (HandAlive(Split())) {
            TurnFaceUp(Split(), SplitHoleEntry);
            delay(1000);
        }
        if (HandAlive(Main()))
            TurnFaceUp(Main(), MainHoleEntry);
        if (!HandAlive(Main()))
            lose(Main());
        else
            CompareHands(banker, Main());
        if (!HandAlive(Split()))
            lose(Split());
        else
            CompareHands(banker, Split());
        Main().Streak += Split().Streak;
    }
    Phase = 3;
    RunPhase();
}

void TForm1::NextRoundClick() {
    if (busy_ || RoundState_ != kRoundOver)
        return;
    Step step(busy_);
    Image12.Hide();
    RoundState_ = kRoundPlaying;
    Dialog().Hide();
    HideHandCards(Banker());
    HideHandCards(Main());
    if (HandCount == 2)
        HideHandCards(Split());
    roundNumber_ += 1;
    PrepareRound();
    delay(1000);
    Announce("請" + UserName() + "下注！");
    Image21.SetVisible(RaiseOffered);
    for (Image* chip : {&Image25, &Image26, &Image27})
        chip->Show();
    ShowCounts();
}

} // namespace quorvel
