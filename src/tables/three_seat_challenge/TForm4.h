// The three-seat table where the user, in the bottom-centre seat, and two computer characters
// challenge a computer banker. The front end fills in the names, portraits and background and
// opens it; the round is the engine's, and this screen lays out its controls, shows the round
// and hands the user over to the one-on-one table for a challenge after a long winning streak.
#pragma once

#include "tables/BonusTableButton.h"
#include "tables/ServiceChest.h"
#include "tables/TableScreen.h"

#include <memory>
#include <string>

namespace quorvel {

class TForm1;
class TForm8;

class TForm4 : public TableScreen {
public:
    explicit TForm4(TableHost& host);

    // Records: the banker, seats 1..3 (right, bottom centre = the user, left), split hands.
    const THandRecord& BankerHand() const { return Record(0); }
    const THandRecord& SeatHand(int seat) const { return Record(seat); } // [1-3]

    Control& BackButton() override;
    SaveContents SaveState() const override;
    void ResetForMainMenu() override;
    // The result dialog, created after this table.
    void SetDialog(TForm8& dialog);
    // The one-on-one table that plays the challenge.
    void SetChallengeTable(TForm1& table) { challengeTable_ = &table; }

    // ---- the designed buttons by what they do ----
    Control& StartButton() { return *Find("image9"); }
    Control& BetsDoneButton() { return *Find("Image20"); }
    Control& HitButton() { return *Find("Image10"); }
    Control& StandButton() { return *Find("Image11"); }
    Control& DoubleButton() { return *Find("Image14"); }
    Control& PassButton() { return *Find("Image16"); }
    Control& SaveButton() { return *Find("Image12"); }

    // ---- the view the engine talks to ----
    void ShowHandText(int seat, int hand, const std::string& text) override;
    void Refresh() override;
    void ShowResult(const RoundResult& result) override;
    void HideResult() override;
    void ClearResultExtras() override;
    void RevealChips() override;
    void SlidePair(int seat) override;
    void LeaveForChallenge() override;

protected:
    Point CardPlace(int seat, int hand, int slot) const override;
    Point ShoePoint() const override;

private:
    void FormCreate();
    void WireHandlers();
    void FinishBetsClick();
    void ReturnFromChallenge(std::int32_t userMoney, std::int32_t bankerMoney);
    Image& Picture(const char* name) { return static_cast<Image&>(*Find(name)); }

    TForm8* dialog_ = nullptr;
    TForm1* challengeTable_ = nullptr;
    std::unique_ptr<BonusTableButton> bonusTable_;
    // The chip bar is going away after the bet was done: a refresh meanwhile keeps it hidden.
    bool chipBarClosing_ = false;
};

} // namespace quorvel
