// The three-seat table where the user, in the bottom-centre seat, and two computer characters
// challenge a computer banker. The front end fills in the names, portraits and background and
// opens it; the round is the engine's. Beyond its design this table lets the chip bar appear
// and go chip by chip around the user's bet, and hands the user over to the one-on-one table
// for a challenge after a long winning streak and takes the user back.
#pragma once

#include "tables/TableScreen.h"

#include <cstdint>

namespace quorvel {

class TForm1;

class TForm4 : public TableScreen {
public:
    explicit TForm4(TableHost& host);

    // The one-on-one table that plays the challenge.
    void SetChallengeTable(TForm1& table) { challengeTable_ = &table; }

    void Refresh() override;
    void RevealChips() override;
    void LeaveForChallenge() override;

private:
    void FinishBetsClick();
    void ReturnFromChallenge(std::int32_t userMoney, std::int32_t bankerMoney);

    TForm1* challengeTable_ = nullptr;
    // The chip bar is going away after the bet was done: a refresh meanwhile keeps it hidden.
    bool chipBarClosing_ = false;
};

} // namespace quorvel
