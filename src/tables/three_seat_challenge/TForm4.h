// The three-seat table where the user, in the bottom-centre seat, and two computer characters
// challenge a computer banker. The front end fills in the names, portraits and background and
// opens it; the round is the engine's, and this screen lays out its controls and shows it.
#pragma once

#include "tables/TableScreen.h"

namespace quorvel {

class TForm4 : public TableScreen {
public:
    explicit TForm4(TableHost& host);

    // Records: the banker, seats 1..3 (right, bottom centre = the user, left), split hands.
    THandRecord& BankerHand() { return Record(0); }
    THandRecord& SeatHand(int seat) { return Record(seat); } // [1-3]

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
