// The result dialog of the three-seat table where the user challenges the banker: what the
// banker and each of the three seats won or lost in the round, their final hands, the
// bonuses and the round number. A click on its picture starts the next round, as a click on
// the table does.
#pragma once

#include "platform/Image.h"
#include "platform/Label.h"
#include "platform/Screen.h"
#include "round/TableView.h"

#include <functional>

namespace quorvel {

class TableHost;

class TForm8 : public Screen {
public:
    explicit TForm8(TableHost& host);

    // Fills the labels from the round's figures (the banker's line first, then seats 1-3) and
    // shows the dialog in front. The second-hand and bonus lines are set only when they apply.
    void ShowRound(const RoundResult& result);
    // Clears the second-hand and bonus lines, done at the start of every round.
    void ClearRoundLines();

    void FormActivate() override;
    void FormDeactivate() override;
    // The continue click: the table starts its next round.
    std::function<void()> onContinue;

    Image& Image1 = Add<Image>("Image1");

private:
    Label& Line(int n); // Label1..Label16
};

} // namespace quorvel
