// TForm1's user turn: the split offer and the split with its slides, hit, stand, double,
// banker opens, the checks after a hit (phase 1), the decision point (phase 5) and the peek.
#include "cards/Card.h"
#include "cards/HandRules.h"
#include "platform/App.h"
#include "tables/TableHost.h"
#include "tables/one_seat_challenge/TForm1.h"

namespace quorvel {

namespace {
constexpr int kSplitOffset = 200; // [px] from the main hand's first card to the split hand's
constexpr Point kMainPlace{(kDesignWidth / 8) * 3 - 10, (kDesignHeight / 8) * 3 - 10 + 215};
} // namespace

void TForm1::SetServicesVisible(bool visible) {
    for (Image* s : {&Image30, &Image31, &Image32})
        s->SetVisible(visible);
}

void TForm1::SetServicesEnabled(bool enabled) {
    for (Image* s : {&Image30, &Image31, &Image32})
        s->SetEnabled(enabled);
}

void TForm1::StartUserTurn() {
    if (HandCount == 2)
        label27.SetCaption(HandText(Split()));
    SetServicesVisible(true);
    BitBtn15.Show();
    Edit1.SetText("");
    for (Image* b : {&Image13, &Image14, &Image15, &Image19})
        b->Show();
}

void TForm1::Image18Click() {
    if (busy_)
        return;
    Step step(busy_);
    Image17.Hide();
    Image18.Hide();
    HandCount = CurrentHand = 1;
    Main().Card(1)->SetFaceUp(false);
    StartUserTurn();
}

void TForm1::Image17Click() {
    if (busy_)
        return;
    Step step(busy_);
    Image17.Hide();
    Image18.Hide();
    Label2.SetCaption("");
    DoSplit();
    Label2.SetCaption(HandText(Main()));
    StartUserTurn();
}

void TForm1::DoSplit() {
    const int L = kMainPlace.x;
    const int T = kMainPlace.y;
    THandRecord& main = Main();
    THandRecord& split = Split();
    Announce(UserName() + "分牌！");
    TurnFaceUp(main, MainHoleEntry);

    TCard& mainFirst = *main.Card(1);
    TCard& mainSecond = *main.Card(2);
    TCard& splitSecond = *split.Card(2);
    splitSecond.SetSuit(mainSecond.Suit());
    splitSecond.SetValue(mainSecond.Value());
    splitSecond.SetFaceUp(true);
    splitSecond.SetPosition(mainSecond.Left(), mainSecond.Top());

    SplitHoleEntry = shoe_.Position;
    DealCard(split, 1, shoe_);
    FlyCard(*split.Card(1), L + kSplitOffset, T);

    // The twin slides over to the split hand, then the other twin moves into first place.
    splitSecond.Show();
    mainSecond.Hide();
    for (int i = 0; i < 25; ++i) {
        splitSecond.SetPosition(splitSecond.Left() + 8, splitSecond.Top());
        delay(1);
    }
    mainSecond.SetPosition(mainSecond.Left() - 20, mainSecond.Top());
    mainSecond.Show();
    mainFirst.Hide();
    for (int i = 0; i < 5; ++i) {
        mainSecond.SetPosition(mainSecond.Left() + 4, mainSecond.Top());
        delay(1);
    }
    mainFirst.SetFaceUp(false);
    MainHoleEntry = shoe_.Position;
    DealCard(main, 1, shoe_);
    FlyCard(mainFirst, L, T);

    main.CardCount = 2;
    split.CardCount = 2;
    EvaluateHand(main);
    EvaluateHand(split);

    const std::int32_t money = SubMoney(main.Money, main.Bet);
    Label23.SetCaption(std::to_string(money));
    Label24.SetCaption(std::to_string(MulMoney(main.Bet, 2)) + "*");
    main.Money = money;
    split.Streak = main.Streak;
    split.Money = money;
    split.Bet = main.Bet;
    split.Name = main.Name;
}

void TForm1::TakeCard(THandRecord& hand) {
    MarkCardSeen(shoe_, shoe_.Position);
    ShowCounts();
    DrawCard(hand, shoe_, [this](TCard& card, int left, int top) { FlyCard(card, left, top); });
}

void TForm1::Image13Click() {
    if (busy_)
        return;
    Step step(busy_);
    Image13.SetEnabled(false);
    Image14.SetEnabled(false);
    SetServicesEnabled(false);
    Image15.Hide();
    Image19.Hide();
    if (CurrentHand == 1) {
        if (HandCount == 2 && MainDoubled) {
            Announce(UserName() + "本家隻能補一張牌！");
            for (Image* b : {&Image13, &Image14, &Image15})
                b->Hide();
        }
        TakeCard(Main());
    } else {
        if (HandCount == 2 && SplitDoubled)
            Announce(UserName() + "分家隻能補一張牌！");
        TakeCard(Split());
    }
    Phase = 1;
    RunPhase();
}

void TForm1::Phase1AfterHit() {
    Label2.SetCaption(HandText(Main()));
    if (HandCount == 2)
        label27.SetCaption(HandText(Split()));
    if (CurrentHand == 1) {
        Image15.Hide();
        Image13.SetEnabled(true);
        Image14.SetEnabled(true);
        SetServicesEnabled(true);
        Image19.Show();
        const bool bust = !HandAlive(Main());
        if (!bust && !MainDoubled)
            return;
        for (Image* b : {&Image13, &Image14, &Image15})
            b->Hide();
        if (bust && (HandCount == 1 || !HandAlive(Split())))
            SetServicesVisible(false);
        MainDoubled = false;
        if (bust) {
            Image19.Hide();
            Announce("炸得粉身碎骨！");
            TurnFaceUp(Main(), MainHoleEntry);
        }
        Phase = 5;
        RunPhase();
        return;
    }
    const auto passToMain = [this] {
        CurrentHand = 1;
        Image13.Show();
        Image14.Show();
    };
    if (SplitDoubled) {
        SplitDoubled = false;
        passToMain();
    }
    if (!HandAlive(Split())) {
        TurnFaceUp(Split(), SplitHoleEntry);
        passToMain();
        Announce("不幸運，被炸。輪到" + UserName() + "分家補牌了！");
    }
    Image13.SetEnabled(true);
    Image14.SetEnabled(true);
    SetServicesEnabled(true);
    Image15.SetVisible(CurrentHand == 1);
    Image19.Show();
}

void TForm1::Image14Click() {
    if (busy_)
        return;
    Step step(busy_);
    Image13.SetEnabled(false);
    Image14.SetEnabled(false);
    SetServicesVisible(false);
    Image19.Hide();
    Label2.SetCaption(HandText(Main()));
    if (HandCount == 2)
        label27.SetCaption(HandText(Split()));
    if (CurrentHand == 1) {
        if (MainDoubled)
            Announce(UserName() + (HandCount == 2 ? "本家加押後必須補最後一張牌！"
                                                  : "加押後必須補最後一張牌！"));
        Image13.SetEnabled(true);
        Image14.SetEnabled(true);
        SetServicesVisible(true);
        Image19.Show();
        if (!MainDoubled) {
            for (Image* b : {&Image13, &Image14, &Image15, &Image19})
                b->Hide();
            SetServicesVisible(false);
            Announce("請" + BankerName() + "開牌！");
            Phase = 2;
            RunPhase();
        }
        return;
    }
    if (!SplitDoubled) {
        if (!DoubleTaken)
            Image15.Hide();
        CurrentHand = 1;
        Announce("不補牌了，看下一手牌如何！");
        if (!DoubleTaken)
            Image15.Show();
    } else {
        Announce(UserName() + "分家加押後必須補最後一張牌！");
    }
    Image13.SetEnabled(true);
    Image14.SetEnabled(true);
    SetServicesVisible(true);
    Image19.Show();
}

void TForm1::Image19Click() {
    if (busy_)
        return;
    Step step(busy_);
    for (Image* b : {&Image13, &Image14, &Image19, &Image15})
        b->Hide();
    SetServicesVisible(false);
    BitBtn15.Hide();
    const auto reshow = [this] {
        for (Image* b : {&Image13, &Image14, &Image19})
            b->Show();
        SetServicesVisible(true);
        BitBtn15.Show();
    };
    if (MainDoubled) {
        Announce(UserName() +
                 (HandCount == 1 ? "加押後必須補一張牌！" : "本家加押後必須補一張牌！"));
        reshow();
    }
    if (SplitDoubled) {
        Announce(UserName() + "分家加押後必須補一張牌！");
        reshow();
    }
    if (MainDoubled || SplitDoubled)
        return;
    Edit1.SetText("");
    Announce("請" + BankerName() + "開牌！");
    Phase = 2;
    RunPhase();
}

void TForm1::Image15Click() {
    if (busy_)
        return;
    Step step(busy_);
    Image15.Hide();
    const std::int32_t a = Main().Bet;
    if (std::int64_t{Main().Money} - a < 0) {
        Announce("資金不足，不能加押！");
        return;
    }
    if (CurrentHand == 1)
        MainDoubled = DoubleTaken = true;
    else
        SplitDoubled = true;
    if (HandCount == 1) {
        Bet(MulMoney(Main().Bet, 2), SubMoney(Main().Money, Main().Bet));
        return;
    }
    if (CurrentHand == 1) {
        Main().Money = SubMoney(Main().Money, a);
        Split().Money = Main().Money;
        Main().Bet = AddMoney(Main().Bet, a);
        Label24.SetCaption(std::to_string(AddMoney(Main().Bet, Split().Bet)) + "*");
    } else {
        Split().Money = SubMoney(Split().Money, a);
        Main().Money = Split().Money;
        Split().Bet = AddMoney(Split().Bet, a);
        Label24.SetCaption(std::to_string(AddMoney(MulMoney(a, 2), Main().Bet)) + "*");
    }
    Label23.SetCaption(std::to_string(Main().Money));
}

void TForm1::Phase5DecisionPoint() {
    Image19.Hide();
    SetServicesVisible(true);
    const bool anyAlive = HandAlive(Main()) || (HandCount == 2 && HandAlive(Split()));
    if (anyAlive) {
        Image19.Show();
        return;
    }
    delay(1000);
    Announce("請" + BankerName() + "開牌");
    Phase = 2;
    RunPhase();
}

void TForm1::discovercard(TCard& card) {
    if (busy_ || card.FaceUp())
        return;
    Step step(busy_);
    // Each button gets back the state it had, so a peek never enables a button that the
    // step in progress (an open swap panel, a refused service) keeps disabled.
    Control* buttons[] = {&Image30, &Image31, &Image32, &Image17,
                          &Image18, &Image19, &Image13, &Image14};
    bool enabled[std::size(buttons)];
    for (std::size_t i = 0; i < std::size(buttons); ++i) {
        enabled[i] = buttons[i]->Enabled();
        buttons[i]->SetEnabled(false);
    }
    card.SetFaceUp(true);
    delay(1000);
    card.SetFaceUp(false);
    for (std::size_t i = 0; i < std::size(buttons); ++i)
        buttons[i]->SetEnabled(enabled[i]);
}

} // namespace quorvel
