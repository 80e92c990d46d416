// The one-on-one table where the user is the banker and one computer character bets against
// the user. The front end fills in the names, the portrait and the background and opens it;
// the round is the engine's, and this screen lays out its controls and shows the round.
#pragma once

#include "tables/TableScreen.h"

namespace quorvel {

class TForm3 : public TableScreen {
public:
    explicit TForm3(TableHost& host);

    // Records: the user as banker, the computer's hand, the computer's split hand.
    THandRecord& BankerHand() { return Record(0); }
    THandRecord& SeatHand() { return Record(1); }

    Control& BackButton() override;
    SaveContents SaveState() const override;
    // The result dialog, created after this table.
    void SetDialog(Screen& dialog) { dialog_ = &dialog; }

    // ---- the view the engine talks to ----
    void ShowHandText(int seat, int hand, const std::string& text) override;
    void Refresh() override;
    void ShowResult(const RoundResult& result) override;
    void HideResult() override;
    void ClearResultExtras() override {}

protected:
    Point CardPlace(int seat, int hand, int slot) const override;
    Point ShoePoint() const override;

private:
    void FormCreate();
    Screen* dialog_ = nullptr;
};

} // namespace quorvel
