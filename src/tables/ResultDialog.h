// The result dialog of a table: what the banker and each seat won or lost in the round, their
// final hands (both after a split), the seats' bonuses and the round number, on the dialog's
// picture, with the line that asks for a click to go on. Each table's dialog gives which of its
// designed labels shows which side's line and where the labels lie; a click anywhere on it
// starts the next round, as a click on the table does.
#pragma once

#include "gui/Image.h"
#include "gui/Label.h"
#include "gui/Screen.h"
#include "tables/TableWords.h"

#include <array>
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace quorvel {

class ResultDialog : public Screen {
public:
    // A label, Label1..LabelN by its number, and where it lies [layout px, in the dialog].
    struct LinePlace {
        int Label;
        int Left;
        int Top;
    };
    // The labels a side's lines go to; 0 where the side has no such line.
    struct SideLines {
        int Money;
        int Hand;
        int SecondHand;
        int Bonus;
    };
    struct Layout {
        Rect Bounds;                       // [layout px]
        std::span<const LinePlace> Places; // every line but the continue line, in stacking order
        std::span<const SideLines> Sides;  // the banker first, then the seats
        int RoundLabel;
        const char* RoundWord; // after the round number: "局 " or " 局 "
        int ContinueLabel;
        Rect ContinueBox; // [layout px, in the dialog]
        int LineSize;     // font sizes [px]: the lines, the round, the continue line
        int RoundSize;
        int ContinueSize;
    };
    ResultDialog(App& app, std::string name, const Layout& layout);

    // Fills the lines from the round's figures (the banker first, then the seats in order) and
    // shows the dialog in front. A second hand or a bonus that does not apply leaves its line
    // empty.
    void ShowRound(const std::vector<ResultLine>& lines, int roundNumber);
    // Empties the second-hand and bonus lines, done at every start of a round.
    void ClearRoundLines();
    // The line of that label number.
    Label& Line(int label) const;
    // The click that goes on: the table starts its next round.
    void Continue();

    void FormActivate() override;
    void FormDeactivate() override;
    std::function<void()> onContinue;

    Image& Image1 = Add<Image>("Image1");

    // The three-seat dialogs' labels: the banker's money and hand, then each seat's money, hand,
    // second hand and bonus.
    static constexpr SideLines kSeatsResultSides[] = {
        {1, 5, 0, 0}, {2, 6, 14, 7}, {3, 8, 15, 9}, {4, 10, 16, 11}};

private:
    std::vector<SideLines> sides_;
    int roundLabel_;
    std::string roundWord_;
    int continueLabel_;
};

} // namespace quorvel
