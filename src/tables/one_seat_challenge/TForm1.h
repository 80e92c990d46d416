// The one-on-one table where the user challenges a computer banker: betting with chips, the
// deal, the user's turn (hit, stand, double, split, peek, paid services), the banker's play,
// settlement with debts and the raised-bet offer, and the end of a game. It is also entered
// from the three-seat table as a challenge, which hands back when a round is not won.
#pragma once

#include "platform/BitBtn.h"
#include "platform/Edit.h"
#include "platform/Image.h"
#include "platform/Label.h"
#include "platform/Panel.h"
#include "tables/TableScreen.h"
#include "ui/ScreenConventions.h"

#include <cstdint>
#include <functional>
#include <string>

namespace quorvel {

class TForm6;

// Who the three-seat table sends into a challenge, and what it gets back.
struct ChallengeEntry {
    std::string BankerName;
    std::int32_t BankerMoney = 0;
    std::string UserName;
    std::int32_t UserMoney = 0;
    std::int32_t UserStreak = 0;
};
struct ChallengeHooks {
    // A round was lost or pushed: the user's and the banker's money go back to the three-seat
    // table, which shows itself and announces the return.
    std::function<void(std::int32_t userMoney, std::int32_t bankerMoney)> HandBack;
    // The banker was beaten: the three-seat table starts afresh.
    std::function<void()> BankerBeaten;
};

class TForm1 : public TableScreen {
public:
    explicit TForm1(TableHost& host);

    // Round states: a round is bet or played, or the table waits for a click.
    static constexpr std::int32_t kRoundPlaying = 1;
    static constexpr std::int32_t kRoundOver = 2;

    // ---- front end ----
    void ResetForMainMenu() override;
    Control& BackButton() override { return Image12; }
    SaveContents SaveState() const override;
    // Names, labels and portrait for a game about to start (new or resumed).
    void SetPlayers(const std::string& bankerName, const std::string& userName);
    // Shows the three chips one after the other, as at the start of a game.
    void ShowChips();
    void ShowMoney();
    Image& Portrait() { return Image3; }
    Image& Logo() { return Image34; }

    // ---- challenge mode, entered from the three-seat table ----
    void EnterChallenge(const ChallengeEntry& entry, ChallengeHooks hooks);
    bool InChallenge() const { return ChallengeMode; }

    // ---- handlers: clicks reach these, tests too ----
    void ChipClick(std::int32_t value);
    void Image29Click();  // take the bet back
    void Image21Click();  // take the raised-bet offer
    void Image11Click();  // deal
    void Image13Click();  // hit
    void Image14Click();  // stand
    void Image15Click();  // double
    void Image17Click();  // split
    void Image18Click();  // no split
    void Image19Click();  // banker opens
    void Image30Click();  // look at the banker's card
    void Image31Click();  // change a card
    void Image32Click();  // cancel the services
    void BitBtn15Click(); // swap OK
    void BitBtn17Click(); // swap target toggle
    void discovercard(TCard& card);
    void NextRoundClick(); // background or result dialog, while the round is over
    void Image20Click();   // save
    void Image12Click();   // back to the main menu
    void Image36Click();   // leave the program

    // The result dialog, created after this table.
    void SetDialog(TForm6& dialog) { dialog_ = &dialog; }

    std::int32_t RoundState() const { return RoundState_; }
    bool Busy() const { return busy_; }

private:
    friend class TForm1Test;
    // Marks a step that waits; clicks that would start another step meanwhile are ignored.
    class Step {
    public:
        explicit Step(bool& busy) : busy_(busy) { busy_ = true; }
        ~Step() { busy_ = false; }
        Step(const Step&) = delete;
        Step& operator=(const Step&) = delete;

    private:
        bool& busy_;
    };

    void FormCreate();
    void Layout();
    void WireHandlers();
    THandRecord& Banker() { return Record(0); }
    THandRecord& Main() { return Record(1); }
    THandRecord& Split() { return Record(2); }
    const THandRecord& Banker() const { return Record(0); }
    const THandRecord& Main() const { return Record(1); }
    const THandRecord& Split() const { return Record(2); }

    // Round flow.
    void RunPhase();
    void PrepareRound();
    void ResetTableMoney();
    void Phase0SecondCards();
    void Phase2BankerPlays();
    void BankerOptionalDrawing(bool startWithAsk);
    void TurnFaceUp(THandRecord& hand, int holeEntry);
    void ShowHandTexts();
    // The user's turn.
    void StartUserTurn();
    void DoSplit();
    void TakeCard(THandRecord& hand);
    void Phase1AfterHit();
    void Phase5DecisionPoint();
    void SetServicesVisible(bool visible);
    void SetServicesEnabled(bool enabled);
    bool HandAlive(const THandRecord& hand) const { return hand.HandValue != 0; }
    // Settlement and round end.
    void Phase3Settle();
    void Phase4RoundEnd();
    void SettleHand(THandRecord& hand);
    void SetRaiseOffer(std::int32_t bet);
    void RepayDebt();
    void FillResultDialog();
    bool BankerBeaten();
    void ChallengeHandBack();
    // Services.
    void ChestHover();
    void BackgroundHover();
    void ServiceHover(int index);
    void ChargeUser(std::int32_t fee);
    void HoldTurnButtons();
    void RestoreTurnButtons();
    // Money labels.
    std::string UserName() const { return Main().Name; }
    std::string BankerName() const { return Banker().Name; }
    void Bet(std::int32_t bet, std::int32_t money);

