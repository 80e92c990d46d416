// The one-on-one table where the user is the banker and one computer character bets against
// the user. The front end fills in the names, the portrait and the background and opens it;
// the round is the engine's. This screen lays out its designed controls, maps them to the
// engine's actions and hands, and shows the round: cards, labels, the split's slide, the
// chest hover and the result dialog TForm7.
#pragma once

#include "gui/Edit.h"
#include "gui/Image.h"
#include "gui/Label.h"
#include "gui/Panel.h"
#include "tables/ServiceChest.h"
#include "tables/TableScreen.h"

#include <memory>

namespace quorvel {

class TForm7;

class TForm3 : public TableScreen {
public:
    explicit TForm3(TableHost& host);

    // Records: the user as banker, the computer's hand, the computer's split hand.
    const THandRecord& BankerHand() const { return Record(0); }
    const THandRecord& SeatHand() const { return Record(1); }

    // ---- the designed controls by what they do ----
    Image& DealButton() { return Ctl<Image>("Image9"); }
    Image& HitButton() { return Ctl<Image>("Image10"); }
    Image& StandButton() { return Ctl<Image>("Image11"); }
    Image& SaveButton() { return Ctl<Image>("Image12"); }
    Image& Chest() { return Ctl<Image>("Image17"); }
    Panel& SwapPanel() { return Ctl<Panel>("Panel3"); }
    Edit& SwapRank() { return Ctl<Edit>("Edit1"); }

    // ---- front end ----
    void ResetForMainMenu() override;
    Control& BackButton() override { return Ctl<Image>("Image13"); }
    SaveContents SaveState() const override;
    // The result dialog, created after this table; its click starts the next round.
    void SetDialog(TForm7& dialog);
    // The click that starts the next round, on the table or on the result dialog.

    // ---- the view the engine talks to ----
    void SlidePair(int seat) override;
    void ShowHandText(int seat, int hand, const std::string& text) override;
    void Refresh() override;
    void ShowResult(const RoundResult& result) override;
    void HideResult() override;
    void ClearResultExtras() override;

protected:
    Point CardPlace(int seat, int hand, int slot) const override;
    Point ShoePoint() const override;

private:
    template <typename T> T& Ctl(const char* name) const { return static_cast<T&>(*Find(name)); }
    void FormCreate();
    void WireHandlers();

    TForm7* dialog_ = nullptr;
};

} // namespace quorvel
