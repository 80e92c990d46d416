// The one-on-one table where the user challenges a computer banker. The round is the engine's;
// this screen lays out its designed controls, maps them to the engine's actions and hands,
// shows what the engine says, and keeps the challenge hooks: it is also entered from the
// three-seat table as a challenge, which hands back when a round is not won.
#pragma once

#include "gui/BitBtn.h"
#include "gui/Edit.h"
#include "gui/Image.h"
#include "gui/Label.h"
#include "gui/Panel.h"
#include "tables/BonusTableButton.h"
#include "tables/ServiceChest.h"
#include "tables/TableScreen.h"
#include "ui/ScreenConventions.h"

#include <cstdint>
#include <memory>
#include <string>

namespace quorvel {

class TForm6;

class TForm1 : public TableScreen {
public:
    explicit TForm1(TableHost& host);

    // ---- front end ----
    void ResetForMainMenu() override;
    Control& BackButton() override { return Image12; }
    SaveContents SaveState() const override;
    // The user's name labels for a challenge about to start.
    void SetPlayers(const std::string& userName);
    Image& Portrait() { return Image3; }
    Image& Logo() { return Image34; }
    // The result dialog, created after this table.
    void SetDialog(TForm6& dialog) { dialog_ = &dialog; }

    // ---- challenge mode, entered from the three-seat table ----
    void EnterChallenge(const ChallengeEntry& entry, ChallengeHooks hooks);
    bool InChallenge() const { return engine_.InChallenge(); }

    // ---- the designed buttons by what they do ----
    Image& HitButton() { return Image13; }
    Image& StandButton() { return Image14; }
    Image& DoubleButton() { return Image15; }
    Image& OpenButton() { return Image19; }
    Image& DealButton() { return Image11; }
    Image& SplitButton() { return Image17; }
    Image& NoSplitButton() { return Image18; }
    Image& SaveButton() { return Image20; }

    // The click that starts the next round, on the table or on the result dialog.
    bool RoundOver() const { return engine_.RoundOver(); }
    bool Busy() const { return engine_.Busy(); }

    // ---- the view the engine talks to ----
    void SlidePair(int seat) override;
    void ShowHandText(int seat, int hand, const std::string& text) override;
    void Refresh() override;
    void ShowResult(const RoundResult& result) override;
    void HideResult() override;
    void ClearResultExtras() override;
    void RevealChips() override;

protected:
    Point CardPlace(int seat, int hand, int slot) const override;
    Point ShoePoint() const override;

private:
    void FormCreate();
    void Layout();
    void WireHandlers();
    TForm6& Dialog() { return *dialog_; }

    TForm6* dialog_ = nullptr;
    std::unique_ptr<BonusTableButton> bonusTable_;

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
    Image* BonusTip = nullptr; // the bonus-table button's tip
};

} // namespace quorvel