    // Table state.
    std::int32_t RoundState_ = kRoundPlaying;
    std::int32_t Phase = 0;     // [0-5]
    std::int32_t HandCount = 1; // [1-2]
    std::int32_t CurrentHand = 1;
    bool MainDoubled = false;
    bool SplitDoubled = false;
    bool DoubleTaken = false;
    std::int32_t SwapTarget = 1;
    bool RaiseOffered = false;
    std::int32_t RaiseAmount = 0;
    bool ChallengeMode = false;
    ChallengeHooks challenge_;
    std::int32_t BankerDebt = 0;
    bool DebtOpen = false;
    std::string CreditorName;
    std::int32_t BankerMoneyAtDeal = 0;
    std::int32_t PlayerStakeAtDeal = 0;
    std::int32_t BankerHoleEntry = 0;
    std::int32_t MainHoleEntry = 0;
    std::int32_t SplitHoleEntry = 0;
    bool ChestLit = false;
    bool BankerShown = false;
    bool busy_ = false;
    bool doubleShownBeforeService_ = false;

public:
    // Controls, in creation (and so stacking) order.
    Image& Image1 = Add<Image>("Image1");
    Image& Image3 = Add<Image>("Image3");
    Image& Image4 = Add<Image>("Image4");
    Image& Image34 = Add<Image>("Image34");
    Image& Image33 = Add<Image>("Image33");
    Label& Label22 = Add<Label>("Label22");
    Image& Image35 = Add<Image>("Image35");
    Label& Label23 = Add<Label>("Label23");
    Label& Label4 = Add<Label>("Label4");
    Label& Label5 = Add<Label>("Label5");
    Label& Label24 = Add<Label>("Label24");
    Label& Label3 = Add<Label>("Label3");
    Label& Label2 = Add<Label>("Label2");
    Label& label27 = Add<Label>("label27");
    Panel& Panel2 = Add<Panel>("Panel2");
    Image& Image5 = Add<Image>("Image5", &Panel2);
    Image& Image25 = Add<Image>("Image25");
    Image& Image26 = Add<Image>("Image26");
    Image& Image27 = Add<Image>("Image27");
    Image& Image29 = Add<Image>("Image29");
    Image& Image21 = Add<Image>("Image21");
    Image& Image11 = Add<Image>("Image11");
    Image& Image13 = Add<Image>("Image13");
    Image& Image14 = Add<Image>("Image14");
    Image& Image15 = Add<Image>("Image15");
    Image& Image16 = Add<Image>("Image16");
    Image& Image19 = Add<Image>("Image19");
    Image& Image17 = Add<Image>("Image17");
    Image& Image18 = Add<Image>("Image18");
    Image& Image28 = Add<Image>("Image28");
    Image& Image30 = Add<Image>("Image30");
    Image& Image31 = Add<Image>("Image31");
    Image& Image32 = Add<Image>("Image32");
    Image& Image22 = Add<Image>("Image22");
    Image& Image23 = Add<Image>("Image23");
    Image& Image24 = Add<Image>("Image24");
    Panel& Panel3 = Add<Panel>("Panel3");
    Label& Label25 = Add<Label>("Label25", &Panel3);
    Edit& Edit1 = Add<Edit>("Edit1", &Panel3);
    BitBtn& BitBtn15 = Add<BitBtn>("BitBtn15", &Panel3);
    BitBtn& BitBtn17 = Add<BitBtn>("BitBtn17");
    Image& Image6 = Add<Image>("Image6");
    Image& Image7 = Add<Image>("Image7");
    Image& Image8 = Add<Image>("Image8");
    Image& Image9 = Add<Image>("Image9");
    Image& Image37 = Add<Image>("Image37");
    Image& Image20 = Add<Image>("Image20");
    Image& Image12 = Add<Image>("Image12");
    Image& Image36 = Add<Image>("Image36");
    // Created after the hand cards so that they lie above them.
    Image* Image10 = nullptr;
    Label* Label1 = nullptr;
    Image* Image38 = nullptr;

private:
    TForm6& Dialog();
    TForm6* dialog_ = nullptr;
};

} // namespace quorvel
