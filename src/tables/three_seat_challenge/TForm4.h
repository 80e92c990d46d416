// The three-seat table where the user, in the bottom-centre seat, and two computer characters
// challenge a computer banker. The front end fills in the names, portraits and background and
// opens it; this screen lays out its controls and keeps its records, money and labels.
#pragma once

#include "tables/TableScreen.h"

namespace quorvel {

class TForm4 : public TableScreen {
public:
    explicit TForm4(TableHost& host);

    // Records: the banker, seats 1..3 (right, bottom centre = the user, left), split hands.
    THandRecord& BankerHand() { return Record(0); }
    THandRecord& SeatHand(int seat) { return Record(seat); } // [1-3]

    // Writes the names, money and bets of the banker and the three seats into their labels.
    void RefreshLabels();

    void ResetForMainMenu() override;
    Control& BackButton() override;
    SaveContents SaveState() const override;

    void Image12Click();
    void Image13Click();
    void Image39Click();

private:
    void FormCreate();
};

} // namespace quorvel
