// The one-on-one table where the user is the banker and one computer character bets against
// the user. The front end fills in the names, the portrait and the background and opens it;
// this screen lays out its controls and keeps its records, money and labels.
#pragma once

#include "tables/TableScreen.h"

namespace quorvel {

class TForm3 : public TableScreen {
public:
    explicit TForm3(TableHost& host);

    // Records: the user as banker, the computer's hand, the computer's split hand.
    THandRecord& BankerHand() { return Record(0); }
    THandRecord& SeatHand() { return Record(1); }

    // Writes both names and the money and bet of both sides into their labels.
    void RefreshLabels();

    void ResetForMainMenu() override;
    Control& BackButton() override;
    SaveContents SaveState() const override;

    void Image12Click();
    void Image13Click();
    void Image26Click();

private:
    void FormCreate();
};

} // namespace quorvel
