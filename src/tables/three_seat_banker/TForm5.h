// The three-seat table where the user banks against three computer characters. The front end
// fills in the names, portraits and background and opens it; this screen lays out its
// controls and keeps its records, money and labels.
#pragma once

#include "tables/TableScreen.h"

namespace quorvel {

class TForm5 : public TableScreen {
public:
    explicit TForm5(TableHost& host);

    // Records: the user as banker, seats 1..3 (left, top centre, right), split hands.
    THandRecord& BankerHand() { return Record(0); }
    THandRecord& SeatHand(int seat) { return Record(seat); } // [1-3]

    // Writes the names, money and bets of the user and the three seats into their labels.
    void RefreshLabels();

    void ResetForMainMenu() override;
    Control& BackButton() override;
    SaveContents SaveState() const override;

    void Image12Click();
    void Image13Click();
    void Image30Click();

private:
    void FormCreate();
};

} // namespace quorvel
