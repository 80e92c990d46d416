// The result dialog of the three-seat tables: what the banker and each of the three seats won
// or lost in the round, their final hands (both after a split), each seat's bonus and the round
// number, in sixteen labels. Each table places the lines on its own dialog; a click anywhere
// on it starts the next round, as a click on the table does.
#pragma once

#include "gui/Image.h"
#include "gui/Label.h"
#include "gui/Screen.h"
#include "tables/TableWords.h"

#include <functional>
#include <span>
#include <string>

namespace quorvel {

class SeatsResultDialog : public Screen {
public:
    // Where a label sits [layout px, in the dialog].
    struct LinePlace {
        int label; // Label1..Label16
        int left;
        int top;
    };
    struct Layout {
        Rect bounds;                       // [layout px]
        std::span<const LinePlace> places; // the money, hand, bonus and round lines
        Rect continueBox;                  // the continue line [layout px, in the dialog]
    };
    SeatsResultDialog(App& app, std::string name, const Layout& layout);

    // Fills the labels from the round's figures (the banker first, then seats 1..3) and shows
    // the dialog in front. The second-hand and bonus lines are set only when they apply.
    void ShowRound(const std::vector<ResultLine>& lines, int roundNumber);
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
