// The result dialog of the three-seat table where the user is the banker: what the user-banker
// and each of the three computer seats won or lost in the round, their final hands (both hands
// after a split), each seat's bonus, and the round number. A click on it starts the next
// round, as a click on the table does.
#pragma once

#include "platform/Image.h"
#include "platform/Label.h"
#include "platform/Screen.h"
#include "round/TableView.h"

#include <functional>

namespace quorvel {

class TableHost;

class TForm9 : public Screen {
public:
    explicit TForm9(TableHost& host);

    // Fills the labels from the round's figures (the banker first, then seats 1..3) and shows
    // the dialog in front.
    void ShowRound(const RoundResult& result);
    // Clears the second-hand and bonus lines, done at every start of a round.
    void ClearRoundLines();
    // Label1..Label16.
    Label& Line(int n) const;

    void FormActivate() override;
    void FormDeactivate() override;
    // The continue click: the table starts its next round.
    std::function<void()> onContinue;

    Image& Image1 = Add<Image>("Image1");
};

} // namespace quorvel
